// The WebAssembly core's answer to a sequence of presses, in core_sequence's format, measured
// with the same fixed widths as the native tests: ctest compares the two byte for byte. With no
// command it only loads the core, as the build does to learn that core.js supplies every import.
//   node sequence.mjs KRIMVEL-CORE.WASM [--runs] [COMMAND...]
import { readFile } from 'node:fs/promises';
import { loadCore } from './core.js';

// As tests/support/FixedMeasure.h: every character as wide as a digit of the print font.
const charWidth = 180;
const line = 360;
const measure = { textWidth: (text) => charWidth * text.length, lineHeight: () => line };

const [wasmFile, ...words] = process.argv.slice(2);
const withRuns = words.includes('--runs');
const commands = words.filter((word) => word !== '--runs');
if (!wasmFile) {
  console.error('usage: node sequence.mjs KRIMVEL-CORE.WASM [--runs] [COMMAND...]');
  process.exit(2);
}

try {
  const core = await loadCore({ measure, wasm: await readFile(wasmFile) });
  const out = [];
  for (const command of commands) {
    const { runs, text, spoken } = core.press(command, 'Combination %1: %2');
    out.push(`## ${command}`, text);
    if (withRuns) {
      for (const run of runs) {
        out.push(`@ ${run.x} ${run.y} ${run.width} ${run.line} "${run.text}"`);
      }
    }
    out.push(...spoken.map((said) => `> ${said}`));
  }
  process.stdout.write(out.map((line) => `${line}\n`).join(''));
} catch (error) {
  console.error(`sequence.mjs: ${error.message}`);
  process.exit(error instanceof RangeError ? 2 : 1);
}
