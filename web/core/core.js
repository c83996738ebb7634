// KRIMVEL's core in the browser: the same draw and print layout as the desktop program,
// compiled to krimvel-core.wasm, which sits beside this module.
//
//   const core = await loadCore({ measure });
//   const { runs, text, spoken } = core.press('combination', 'Combination %1: %2');
//
// measure.textWidth(text) and measure.lineHeight() answer in twips (15 to a CSS pixel) for the
// print font; the core never measures by itself. core.presses is the core's press table: each
// press's name, such as 'combination', and the id of the control that makes it, such as
// 'Command3' (KOMBINACIJA). The generator lives in the instance and is never seeded: the same
// presses after loading give what the desktop program prints after start-up.

const wasmName = 'krimvel-core.wasm';
const encoder = new TextEncoder();
const decoder = new TextDecoder();

// Rejects with an Error that says what failed: no WebAssembly, the file missing (its HTTP
// status) or unreadable, corrupt. `wasm` replaces the file beside this module, as a URL or as
// its bytes (Node reads the file itself: its fetch knows no file: URLs).
export async function loadCore({ measure, wasm = new URL(wasmName, import.meta.url) } = {}) {
  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
    throw new Error('This browser cannot run WebAssembly, which draws the numbers.');
  }
  if (typeof measure?.textWidth !== 'function' || typeof measure?.lineHeight !== 'function') {
    throw new TypeError('loadCore needs measure.textWidth(text) and measure.lineHeight().');
  }
  let memory = null;
  let stopped = null;
  const textOf = (address, size) => decoder.decode(new Uint8Array(memory.buffer, address, size));
  const twips = (value, what) => {
    if (!Number.isFinite(value)) {
      throw new TypeError(`${what} gave ${value}, not a length in twips.`);
    }
    return value;
  };
  // A throw from here unwinds the core's frames without running their destructors, and leaves
  // what it was printing half done: nothing it holds can be trusted after that, as after a trap.
  const fromPage = (call) => (...args) => {
    try {
      return call(...args);
    } catch (error) {
      stopped = new Error(`The number core failed (${error?.message ?? error}); reload the page.`,
        { cause: error });
      throw stopped;
    }
  };
  const imports = {
    measure: {
      textWidth: fromPage((address, size) => twips(measure.textWidth(textOf(address, size)), 'measure.textWidth')),
      lineHeight: fromPage(() => twips(measure.lineHeight(), 'measure.lineHeight')),
    },
    // The core aborts only when memory runs out; nothing it holds can be trusted after that.
    wasi_snapshot_preview1: {
      proc_exit: (code) => {
        stopped = new Error(`The number core stopped (code ${code}); reload the page.`);
        throw stopped;
      },
    },
    // The views on the memory are made afresh for every read, so growth needs no notice.
    env: { emscripten_notify_memory_growth: () => {} },
  };
  const { instance } = await instantiate(wasm, imports);
  const core = instance.exports;
  memory = core.memory;
  core._initialize?.();

  const viewText = (view) => {
    const [address, size] = new Uint32Array(memory.buffer, view, 2);
    return textOf(address, size);
  };

  const presses = Array.from({ length: core.krimvel_press_count() },
    (_, row) => ({ name: viewText(core.krimvel_press_table(row, 0)), control: viewText(core.krimvel_press_table(row, 1)) }));

  return {
    presses,
    press(command, combinationPattern = 'Combination %1: %2') {
      if (stopped) {
        throw stopped;
      }
      try {
        return pressOnce(command, combinationPattern);
      } catch (error) {
        // A trap: the core met what it never prints (a number that is not whole) or ran out
        // of memory. The desktop program ends there; the page says so and draws no more.
        if (error instanceof WebAssembly.RuntimeError) {
          stopped = new Error(`The number core failed (${error.message}); reload the page.`,
            { cause: error });
        }
        throw stopped ?? error;
      }
    },
  };

  function pressOnce(command, combinationPattern) {
    const name = encoder.encode(String(command));
    const pattern = encoder.encode(String(combinationPattern));
    const input = core.krimvel_input(name.length + pattern.length);
    const bytes = new Uint8Array(memory.buffer, input, name.length + pattern.length);
    bytes.set(name);
    bytes.set(pattern, name.length);
    if (core.krimvel_press(name.length) !== 0) {
      throw new RangeError(`Unknown command '${command}': ${presses.map(({ name }) => name).join(', ')}.`);
    }
    const runs = [];
    for (let i = 0, count = core.krimvel_run_count(); i < count; ++i) {
      runs.push({
        text: viewText(core.krimvel_run_text(i)),
        x: core.krimvel_run_x(i),
        y: core.krimvel_run_y(i),
        width: core.krimvel_run_width(i),
        line: core.krimvel_run_line(i),
      });
    }
    const spoken = [];
    for (let i = 0, count = core.krimvel_spoken_count(); i < count; ++i) {
      spoken.push(viewText(core.krimvel_spoken(i)));
    }
    return { runs, text: viewText(core.krimvel_printed()), spoken };
  }
}

async function instantiate(wasm, imports) {
  const name = wasm instanceof URL || typeof wasm === 'string' ? String(wasm) : wasmName;
  try {
    if (!(wasm instanceof URL) && typeof wasm !== 'string') {
      return await WebAssembly.instantiate(wasm, imports);
    }
    let response;
    try {
      response = await fetch(wasm);
    } catch (error) {
      throw new Error(`Could not fetch ${name}: ${error.message}`, { cause: error });
    }
    if (!response.ok) {
      throw new Error(`Could not load ${name}: HTTP ${response.status} ${response.statusText}`.trim());
    }
    // Compiled while it downloads, where the server says what it is; any other type is
    // compiled once it is all there.
    const type = response.headers.get('Content-Type') ?? '';
    if (typeof WebAssembly.instantiateStreaming === 'function' && type.startsWith('application/wasm')) {
      return await WebAssembly.instantiateStreaming(response, imports);
    }
    return await WebAssembly.instantiate(await response.arrayBuffer(), imports);
  } catch (error) {
    if (error instanceof WebAssembly.CompileError) {
      throw new Error(`${name} is corrupt: ${error.message}`, { cause: error });
    }
    if (error instanceof WebAssembly.LinkError) {
      throw new Error(`${name} does not belong with this core.js: ${error.message}`, { cause: error });
    }
    throw error;
  }
}
