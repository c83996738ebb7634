// The web version in Debian's chromium and firefox-esr and in WebKitGTK, driven as people drive it:
// clicks, keys, a phone's screen, the network off, a new version, a printer. What it prints and
// says is compared with what the desktop window prints and announces for the same presses, so
// a fault in the binding, the generator, the press table or the page shows as a difference.
// Run by tests/web/check-web, which builds what it needs.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, statSync, symlinkSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test as nodeTest } from 'node:test';
import { PNG } from 'pngjs';
import puppeteer from 'puppeteer-core';
import { serve } from './serve.mjs';
import { launchWebKit, limits as webkitLimits } from './webkit-browser.mjs';

const webRoot = process.env.KRIMVEL_WEB_DIR;
// The same sources built as a new version, with one line of index.html changed (check-web).
const nextRoot = process.env.KRIMVEL_WEB_NEXT_DIR;
const windowSequence = process.env.KRIMVEL_WINDOW_SEQUENCE;
const shots = process.env.KRIMVEL_WEB_SHOTS ?? mkdtempSync(join(tmpdir(), 'krimvel-web-'));
mkdirSync(shots, { recursive: true });
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const wasmPath = '/' + readdirSync(webRoot, { recursive: true }).find((f) => f.endsWith('krimvel-core.wasm'));
const buttonOf = { computer: 'Command1', combination: 'Command3', number: 'Command2' };
// Preferred languages as a list: the first is the page's, as the desktop takes the locale's.
const english = 'en-US,sr-Latn-RS';
const controls = ['Command1', 'Command3', 'Command2', 'SoundRec1'];
const soundProblem = 'The recorded sound could not be loaded: it is loaded the first time it plays, which needs a connection.';

