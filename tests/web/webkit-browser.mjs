// WebKit, the engine of Safari and of every browser on an iPhone, as WebKitGTK's MiniBrowser
// driven over W3C WebDriver (WebKitWebDriver), dressed as the part of puppeteer's Browser and
// Page that web.test.mjs uses, so that the same rows run there. WebDriver classic has no
// script before the page's own, no network events and no print, so: scripts given to
// evaluateOnNewDocument run once each page has loaded; the requests come from the page's
// resource timing and its uncaught errors from listeners, both read before it goes away; and
// what cannot be done at all is in `limits`, for the rows to skip with its reason.
import { spawn, execFileSync } from 'node:child_process';
import { mkdirSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { join } from 'node:path';

const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const keys = { Tab: '\uE004', Enter: '\uE007', Shift: '\uE008' };
const defaultViewport = { width: 800, height: 600 };
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export const limits = {
  printing: 'WebKitWebDriver has no print command, and a page cannot print itself to a file',
  latinScript: "WebKitGTK gives a page the locale's language and country only: sr_RS@latin reaches it as sr-RS",
};

// MiniBrowser's toolbar keeps its window at least 447 px wide; drawn this small it lets the
// page be as narrow as a phone.
const narrowToolbar = '* { min-width: 0; min-height: 0; padding: 0; margin: 0; border-width: 0; font-size: 1px; -gtk-icon-transform: scale(0.1); }';

// Runs in the page after it loads: keeps its uncaught errors for the page's 'pageerror'.
function keepErrors() {
  const errors = (window.webdriverErrors ??= []);
  addEventListener('error', (event) => errors.push(event.message));
  addEventListener('unhandledrejection', (event) => errors.push(String(event.reason?.message ?? event.reason)));
}

const freePort = () => new Promise((resolve, reject) => {
  const server = createServer().once('error', reject).listen(0, '127.0.0.1', () => {
    const { port } = server.address();
    server.close(() => resolve(port));
  });
});

// The browser in the first language of a list of BCP 47 tags (en-US,sr-Latn-RS), which
// WebKitGTK takes from the locale, the one language a page then hears of: that locale is
// compiled into the profile, as a new machine has only C.
export async function launchWebKit(language, profile) {
  if (!process.env.DISPLAY) throw new Error('WebKit needs an X display: tests/web/check-web starts one');
  const [, lang, script, country] = language.split(',')[0].match(/^([a-z]+)(?:-([A-Z][a-z]{3}))?(?:-([A-Z]{2}))?$/);
  const locale = `${lang}_${country}.UTF-8${script === 'Latn' ? '@latin' : ''}`;
  mkdirSync(join(profile, 'locales'), { recursive: true });
  execFileSync('localedef', ['-i', `${lang}_${country}${script === 'Latn' ? '@latin' : ''}`, '-f', 'UTF-8', join(profile, 'locales', locale)]);
  mkdirSync(join(profile, 'gtk-3.0'), { recursive: true });
  writeFileSync(join(profile, 'gtk-3.0', 'gtk.css'), narrowToolbar);
  return startBrowser({ ...process.env, LOCPATH: join(profile, 'locales'), LC_ALL: locale, XDG_CONFIG_HOME: profile });
}

async function startBrowser(env) {
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], { env, stdio: ['ignore', 'ignore', 'pipe'] });
  process.once('exit', () => driver.kill());
  let said = '';
  driver.stderr.on('data', (data) => { said = (said + data).slice(-2000); });
  const command = async (method, path, body) => {
    const response = await fetch(`http://127.0.0.1:${port}${path}`, {
      method, headers: { 'Content-Type': 'application/json' }, body: body && JSON.stringify(body), signal: AbortSignal.timeout(30_000),
    });
    const { value } = await response.json();
    if (value?.error) throw new Error(`WebKit: ${value.error}: ${value.message}`);
    return value;
  };
  let session;
  try {
    for (let tries = 0; !(await command('GET', '/status').catch(() => null))?.ready; tries++) {
      if (tries === 100 || driver.exitCode !== null) throw new Error('WebKitWebDriver did not start within 10 s');
      await sleep(100);
    }
    session = await command('POST', '/session', {
      capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] } } },
    });
  } catch (error) {
    driver.kill();
    throw new Error(`${error.message}; it said: ${said}`);
  }
  const base = `/session/${session.sessionId}`;
  // Pages are windows opened from the first one, which stays open to the end: a tab that is
  // not the one shown takes no pointer input.
  const home = await command('GET', `${base}/window`);
  let current = home;
  const browser = {
    pages: new Set(),
    cookies: [],
    // A command to one page's window.
    command: async (handle, method, path, body) => {
      if (handle !== current) await command('POST', `${base}/window`, { handle });
      current = handle;
      return command(method, `${base}${path}`, body);
    },
  };
  return {
    async newPage() {
      const { handle } = await browser.command(home, 'POST', '/window/new', { type: 'window' });
      const page = new Page(browser, handle);
      browser.pages.add(page);
      await page.setViewport(defaultViewport);
      return page;
    },
    // A context with storage of its own is a browser of its own.
    createBrowserContext: () => startBrowser(env),
    // WebDriver reads a page's cookies only while it is open: each page's are kept as it closes.
    cookies: async () => browser.cookies,
    async close() {
      for (const page of browser.pages) await page.close().catch(() => {});
      await command('DELETE', base).catch(() => {});
      driver.kill();
    },
  };
}

class Page {
  #browser;
  #handle;
  #timeout = 30_000;
  #onLoad = [keepErrors];
  #listeners = { request: [], pageerror: [] };

  constructor(browser, handle) {
    this.#browser = browser;
    this.#handle = handle;
  }

