// Measures the web version served from 127.0.0.1 in Debian's chromium: Lighthouse's four
// scores and first contentful paint with its mobile emulation, the bytes a first visit takes
// before the first press, and the time from a press to the frame that shows what it printed.
// Prints figures beside their goals; asserts nothing. Run by bench/web/run-web-benchmarks.
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import lighthouse from 'lighthouse';
import puppeteer from 'puppeteer-core';
import { serve } from '../../tests/web/serve.mjs';

const webRoot = process.env.KRIMVEL_WEB_DIR;
const lighthouseRuns = Number(process.env.LIGHTHOUSE_RUNS ?? 5);
const presses = Number(process.env.PRESSES ?? 300);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;

const site = await serve(webRoot);
const url = `${site.origin}/`;
const profile = mkdtempSync(join(tmpdir(), 'krimvel-bench-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true, protocolTimeout: 60_000,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    `--user-data-dir=${profile}`],
});
const ready = (page) => page.waitForFunction(() => document.documentElement.dataset.ready === 'true', { timeout: 20_000 });

try {
  console.log(`== Lighthouse ${JSON.parse(readFileSync(new URL('node_modules/lighthouse/package.json', import.meta.url))).version}, ` +
    `${await browser.version()}, mobile emulation, median of ${lighthouseRuns} runs`);
  const categories = ['performance', 'accessibility', 'best-practices', 'seo'];
  const runs = [];
  for (let run = 0; run < lighthouseRuns; run++) {
    // Each run in a context of its own: a first visit, with nothing cached.
    const context = await browser.createBrowserContext();
    const { lhr } = await lighthouse(url, { logLevel: 'error', onlyCategories: categories }, undefined, await context.newPage());
    await context.close();
    runs.push(lhr);
  }
  for (const category of categories) {
    const scores = runs.map((lhr) => Math.round(lhr.categories[category].score * 100));
    const goal = category === 'performance' ? 95 : 100;
    console.log(`${runs[0].categories[category].title.padEnd(16)} ${String(median(scores)).padStart(4)}   ` +
      `(runs: ${scores.join(' ')}; goal >= ${goal})`);
    if (median(scores) < goal) {
      const failing = Object.values(runs[0].audits).filter((audit) => audit.score !== null && audit.score < 1 &&
        runs[0].categories[category].auditRefs.some((ref) => ref.id === audit.id && ref.weight > 0));
      for (const audit of failing) console.log(`    ${audit.id}: ${audit.title}${audit.displayValue ? ` (${audit.displayValue})` : ''}`);
    }
  }
  const fcp = runs.map((lhr) => lhr.audits['first-contentful-paint'].numericValue);
  console.log(`First Contentful Paint ${Math.round(median(fcp))} ms (simulated slow 4G, 4x CPU slowdown; runs: ${fcp.map(Math.round).join(' ')})`);

  console.log('== the first visit, up to the first press (the sound excluded)');
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  site.sent.length = 0;
  await page.goto(url);
  await ready(page);
  await page.waitForFunction(async () => (await navigator.serviceWorker.getRegistration())?.active?.state === 'activated',
    { timeout: 20_000 }).catch(() => console.log('(no service worker became active within 20 s)'));
  // The service worker's own downloads count too; they reach the server, not the page.
  await page.waitForNetworkIdle({ idleTime: 500, timeout: 20_000 });
  const visit = site.sent.filter((file) => !file.type.startsWith('audio/'));
  const gzip = (file) => gzipSync(readFileSync(join(webRoot, file.path)), { level: 9 }).length;
  for (const file of visit) console.log(`  ${file.path.padEnd(40)} ${String(file.bytes).padStart(8)} B   gzip ${String(gzip(file)).padStart(8)} B`);
  const total = visit.reduce((sum, file) => sum + file.bytes, 0);
  const totalGzip = visit.reduce((sum, file) => sum + gzip(file), 0);
  // A file fetched again by the service worker is sent again here, where nothing is cached over
  // HTTP; a host whose caching headers let the browser keep the first copy sends it once.
  const once = [...new Map(visit.map((file) => [file.path, file])).values()];
  console.log(`transfer: ${kib(total)} as served here (${visit.length} requests), ${kib(totalGzip)} if gzipped; ` +
    `each file once: ${kib(once.reduce((sum, file) => sum + file.bytes, 0))}, ` +
    `${kib(once.reduce((sum, file) => sum + gzip(file), 0))} if gzipped (goal <= 200 KB)`);

  console.log(`== a press to its frame (${presses} presses, the three buttons in turn, 10 untimed first)`);
  await page.evaluate(() => {
    // The click's own time stamp is when the input reached the page, before any handler ran.
    window.addEventListener('click', (event) => { window.benchClickAt = event.timeStamp; }, { capture: true });
  });
  const buttons = ['Command1', 'Command3', 'Command2'];
  const timings = Object.fromEntries(buttons.map((id) => [id, { updated: [], frame: [] }]));
  for (let press = -10; press < presses; press++) {
    const id = buttons[(press + 30) % 3];
    await page.evaluate(() => {
      window.benchTiming = new Promise((resolve) => {
        const observer = new MutationObserver(() => {
          observer.disconnect();
          const updated = performance.now();
          requestAnimationFrame(() => resolve({ updated: updated - window.benchClickAt, frame: performance.now() - window.benchClickAt }));
        });
        observer.observe(document.getElementById('printed'), { childList: true, subtree: true, characterData: true });
      });
    });
    await page.click(`#${id}`);
    const timing = await page.evaluate(() => window.benchTiming);
    if (press >= 0) for (const key of ['updated', 'frame']) timings[id][key].push(timing[key]);
  }
  const ms = (values) => `median ${median(values).toFixed(1)} ms, worst ${Math.max(...values).toFixed(1)} ms`;
  for (const id of buttons) {
    console.log(`${id}: printed DOM updated ${ms(timings[id].updated)}; next frame ${ms(timings[id].frame)}`);
  }
  const all = buttons.flatMap((id) => timings[id].frame);
  console.log(`press to frame: ${ms(all)} (goal < 16 ms, one frame)`);
} finally {
  await browser.close();
  await site.close();
  rmSync(profile, { recursive: true, force: true });
}