// What the desktop window shows and announces after the same presses made on it: per press
// the printed text and the announced lines, in English or in a translation (sr_Latn, sr_Cyrl).
function desktopPresses(commands, translation) {
  const output = execFileSync(windowSequence, [...(translation ? ['--language', translation] : []), ...commands], { encoding: 'utf8', stdio: 'pipe' });
  const blocks = output.split(/^## .*\n/m).slice(1);
  assert.equal(blocks.length, commands.length, `window_sequence printed:\n${output}`);
  return blocks.map((block) => {
    const lines = block.replace(/\n$/, '').split('\n');
    const spokenFrom = lines.findIndex((line) => line.startsWith('> '));
    return { text: lines.slice(0, spokenFrom).join('\n'), spoken: lines.slice(spokenFrom).map((l) => l.slice(2)) };
  });
}
// KOMPJUTER pressed first, which most rows start with.
const [computer] = desktopPresses(['computer']);

// The desktop's translations, which the page's must match.
function translations(script) {
  const ts = readFileSync(new URL(`../../resources/translations/krimvel_sr_${script}.ts`, import.meta.url), 'utf8');
  return Object.fromEntries([...ts.matchAll(/<source>([^<]*)<\/source>\s*<translation>([^<]*)</g)].map((m) => m.slice(1)));
}
const words = { en: new Proxy({}, { get: (_, source) => source }), Latn: translations('Latn'), Cyrl: translations('Cyrl') };

// Runs in the page before its own scripts: reads what it shows, counts the sounds it starts
// whichever way it plays them (an audio element or Web Audio) and keeps those still sounding
// until they end or are stopped, keeps the promise of its service worker's registration, and
// turns what its own security policy blocks into an uncaught error, which browsers report.
function instrumentPage() {
  const check = (window.krimvelCheck = { plays: 0, sounding: new Set() });
  document.addEventListener('securitypolicyviolation', (event) => setTimeout(() => {
    throw new Error(`blocked by the page's policy (${event.violatedDirective}): ${event.blockedURI || event.sample}`);
  }));
  // Only secure contexts have it: not the blank page that a new tab opens with.
  const register = window.ServiceWorkerContainer?.prototype.register;
  if (register) ServiceWorkerContainer.prototype.register = function (...args) { return (check.registered = register.apply(this, args)); };
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
  for (const [prototype, start, stop] of [[HTMLMediaElement.prototype, 'play', 'pause'],
    [AudioScheduledSourceNode.prototype, 'start', 'stop'], [AudioBufferSourceNode.prototype, 'start', 'stop']]) {
    const [started, stopped] = [prototype[start], prototype[stop]];
    prototype[start] = function (...args) {
      check.plays += 1;
      check.sounding.add(this);
      this.addEventListener('ended', () => check.sounding.delete(this));
      return started.apply(this, args);
    };
    prototype[stop] = function (...args) {
      check.sounding.delete(this);
      return stopped.apply(this, args);
    };
  }
}

// How thick the ring is that the focus draws on a control, in CSS pixels: the pixels of its box
// that change by a contrast of 3:1 or more when it gets the focus (as WCAG measures a focus
// indicator), taken as a frame of even thickness around them. Focused first, so that whatever
// else its focus shows is in both pictures.
async function focusRingWidth(page, selector, elsewhere) {
  const box = await page.$eval(selector, (e) => ({ ...e.getBoundingClientRect().toJSON(), scale: devicePixelRatio }));
  const shots = [];
  for (const [target, shoot] of [[selector, false], [elsewhere, true], [selector, true]]) {
    await page.focus(target);
    if (shoot) shots.push(PNG.sync.read(Buffer.from(await page.screenshot())));
  }
  const luminance = ({ data }, i) => [0.2126, 0.7152, 0.0722].reduce((sum, weight, channel) => {
    const c = data[i + channel] / 255;
    return sum + weight * (c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4);
  }, 0);
  let area = 0;
  const seen = { left: Infinity, top: Infinity, right: -Infinity, bottom: -Infinity };
  for (let y = Math.floor(box.top * box.scale); y < Math.ceil(box.bottom * box.scale); y++) {
    for (let x = Math.floor(box.left * box.scale); x < Math.ceil(box.right * box.scale); x++) {
      const [a, b] = shots.map((shot) => luminance(shot, 4 * (y * shot.width + x)));
      if ((Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05) >= 3) {
        area++;
        Object.assign(seen, { left: Math.min(seen.left, x), top: Math.min(seen.top, y), right: Math.max(seen.right, x), bottom: Math.max(seen.bottom, y) });
      }
    }
  }
  // A frame t thick around a w by h rectangle covers 2t(w + h) - 4t².
  const sides = (seen.right - seen.left + 1 + seen.bottom - seen.top + 1) / box.scale;
  return area && (sides - Math.sqrt(sides ** 2 - 4 * area / box.scale ** 2)) / 4;
}

// A new folder that holds a link to a folder at each path in it.
const folders = [];
function folderWith(links) {
  folders.push(mkdtempSync(join(tmpdir(), 'krimvel-site-')));
  for (const [path, to] of Object.entries(links)) symlinkSync(to, join(folders.at(-1), path.replace(/\/$/, '')));
  return folders.at(-1);
}

let site;
before(async () => { site = await serve(webRoot); });
after(() => {
  for (const folder of folders) rmSync(folder, { recursive: true, force: true });
  return site.close();
});

const browsers = {
  chromium: (language, profile) => puppeteer.launch({
    browser: 'chrome', executablePath: '/usr/bin/chromium', headless: true, protocolTimeout: 30_000,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`, `--lang=${language.split(',')[0]}`, `--accept-lang=${language}`],
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
    // Named with the browser: the report's closing list of failed rows gives their names alone.
    const test = (name, ...rest) => nodeTest(`${browserName}: ${name}`, ...rest);
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
    before(async () => { browser = await launch(english); });
    after(async () => {
      await browser?.close();
      for (const profile of profiles) rmSync(profile, { recursive: true, force: true });
    });

    // A new page of the site, loaded and usable (or showing a problem, where one is looked
    // for); every request and uncaught error recorded.
    async function open({ target = browser, viewport, url = `${site.origin}/`, problem = false } = {}) {
      const page = await target.newPage();
      page.setDefaultTimeout(10_000);
      page.on('request', (request) => requested.push(request.url()));
      page.on('pageerror', (error) => pageErrors.push(error.message));
      await page.evaluateOnNewDocument(instrumentPage);
      if (viewport) await page.setViewport(viewport);
      await page.goto(url);
      // A page that never gets there is closed, so that the next row (WebKit shows one page at
      // a time) fails only for its own faults; a busy machine may take WebKit past 10 s.
      await page.waitForFunction(() => document.documentElement.dataset.ready === 'true' ||
        document.getElementById('problem')?.textContent.trim(), { timeout: 20_000 })
        .catch(async () => {
          await page.close();
          assert.fail('the page was neither ready nor showed a problem within 20 s');
        });
      if (!problem) assert.equal(await page.$eval('#problem', (e) => e.textContent.trim()), '', 'the page shows a problem');
      return page;
    }

    async function expectShown(page, expected, what) {
      await page.waitForFunction((want) => JSON.stringify(window.krimvelCheck.shown()) === want,
        { timeout: 5000 }, JSON.stringify(expected)).catch(() => {});
      assert.deepEqual(await page.evaluate(() => window.krimvelCheck.shown()), expected, what);
    }

    // The loudspeaker's sound started `count` times in this page, never over itself, with no
    // problem said.
    async function played(page, count, how) {
      await page.waitForFunction((n) => window.krimvelCheck.plays >= n, {}, count).catch(() => {});
      const state = await page.evaluate(() => ({ plays: window.krimvelCheck.plays, overlapping: window.krimvelCheck.sounding.size > 1,
        problem: document.getElementById('sound-problem').textContent.trim() }));
      assert.deepEqual(state, { plays: count, overlapping: false, problem: '' }, how);
    }
    const workerActive = (page) => page.waitForFunction(async () => (await navigator.serviceWorker.getRegistration())?.active?.state === 'activated' &&
      navigator.serviceWorker.controller !== null, { timeout: 20_000 }).catch(() => assert.fail('no service worker controlled the page within 20 s of the first visit'));

    const press = (page, command) => (command === 'instructions' ? page.focus('#SoundRec1') : page.click(`#${buttonOf[command]}`));
    const pressComputer = (page, what) => press(page, 'computer').then(() => expectShown(page, computer, what));
    const focusedId = (page) => page.evaluate(() => document.activeElement?.id || document.activeElement?.tagName);

    test('mouse presses print and say exactly what the native core does; axe-core finds no violation at start, after KOMPJUTER and with the instructions', async () => {
      const page = await open();
      assert.equal(await page.$eval('#spoken', (e) => e.getAttribute('role')), 'status', 'the live region');
      await page.evaluate(axeSource);
      const violations = async (state) => (await page.evaluate(async () => (await window.axe.run(document, { resultTypes: ['violations'], rules: { 'target-size': { enabled: true } } }))
        .violations.map((v) => `${v.id} (${v.help}): ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`))).map((v) => `${state}: ${v}`);
      const found = await violations('at start');
      const sequence = ['computer', 'instructions', 'combination', 'number', 'instructions', 'number',
        'computer', 'combination', 'instructions', 'computer', 'number', 'combination'];
      const expected = desktopPresses(sequence);
      for (const [index, command] of sequence.entries()) {
        await press(page, command);
        await expectShown(page, expected[index], `press ${index + 1} (${command})`);
        if (index < 2) found.push(...await violations(`after press ${index + 1} (${command})`));
      }
      assert.deepEqual(found, [], 'axe-core');
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
      const [instructions] = desktopPresses(['instructions']);
      await expectShown(page, instructions, 'the instructions after Tab reached the loudspeaker');

      await page.keyboard.down('Shift');
      for (let i = 0; i < 3; i++) await page.keyboard.press('Tab');
      await page.keyboard.up('Shift');
      assert.equal(await focusedId(page), 'Command1', 'three Shift+Tab back from the loudspeaker');
      const sequence = ['computer', 'computer', 'combination', 'combination', 'number', 'number', 'instructions'];
      const expected = desktopPresses(sequence);
      for (const [index, command] of sequence.entries()) {
        if (index % 2 === 0 && index > 0) await page.keyboard.press('Tab');
        const key = command === 'instructions' ? 'Tab' : index % 2 ? 'Space' : 'Enter';
        if (key !== 'Tab') await page.keyboard.press(key === 'Space' ? ' ' : key);
        await expectShown(page, expected[index], `${key} to ${buttonOf[command] ?? 'the loudspeaker'} (press ${index + 1})`);
      }

      // Enter, Space and a double-click on the loudspeaker each play its sound once, as on the
      // desktop; a single click plays nothing; none prints. A click's sound would start before
      // the click returns: the sound is loaded by then.
      let plays = 0;
      for (const [how, act, more] of [['Enter', () => page.keyboard.press('Enter'), 1], ['Space', () => page.keyboard.press(' '), 1],
        ['a single click', () => page.click('#SoundRec1'), 0], ['a double-click', () => page.click('#SoundRec1', { count: 2 }), 1]]) {
        await act();
        await played(page, plays += more, `${how} on the loudspeaker`);
      }
      await expectShown(page, expected.at(-1), 'the instructions while the sound plays');
      await page.close();
    });

    // Two copies on one host keep their own files: neither's new version deletes the other's.
    for (const paths of [[''], ['a/', 'b/']]) {
      test(`with the network off, a visit after the first prints and plays the sound played online (${paths.length} copies)`, async () => {
        const host = paths.length > 1 ? await serve(folderWith(Object.fromEntries(paths.map((path) => [path, webRoot])))) : site;
        try {
          for (const visit of ['online', 'offline']) {
            host.offline = visit === 'offline';
            for (const path of paths) {
              const page = await open({ url: `${host.origin}/${path}` });
              if (visit === 'online') {
                await workerActive(page);
              } else {
                await pressComputer(page, `/${path}: KOMPJUTER offline`);
              }
              await page.click('#SoundRec1', { count: 2 });
              await played(page, 1, `/${path}: a double-click ${visit}`);
              await page.evaluate(() => window.krimvelCheck.registered);
              assert.equal(await page.$eval('#offline-note', (e) => e.textContent), '', `/${path}: the online-only note, with a service worker`);
              await page.close();
            }
          }
        } finally {
          host.offline = false;
          if (host !== site) await host.close();
        }
      });
    }

    test('a new version, checked as it installs, waits for its user, then loads whole in every tab, with the sound kept before', async (t) => {
      const host = await serve(webRoot);
      const line = (page) => page.$eval('#new-version', (e) => (e.hidden ? '' : e.innerText.replace(/\s+/g, ' ').trim()));
      const version = (page) => page.evaluate(() => document.querySelector('meta[name=version]')?.content ?? 'first');
      // As when the page is shown again, every 2 s (an update asked for while one ends joins
      // that one): it asks for a new version, and says how its install ended.
      const installed = (page) => page.evaluate(async () => {
        const registration = await navigator.serviceWorker.getRegistration();
        const ask = () => registration.installing || (document.dispatchEvent(new Event('visibilitychange')), setTimeout(ask, 2000));
        return new Promise((resolve) => {
          setTimeout(() => resolve('no new version within 20 s'), 20_000);
          registration.addEventListener('updatefound', () => registration.installing.addEventListener('statechange',
            ({ target: { state } }) => ['installed', 'redundant'].includes(state) && resolve(state)), { once: true });
          ask();
        });
      });
      const offered = async (page, words, what) => assert.equal(await page.waitForFunction((want) => document.getElementById('new-version')
        .innerText.replace(/\s+/g, ' ').trim() === want, { timeout: 20_000 }, words).then(() => words, () => line(page)), words, what);
      try {
        const page = await open({ url: `${host.origin}/` });
        await workerActive(page);
        // The sound is checked as it is fetched on first use: a corrupt one is not kept.
        host.broken.set('/sound/loudspeaker.mp3', 'corrupt');
        await page.click('#SoundRec1', { count: 2 });
        await page.waitForFunction(() => document.getElementById('sound-problem').textContent, { timeout: 10_000 }).catch(() => {});
        assert.equal(await page.$eval('#sound-problem', (e) => e.textContent), soundProblem, 'a corrupt sound');
        host.broken.clear();
        // A key: two more clicks so soon would count as a third and a fourth.
        await page.keyboard.press('Enter');
        await played(page, 1, 'Enter on the loudspeaker online');
        await pressComputer(page, 'KOMPJUTER');
        assert.equal(await line(page), '', 'a new version offered on the first visit');

        host.root = nextRoot;
        // A file of the new version that does not match its digest fails its install.
        host.broken.set('/index.html', 'corrupt');
        assert.equal(await installed(page), 'redundant', 'the new version with a corrupt index.html');
        host.broken.clear();
        assert.equal(await installed(page), 'installed', 'the new version');
        // A second tab, of the old version, opened while the new one waits.
        const tabs = cannot.tabs ? [page] : [page, await open({ url: `${host.origin}/` })];
        if (cannot.tabs) t.diagnostic(`one tab only: ${cannot.tabs}`);
        for (const tab of tabs.slice(1)) await pressComputer(tab, 'KOMPJUTER in the second tab');
        // A tab in the background is hidden: it draws no frames.
        const front = (tab) => tab.bringToFront?.() ?? null;
        const offer = 'A new version is ready: loading it clears the numbers shown. Load the new version';
        for (const [index, tab] of tabs.entries()) {
          await front(tab);
          await offered(tab, offer, `tab ${index + 1}`);
          await expectShown(tab, computer, `tab ${index + 1}: the numbers, kept while the new version waits`);
          assert.equal(await version(tab), 'first', `tab ${index + 1}: the old version changed without a press`);
        }
        await front(page);
        await page.screenshot({ path: join(shots, `${browserName}-new-version.png`) });
        // A reload keeps the old version, which offers the waiting one again as it starts.
        await page.reload();
        await offered(page, offer, 'after a reload');
        assert.equal(await version(page), 'first', 'the old version changed with a reload');
        await Promise.all([page.waitForNavigation(), page.click('#new-version button')]);
        await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
        assert.deepEqual([await version(page), await line(page)], ['next', ''], 'the tab whose user chose');
        // The other tab keeps its numbers and says that it must be loaded again, which its button does.
        for (const tab of tabs.slice(1)) {
          await front(tab);
          await offered(tab, 'A new version was loaded in another tab: load this page again to use it, which clears the numbers shown. Load the page again', 'the other tab');
          await expectShown(tab, computer, 'the other tab: its numbers, kept');
          await Promise.all([tab.waitForNavigation(), tab.click('#new-version button')]);
          await tab.waitForFunction(() => document.documentElement.dataset.ready === 'true');
          assert.deepEqual([await version(tab), await line(tab)], ['next', ''], 'the other tab, loaded again');
        }

        // Kept: the new version's files, each once and as built, and the sound.
        await front(page);
        const kept = await page.evaluate(async () => {
          const digest = async (key) => btoa(String.fromCharCode(...new Uint8Array(await crypto.subtle.digest('SHA-256', await (await caches.match(key)).arrayBuffer()))));
          const keys = (await Promise.all((await caches.keys()).map(async (name) => (await caches.open(name)).keys()))).flat();
          return (await Promise.all(keys.map(async (key) => [new URL(key.url).pathname.slice(1), await digest(key)]))).sort();
        });
        const built = readdirSync(nextRoot, { recursive: true }).filter((path) => !/^(sw\.js|robots\.txt|fonts\/.*\.txt)$/.test(path) && statSync(join(nextRoot, path)).isFile())
          .map((path) => [path, createHash('sha256').update(readFileSync(join(nextRoot, path))).digest('base64')]).sort();
        assert.deepEqual(kept, built);
        host.offline = true;
        await page.click('#SoundRec1', { count: 2 });
        await played(page, 1, 'a double-click offline, in the new version');
        for (const tab of tabs) await tab.close();
        // Firefox tells the page's console of the corrupt sound that the worker refused, which the
        // page said in its line.
        pageErrors.splice(0, Infinity, ...pageErrors.filter((error) => !/loudspeaker\.mp3.*respondWith\(\) that rejected/.test(error)));
      } finally {
        await host.close();
      }
    });

    test("on a phone's screen and at the window's own size the whole window shows, in proportion, with targets of 24 px and focus rings of 2 px", async () => {
      const problems = [];
      // Chromium emulates a phone (its viewport meta tag, touch); desktop Firefox takes only the
      // size, as BiDi has no mobile emulation.
      for (const [orientation, width, height] of [['portrait', 360, 640], ['landscape', 740, 360], ['own-size', 553, 354]]) {
        const phone = orientation !== 'own-size';
        const page = await open({ viewport: { width, height, deviceScaleFactor: 2, isMobile: phone, hasTouch: phone, isLandscape: width > height } });
        await pressComputer(page, `KOMPJUTER in ${orientation}`);
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
        // On the loudspeaker's white face alone: its picture's dark strokes do not change under the
        // ring. 2 px, less what rounding takes.
        await page.$eval('#SoundRec1 img', (e) => { e.style.objectPosition = '999px'; });
        const ring = await focusRingWidth(page, '#SoundRec1', '#Command1');
        if (ring < 1.99) problems.push(`${at}: the loudspeaker's focus ring is ${ring.toFixed(2)} px thick`);
        await page.close();
      }
      assert.deepEqual(problems, []);
    });

    for (const [language, script] of [[english, 'en'], ['sr-Latn-RS,en-US', 'Latn'], ['sr-Cyrl-RS,en-US', 'Cyrl']]) {
      test(`the browser's languages ${language} give the page's words in ${script === 'en' ? 'English' : `Serbian (${script})`}`,
        { skip: script === 'Latn' && cannot.latinScript }, async () => {
        const localBrowser = script === 'en' ? browser : await launch(language);
        try {
          const page = await open({ target: localBrowser });
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
          await press(page, 'computer');
          await expectShown(page, script === 'en' ? computer : desktopPresses(['computer'], `sr_${script}`)[0], 'KOMPJUTER');
        } finally {
          if (localBrowser !== browser) await localBrowser.close();
        }
      });
    }

    test('the printed page holds the printed lines under the name and the time they were printed', { skip: cannot.printing }, async () => {
      const page = await open();
      await pressComputer(page, 'KOMPJUTER');
      const file = join(shots, `${browserName}-printed.pdf`);
      const began = Date.now();
      writeFileSync(file, await page.pdf({ format: 'A4' }));
      // The moment of printing, written as the page's language writes a date and a time of day.
      const printedAt = await page.$eval('#printed-at', (e) => ({ shown: e.textContent, at: Date.parse(e.dateTime),
        written: new Date(e.dateTime).toLocaleString(document.documentElement.lang, { year: '2-digit', month: 'numeric', day: 'numeric', hour: 'numeric', minute: '2-digit' }) }));
      assert.deepEqual({ shown: printedAt.shown, whilePrinting: printedAt.at >= began && printedAt.at <= Date.now() },
        { shown: printedAt.written, whilePrinting: true }, `printed at ${new Date(printedAt.at).toISOString()}`);
      const squash = (text) => text.replace(/\s+/g, ' ').trim();
      const pdfText = squash(execFileSync('pdftotext', ['-layout', file, '-'], { encoding: 'utf8' }));
      let from = 0;
      const heading = squash(`KRIMVEL ${printedAt.shown}`);
      for (const line of [heading, ...computer.text.split('\n').map(squash).filter(Boolean)]) {
        const found = pdfText.indexOf(line, from);
        assert.ok(found >= 0, `"${line}" is not on the printed page after position ${from}: ${pdfText}`);
        from = found + line.length;
      }
      await page.close();
    });

    test('what fails is said in the window, not left as a blank page or a silent press', async () => {
      for (const [what, file, fault, act, line, says, ready] of [
        ['a missing core', wasmPath, 'missing', null, '#problem', 'krimvel-core.wasm', false],
        ['a corrupt core', wasmPath, 'corrupt', null, '#problem', 'krimvel-core.wasm', false],
        ['a missing sound', '/sound/loudspeaker.mp3', 'missing', (page) => page.click('#SoundRec1', { count: 2 }), '#sound-problem', soundProblem, true],
        ['a press that throws', null, null, async (page) => {
          // A call that the browser itself refuses: what a function of the test's own throws counts
          // as another origin's error, which the page is never told of.
          await page.evaluate(() => { CSSStyleDeclaration.prototype.setProperty = Node.prototype.appendChild; });
          await page.click('#Command1');
        }, '#problem', 'KRIMVEL ran into a problem: ', true],
        ['a measurement that throws once', null, null, async (page) => {
          // Once only, as a canvas failing for a moment: the throw left the core's press half done,
          // so the core stops, and the next press prints nothing either.
          await page.evaluate(() => {
            const { measureText } = CanvasRenderingContext2D.prototype;
            CanvasRenderingContext2D.prototype.measureText = function () {
              CanvasRenderingContext2D.prototype.measureText = measureText;
              throw new Error('no canvas');
            };
          });
          for (const button of ['#Command1', '#Command3']) await page.click(button);
          assert.equal(await page.$eval('#printed', (e) => e.textContent), '', 'printed after the core stopped');
        }, '#problem', 'The number core failed (no canvas); reload the page.', true],
      ]) {
        // A context of its own: no service worker there holds a good copy.
        const context = await browser.createBrowserContext();
        const errorsBefore = pageErrors.length;
        if (file) site.broken.set(file, fault);
        try {
          const page = await open({ target: context, problem: true });
          if (act) await act(page);
          await page.waitForFunction((selector) => document.querySelector(selector)?.textContent.trim(), { timeout: 10_000 }, line)
            .catch(() => assert.fail(`${what}: nothing in ${line}`));
          const state = await page.$eval(line, (e, text) => ({ visible: e.checkVisibility(), says: e.textContent.includes(text) ? text : e.textContent,
            ready: document.documentElement.dataset.ready === 'true' }), says);
          assert.deepEqual(state, { visible: true, says, ready }, what);
        } finally {
          site.broken.clear();
          await context.close();
          // Its own throw, which the page reports as it should.
          if (what === 'a press that throws') pageErrors.length = errorsBefore;
        }
      }
    });

    test('in forced colours (high contrast) the focused button has an outline that stands out from its face', { skip: browserName !== 'chromium' && 'only Chromium emulates forced colours' }, async () => {
      const page = await open();
      // Through the protocol: puppeteer knows no such media feature.
      await (await page.createCDPSession()).send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' }] });
      await page.focus('#Command3');
      await page.screenshot({ path: join(shots, `${browserName}-forced-colours.png`) });
      // As the system's colours paint them; a border alone changes only from black to dark blue.
      const [focused, unfocused] = await page.evaluate(() => ['Command3', 'Command1'].map((id) => {
        const style = getComputedStyle(document.getElementById(id));
        const [r, g, b, a = 1] = style.outlineColor.match(/[\d.]+/g).map(Number);
        const face = style.backgroundColor.match(/[\d.]+/g).map(Number);
        return { outline: style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) >= 2 && a >= 0.5, standsOut: Math.hypot(r - face[0], g - face[1], b - face[2]) > 150 };
      }));
      assert.deepEqual({ focused, unfocused: unfocused.outline }, { focused: { outline: true, standsOut: true }, unfocused: false });
      await page.close();
    });

    test('every request stays on the page\'s own host; no cookie, no uncaught error', async () => {
      assert.ok(requested.some((url) => url.endsWith('.wasm')), 'the requests were not seen');
      // Every server here is on 127.0.0.1, each at a port of its own.
      assert.deepEqual(requested.filter((url) => !url.startsWith('http://127.0.0.1:') && !/^(data|blob):/.test(url)), []);
      assert.deepEqual(await browser.cookies(), []);
      assert.deepEqual(pageErrors, []);
    });
  });
}