  #command(method, path, body) {
    return this.#browser.command(this.#handle, method, path, body);
  }

  setDefaultTimeout(ms) { this.#timeout = ms; }
  on(event, listener) { this.#listeners[event].push(listener); }

  async evaluateOnNewDocument(script) {
    this.#onLoad.push(script);
  }

  // A string is run as a script; a function with its arguments, its promise awaited.
  evaluate(script, ...args) {
    const body = typeof script === 'string' ? script : `return (${script}).apply(null, arguments)`;
    return this.#command('POST', '/execute/sync', { script: body, args });
  }

  $eval(selector, script, ...args) {
    return this.evaluate(`const found = document.querySelector(arguments[0]);
      if (!found) throw new Error('nothing matches ' + arguments[0]);
      return (${script})(found, ...[...arguments].slice(1))`, selector, ...args);
  }

  async waitForFunction(predicate, options = {}, ...args) {
    const deadline = performance.now() + (options.timeout ?? this.#timeout);
    for (;;) {
      const value = await this.evaluate(predicate, ...args);
      if (value) return value;
      if (performance.now() > deadline) throw new Error(`waiting for ${predicate} failed: ${options.timeout ?? this.#timeout} ms exceeded`);
      await sleep(50);
    }
  }

  waitForSelector(selector, { visible = false, timeout } = {}) {
    return this.waitForFunction((wanted, shown) => {
      const found = document.querySelector(wanted);
      return found !== null && (!shown || found.checkVisibility());
    }, { timeout }, selector, visible);
  }

  // Called, as with puppeteer, before what makes the page go on to a new document: marks the
  // document it leaves, then waits for one without the mark, which gets the scripts of
  // evaluateOnNewDocument. While the page changes, a script may fail to run: it is tried again.
  async waitForNavigation({ timeout = this.#timeout } = {}) {
    await this.#leave({ marked: true });
    const deadline = performance.now() + timeout;
    while (!(await this.evaluate(() => !window.webdriverLeft && document.readyState === 'complete').catch(() => false))) {
      if (performance.now() > deadline) throw new Error(`no new document within ${timeout} ms`);
      await sleep(50);
    }
    await this.#loaded();
  }

  async goto(url) {
    await this.#leave();
    await this.#command('POST', '/url', { url });
    await this.#loaded();
  }

  async reload() {
    await this.#leave();
    await this.#command('POST', '/refresh', {});
    await this.#loaded();
  }

  async #loaded() {
    for (const script of this.#onLoad) await this.evaluate(script);
  }

  // What the page did before it goes: its requests and its uncaught errors, told to the
  // listeners as puppeteer tells them while they happen.
  async #leave({ marked = false } = {}) {
    const { requests, errors } = await this.evaluate((mark) => {
      if (mark) window.webdriverLeft = true;
      return {
        requests: location.protocol.startsWith('http')
          ? [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')].map((entry) => entry.name) : [],
        errors: window.webdriverErrors ?? [],
      };
    }, marked);
    for (const url of requests) this.#listeners.request.forEach((listener) => listener({ url: () => url }));
    for (const message of errors) this.#listeners.pageerror.forEach((listener) => listener(new Error(message)));
  }

  // The window is sized so that the page gets the size asked for: MiniBrowser's toolbar
  // takes its share, which only the page's own size tells.
  async setViewport({ width, height }) {
    let size = { width, height };
    for (let tries = 0; ; tries++) {
      await this.#command('POST', '/window/rect', size);
      // The window manager and GTK resize in turn, after the command has answered: the page
      // is given a moment to take its new size.
      const view = await this.waitForFunction((w, h) => (innerWidth === w && innerHeight === h) || null,
        { timeout: 1000 }, width, height).then(() => ({ width, height }))
        .catch(() => this.evaluate(() => ({ width: innerWidth, height: innerHeight })));
      if (view.width === width && view.height === height) return;
      if (tries === 2) throw new Error(`WebKit's page is ${view.width}x${view.height}, not the ${width}x${height} asked for`);
      const outer = await this.#command('GET', '/window/rect');
      size = { width: outer.width + width - view.width, height: outer.height + height - view.height };
    }
  }

  async click(selector, { count = 1 } = {}) {
    const { x, y } = await this.$eval(selector, (target) => {
      target.scrollIntoView({ block: 'nearest' });
      const box = target.getBoundingClientRect();
      return { x: Math.round(box.left + box.width / 2), y: Math.round(box.top + box.height / 2) };
    });
    const presses = Array.from({ length: count }, () => [{ type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }]);
    await this.#actions({ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' },
      actions: [{ type: 'pointerMove', x, y, origin: 'viewport' }, ...presses.flat()] });
  }

  focus(selector) {
    return this.$eval(selector, (target) => target.focus());
  }

  // The keys held down stay down between calls, as WebDriver keeps its input state.
  keyboard = {
    down: (key) => this.#actions({ type: 'key', id: 'keyboard', actions: [{ type: 'keyDown', value: keys[key] ?? key }] }),
    up: (key) => this.#actions({ type: 'key', id: 'keyboard', actions: [{ type: 'keyUp', value: keys[key] ?? key }] }),
    press: async (key) => {
      await this.keyboard.down(key);
      await this.keyboard.up(key);
    },
  };

  #actions(source) {
    return this.#command('POST', '/actions', { actions: [source] });
  }

  // After two frames, so that the picture is of what the page shows now: WebKit gives the
  // last one drawn.
  async screenshot({ path }) {
    await this.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(drawn))));
    writeFileSync(path, Buffer.from(await this.#command('GET', '/screenshot'), 'base64'));
  }

  async close() {
    this.#browser.pages.delete(this);
    await this.#leave();
    this.#browser.cookies.push(...await this.#command('GET', '/cookie'));
    await this.#command('DELETE', '/window');
  }
}
