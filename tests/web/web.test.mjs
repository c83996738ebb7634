// The web version in Debian's chromium and firefox-esr, headless, driven as people drive it:
// clicks, keys, a phone's screen, the network off, a printer. What it prints is compared with
// what the native core prints for the same presses, so a fault in the binding, the generator
// or the page shows as a difference. Run by tests/web/check-web, which builds what it needs.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import puppeteer from 'puppeteer-core';
import { serve } from './serve.mjs';
import { launchWebKit, limits as webkitLimits } from './webkit-browser.mjs';

const webRoot = process.env.KRIMVEL_WEB_DIR;
const coreSequence = process.env.KRIMVEL_CORE_SEQUENCE;
const shots = process.env.KRIMVEL_WEB_SHOTS ?? mkdtempSync(join(tmpdir(), 'krimvel-web-'));
mkdirSync(shots, { recursive: true });
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const wasmPath = '/' + readdirSync(webRoot, { recursive: true }).find((f) => f.endsWith('krimvel-core.wasm'));
const buttonOf = { computer: 'Command1', combination: 'Command3', number: 'Command2' };
const controls = ['Command1', 'Command3', 'Command2', 'SoundRec1'];

// What the native core prints for a sequence of presses: per press the printed text and the
// spoken lines, in English.
function nativePresses(...commands) {
  const output = execFileSync(coreSequence, commands, { encoding: 'utf8' });
  const blocks = output.split(/^## .*\n/m).slice(1);
  assert.equal(blocks.length, commands.length, `core_sequence printed:\n${output}`);
  return blocks.map((block) => {
    const lines = block.replace(/\n$/, '').split('\n');
    const spokenFrom = lines.findIndex((line) => line.startsWith('> '));
    return { text: lines.slice(0, spokenFrom).join('\n'), spoken: lines.slice(spokenFrom).map((l) => l.slice(2)) };
  });
}

// The desktop's translations, which the page's must match.
function translations(script) {
  const ts = readFileSync(new URL(`../../resources/translations/krimvel_sr_${script}.ts`, import.meta.url), 'utf8');
  return Object.fromEntries([...ts.matchAll(/<source>([^<]*)<\/source>\s*<translation>([^<]*)</g)].map((m) => m.slice(1)));
}
const words = { en: new Proxy({}, { get: (_, source) => source }), Latn: translations('Latn'), Cyrl: translations('Cyrl') };

// Runs in the page before its own scripts: reads what it shows, counts the sounds it starts
// whichever way it plays them (an audio element or Web Audio), and turns what its own security
// policy blocks into an uncaught error, which both browsers report.
function instrumentPage() {
  const check = (window.krimvelCheck = { plays: 0 });
  document.addEventListener('securitypolicyviolation', (event) => setTimeout(() => {
    throw new Error(`blocked by the page's policy (${event.violatedDirective}): ${event.blockedURI || event.sample}`);
  }));
  // The live region's lines; one in a language other than its own for a voice (the printed
  // words, without a number, are Serbian; the rest is the page's) says which it has.
  check.shown = () => ({
    // WebKit ends the text with the line break that would part it from what follows.
    text: document.getElementById('printed').innerText.replace(/\n$/, ''),
    spoken: [...document.querySelectorAll('#spoken span')].map((line) => {
      const lang = line.closest('[lang]').lang;
      const own = /[0-9]/.test(line.textContent) ? document.documentElement.lang : 'sr-Latn';
      return lang === own ? line.textContent : `${line.textContent} (lang ${lang})`;
    }),
  });
  // AudioBufferSourceNode has a start of its own, which does not call its parent's.
  for (const [prototype, method] of [[HTMLMediaElement.prototype, 'play'],
    [AudioScheduledSourceNode.prototype, 'start'], [AudioBufferSourceNode.prototype, 'start']]) {
    const original = prototype[method];
    prototype[method] = function (...args) {
      check.plays += 1;
      return original.apply(this, args);
    };
  }
}

let site;
before(async () => { site = await serve(webRoot); });
after(() => site.close());

const browsers = {
  chromium: (language, profile) => puppeteer.launch({
    browser: 'chrome', executablePath: '/usr/bin/chromium', headless: true, protocolTimeout: 30_000,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`, `--lang=${language}`, `--accept-lang=${language}`],
  }),
  'firefox-esr': (language) => puppeteer.launch({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true, protocolTimeout: 30_000,
    extraPrefsFirefox: { 'intl.accept_languages': language },
  }),
  webkit: launchWebKit,
};
// What a browser's automation cannot do, with the reason, for the rows to skip.
const limitsOf = { webkit: webkitLimits };

for (const [browserName, launchBrowser] of Object.entries(browsers)) {
  describe(browserName, () => {
    const cannot = limitsOf[browserName] ?? {};
    const profiles = [];
    const requested = [];
    const pageErrors = [];
    let browser;
    const launch = async (language) => {
      profiles.push(mkdtempSync(join(tmpdir(), 'krimvel-profile-')));
      const began = performance.now();
      const launched = await launchBrowser(language, profiles.at(-1));
      console.log(`${browserName} in ${language} started in ${Math.round(performance.now() - began)} ms`);
      return launched;
    };
    before(async () => { browser = await launch('en-US'); });
    after(async () => {
      await browser?.close();
      for (const profile of profiles) rmSync(profile, { recursive: true, force: true });
    });

    // A new page of the site, loaded and usable; every request and uncaught error recorded.
    async function open(target = browser, viewport = undefined) {
      const page = await target.newPage();
      page.setDefaultTimeout(10_000);
      page.on('request', (request) => requested.push(request.url()));
      page.on('pageerror', (error) => pageErrors.push(error.message));
      await page.evaluateOnNewDocument(instrumentPage);
      if (viewport) await page.setViewport(viewport);
      await page.goto(`${site.origin}/`);
      await page.waitForFunction(() => document.documentElement.dataset.ready === 'true' ||
        document.getElementById('problem')?.textContent.trim())
        .catch(() => assert.fail('the page was neither ready nor showed a problem within 10 s'));
      assert.equal(await page.$eval('#problem', (e) => e.textContent.trim()), '', 'the page shows a problem');
      return page;
    }

    async function expectShown(page, expected, what) {
      await page.waitForFunction((want) => JSON.stringify(window.krimvelCheck.shown()) === want,
        { timeout: 5000 }, JSON.stringify(expected)).catch(() => {});
      assert.deepEqual(await page.evaluate(() => window.krimvelCheck.shown()), expected, what);
    }

    const press = (page, command) => (command === 'instructions' ? page.focus('#SoundRec1') : page.click(`#${buttonOf[command]}`));
    const focusedId = (page) => page.evaluate(() => document.activeElement?.id || document.activeElement?.tagName);

    test('mouse presses print and say exactly what the native core does', async () => {
      const page = await open();
      assert.equal(await page.$eval('#spoken', (e) => e.getAttribute('role')), 'status', 'the live region');
      const sequence = ['computer', 'instructions', 'combination', 'number', 'instructions', 'number',
        'computer', 'combination', 'instructions', 'computer', 'number', 'combination'];
      const expected = nativePresses(...sequence);
      for (const [index, command] of sequence.entries()) {
        await press(page, command);
        await expectShown(page, expected[index], `press ${index + 1} (${command})`);
      }
      await page.screenshot({ path: join(shots, `${browserName}-presses.png`) });
      await page.close();
    });

    test('the keyboard alone: Tab order, Enter and Space on every button, the instructions on focus', async () => {
      const page = await open();
      const order = [await focusedId(page)];
      while (order.at(-1) !== 'SoundRec1' && order.length < 10) {
        await page.keyboard.press('Tab');
        order.push(await focusedId(page));
      }
      assert.deepEqual(order.filter((id) => controls.includes(id)), controls, `Tab went through ${order.join(', ')}`);
      const [instructions] = nativePresses('instructions');
      await expectShown(page, instructions, 'the instructions after Tab reached the loudspeaker');

      await page.keyboard.down('Shift');
      for (let i = 0; i < 3; i++) await page.keyboard.press('Tab');
      await page.keyboard.up('Shift');
      assert.equal(await focusedId(page), 'Command1', 'three Shift+Tab back from the loudspeaker');
      const sequence = ['computer', 'computer', 'combination', 'combination', 'number', 'number', 'instructions'];
      const expected = nativePresses(...sequence);
      for (const [index, command] of sequence.entries()) {
        if (index % 2 === 0 && index > 0) await page.keyboard.press('Tab');
        const key = command === 'instructions' ? 'Tab' : index % 2 ? 'Space' : 'Enter';
        if (key !== 'Tab') await page.keyboard.press(key === 'Space' ? ' ' : key);
        await expectShown(page, expected[index], `${key} to ${buttonOf[command] ?? 'the loudspeaker'} (press ${index + 1})`);
      }

      // Enter, Space and a double-click on the loudspeaker each play its sound once; none prints.
      const played = async (count, how) => {
        await page.waitForFunction((n) => window.krimvelCheck.plays >= n, {}, count).catch(() => {});
        const problem = await page.$eval('#sound-problem', (e) => e.textContent.trim());
        assert.equal(await page.evaluate(() => window.krimvelCheck.plays), count, `${how} on the loudspeaker (sound problem: "${problem}")`);
      };
      await page.keyboard.press('Enter');
      await played(1, 'Enter');
      await page.keyboard.press(' ');
      await played(2, 'Space');
      await page.click('#SoundRec1', { count: 2 });
      await played(3, 'a double-click');
      await expectShown(page, expected.at(-1), 'the instructions while the sound plays');
      await page.close();
    });

    test('axe-core finds no violation at start, after a press and with the instructions', async () => {
      const page = await open();
      await page.evaluate(axeSource);
      const violations = [];
      for (const [state, reach] of [['at start'], ['after KOMPJUTER', 'computer'], ['with the instructions', 'instructions']]) {
        if (reach) await press(page, reach).then(() => page.waitForFunction(() => window.krimvelCheck.shown().spoken.length));
        const found = await page.evaluate(async () => (await window.axe.run(document, { resultTypes: ['violations'], rules: { 'target-size': { enabled: true } } }))
          .violations.map((v) => `${v.id} (${v.help}): ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
        violations.push(...found.map((v) => `${state}: ${v}`));
      }
      assert.deepEqual(violations, []);
      await page.close();
    });

    test('with the network off, a reload after the first visit works and prints', async () => {
      const page = await open();
      await page.waitForFunction(async () => (await navigator.serviceWorker.getRegistration())?.active?.state === 'activated',
        { timeout: 20_000 }).catch(() => assert.fail('no service worker became active within 20 s of the first visit'));
      site.offline = true;
      try {
        await page.reload();
        await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
        await press(page, 'computer');
        await expectShown(page, nativePresses('computer')[0], 'KOMPJUTER offline');
      } finally {
        site.offline = false;
      }
      await page.close();
    });

    test("on a phone's screen the whole window shows, in proportion, with targets of 24 px", async () => {
      const problems = [];
      // Chromium emulates a phone (its viewport meta tag, touch); desktop Firefox takes only the
      // size, as BiDi has no mobile emulation.
      for (const [orientation, width, height] of [['portrait', 360, 640], ['landscape', 740, 360]]) {
        const page = await open(browser, { width, height, deviceScaleFactor: 2, isMobile: true, hasTouch: true, isLandscape: width > height });
        await press(page, 'computer');
        await expectShown(page, nativePresses('computer')[0], `KOMPJUTER in ${orientation}`);
        const layout = await page.evaluate((ids) => {
          const box = (e) => e.getBoundingClientRect().toJSON();
          // The window: the smallest element that holds the printed area and every control.
          let frame = document.getElementById('printed');
          while (!ids.every((id) => frame.contains(document.getElementById(id)))) frame = frame.parentElement;
          return {
            frame: box(frame), scrollWidth: document.scrollingElement.scrollWidth, viewWidth: innerWidth, viewHeight: innerHeight,
            controls: ids.map((id) => ({ id, ...box(document.getElementById(id)) })),
            lines: [...document.getElementById('printed').children].filter((e) => e.textContent.trim()).map(box),
          };
        }, controls);
        await page.screenshot({ path: join(shots, `${browserName}-${orientation}.png`) });
        const at = `${width}x${height}`;
        const inside = (b, o) => b.left >= o.left - 1 && b.top >= o.top - 1 && b.right <= o.right + 1 && b.bottom <= o.bottom + 1;
        const view = { left: 0, top: 0, right: layout.viewWidth, bottom: layout.viewHeight };
        if (!inside(layout.frame, view)) problems.push(`${at}: the window ${JSON.stringify(layout.frame)} is not all on the screen`);
        const ratio = layout.frame.width / layout.frame.height;
        if (Math.abs(ratio / (8295 / 5310) - 1) > 0.02) problems.push(`${at}: the window's proportions are ${ratio.toFixed(3)}, not ${(8295 / 5310).toFixed(3)}`);
        if (layout.scrollWidth > layout.viewWidth) problems.push(`${at}: scrolls sideways (${layout.scrollWidth} px wide)`);
        for (const control of layout.controls) {
          if (control.width < 24 || control.height < 24) problems.push(`${at}: ${control.id} is ${control.width.toFixed(1)}x${control.height.toFixed(1)} px`);
          if (!inside(control, view)) problems.push(`${at}: ${control.id} is off the screen`);
        }
        if (layout.lines.length !== 10 || !layout.lines.every((line) => inside(line, layout.frame))) {
          problems.push(`${at}: the ten printed lines do not all lie in the window: ${JSON.stringify(layout.lines)}`);
        }
        await page.close();
      }
      assert.deepEqual(problems, []);
    });

    for (const [language, script] of [['en-US', 'en'], ['sr-Latn-RS', 'Latn'], ['sr-Cyrl-RS', 'Cyrl']]) {
      test(`the browser's language ${language} gives the page's words in ${script === 'en' ? 'English' : `Serbian (${script})`}`,
        { skip: script === 'Latn' && cannot.latinScript }, async () => {
        const localBrowser = script === 'en' ? browser : await launch(language);
        try {
          const page = await open(localBrowser);
          const tr = words[script];
          const described = await page.evaluate((ids) => ids.map((id) => {
            const e = document.getElementById(id);
            const text = (attribute) => e.getAttribute(attribute)?.split(/\s+/).map((ref) => document.getElementById(ref)?.textContent).join(' ').trim();
            return { name: text('aria-labelledby') || e.getAttribute('aria-label') || e.textContent.trim() || e.title,
              description: text('aria-describedby') || e.getAttribute('aria-description') || e.title };
          }), controls);
          assert.deepEqual(described, [
            { name: 'KOMPJUTER', description: tr['Ten combinations'] },
            { name: 'KOMBINACIJA', description: tr['One combination'] },
            { name: 'BROJ', description: tr['One number'] },
            { name: tr.Loudspeaker, description: tr['Instructions; a double-click plays the recorded sound'] },
          ]);
          assert.match(await page.evaluate(() => document.documentElement.lang), new RegExp(`^${script === 'en' ? 'en' : 'sr'}`));
          const [computer] = nativePresses('computer');
          const pattern = tr['Combination %1: %2'];
          await press(page, 'computer');
          await expectShown(page, { text: computer.text, spoken: computer.spoken.map((line) =>
            line.replace(/^Combination (\d+): (.*)$/, (_, n, numbers) => pattern.replace('%1', n).replace('%2', numbers))) }, 'KOMPJUTER');
        } finally {
          if (localBrowser !== browser) await localBrowser.close();
        }
      });
    }

    test('the printed page holds the printed lines', { skip: cannot.printing }, async () => {
      const page = await open();
      const [computer] = nativePresses('computer');
      await press(page, 'computer');
      await expectShown(page, computer, 'KOMPJUTER');
      const file = join(shots, `${browserName}-printed.pdf`);
      writeFileSync(file, await page.pdf({ format: 'A4' }));
      const squash = (text) => text.replace(/\s+/g, ' ').trim();
      const pdfText = squash(execFileSync('pdftotext', ['-layout', file, '-'], { encoding: 'utf8' }));
      let from = 0;
      for (const line of computer.text.split('\n').map(squash).filter(Boolean)) {
        const found = pdfText.indexOf(line, from);
        assert.ok(found >= 0, `"${line}" is not on the printed page after position ${from}: ${pdfText}`);
        from = found + line.length;
      }
      await page.close();
    });

    test('a missing or corrupt core is said in #problem, not shown as a blank page', async () => {
      for (const fault of ['missing', 'corrupt']) {
        // A context of its own: no service worker there holds a good copy.
        const context = await browser.createBrowserContext();
        site.broken.set(wasmPath, fault);
        try {
          const page = await context.newPage();
          page.on('request', (request) => requested.push(request.url()));
          page.on('pageerror', (error) => pageErrors.push(`${fault} core: ${error.message}`));
          await page.goto(`${site.origin}/`);
          await page.waitForFunction(() => document.getElementById('problem')?.textContent.trim(), { timeout: 10_000 })
            .catch(() => assert.fail(`${fault} ${wasmPath}: nothing in #problem`));
          const state = await page.evaluate(() => ({
            visible: document.getElementById('problem').checkVisibility(), ready: document.documentElement.dataset.ready === 'true',
          }));
          assert.deepEqual(state, { visible: true, ready: false }, `${fault} ${wasmPath}`);
        } finally {
          site.broken.clear();
          await context.close();
        }
      }
    });

    test('every request stays on the page\'s own origin; no cookie, no uncaught error', async () => {
      assert.ok(requested.some((url) => url.endsWith('.wasm')), 'the requests were not seen');
      assert.deepEqual(requested.filter((url) => !url.startsWith(`${site.origin}/`) && !/^(data|blob):/.test(url)), []);
      assert.deepEqual(await browser.cookies(), []);
      assert.deepEqual(pageErrors, []);
    });
  });
}
