// WebKit, the engine of Safari and of every browser on an iPhone, as WebKitGTK's MiniBrowser
// driven over W3C WebDriver (WebKitWebDriver, through selenium-webdriver), dressed as the part of
// puppeteer's Browser and Page that web.test.mjs uses, so that the same rows run there.
// WebDriver classic has no script before the page's own, no network events and no print, so:
// scripts given to evaluateOnNewDocument run once each page has loaded; the requests come from
// the page's resource timing and its uncaught errors from listeners, both read before it goes
// away; and what cannot be done at all is in `limits`, for the rows to skip with its reason.
import { execFileSync } from 'node:child_process';
import { closeSync, mkdirSync, openSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { setTimeout as sleep } from 'node:timers/promises';
import { Builder, By, Key } from 'selenium-webdriver';
import { DriverService } from 'selenium-webdriver/remote/index.js';

const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const defaultViewport = { width: 800, height: 600 };

export const limits = {
  printing: 'WebKitWebDriver has no print command, and a page cannot print itself to a file',
  latinScript: "WebKitGTK gives a page the locale's language and country only: sr_RS@latin reaches it as sr-RS",
  tabs: 'WebKit here shows one page at a time, in the browser\'s one window',
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
  return startBrowser({ ...process.env, LOCPATH: join(profile, 'locales'), LC_ALL: locale, XDG_CONFIG_HOME: profile }, profile);
}

async function startBrowser(env, profile) {
  // What the driver and the browser say goes to a file, for the message if they cannot start.
  const log = openSync(join(profile, 'webkit.log'), 'a');
  const service = new DriverService.Builder('WebKitWebDriver').setHostname('127.0.0.1').setEnvironment(env)
    .setStdio(['ignore', 'ignore', log]).build();
  const driver = await service.start(10_000).then((url) => new Builder().usingServer(url).withCapabilities({
    browserName: 'MiniBrowser', 'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] },
  }).build()).catch(async (error) => {
    await service.kill();
    throw new Error(`WebKit did not start: ${error.message}; it said: ${readFileSync(join(profile, 'webkit.log'), 'utf8').slice(-2000)}`);
  }).finally(() => closeSync(log));
  // WebKit shows the focus (:focus, document.hasFocus()) only in the focused window, and with
  // no window manager X focuses the window under the pointer: it rests where the window is.
  execFileSync('xdotool', ['mousemove', '1', '1']);
  const browser = {
    page: null,
    cookies: [],
    // selenium-webdriver waits for an answer without a limit of its own.
    run: (commands) => Promise.race([commands(driver),
      sleep(30_000, null, { ref: false }).then(() => { throw new Error('WebKit did not answer within 30 s'); })]),
  };
  return {
    // One page at a time, in the browser's one window: a window that is not the one shown
    // takes no pointer input.
    async newPage() {
      if (browser.page) throw new Error('WebKit here shows one page at a time: close the last one first');
      browser.page = new Page(browser, driver);
      await browser.page.setViewport(defaultViewport);
      return browser.page;
    },
    // A context with storage of its own is a browser of its own.
    createBrowserContext: () => startBrowser(env, profile),
    // WebDriver reads a page's cookies only while it is open: each page's are kept as it closes.
    cookies: async () => browser.cookies,
    async close() {
      await browser.page?.close().catch(() => {});
      await driver.quit().catch(() => {});
      await service.kill();
    },
  };
}

class Page {
  #browser;
  #driver;
  #timeout = 30_000;
  #onLoad = [keepErrors];
  #listeners = { request: [], pageerror: [] };

  constructor(browser, driver) {
    this.#browser = browser;
    this.#driver = driver;
  }

  setDefaultTimeout(ms) { this.#timeout = ms; }
  on(event, listener) { this.#listeners[event].push(listener); }

  async evaluateOnNewDocument(script) { this.#onLoad.push(script); }

  // A string is run as a script; a function with its arguments, its promise awaited.
  evaluate(script, ...args) {
    return this.#browser.run((driver) => driver.executeScript(script, ...args));
  }

  $eval(selector, script, ...args) {
    return this.evaluate(`const found = document.querySelector(arguments[0]);
      if (!found) throw new Error('nothing matches ' + arguments[0]);
      return (${script})(found, ...[...arguments].slice(1))`, selector, ...args);
  }

  waitForFunction(predicate, { timeout = this.#timeout } = {}, ...args) {
    return this.#driver.wait(() => this.evaluate(predicate, ...args), timeout, `waiting for ${predicate} failed: ${timeout} ms exceeded`, 50);
  }

  // Called, as with puppeteer, before what makes the page go on to a new document: marks the
  // document it leaves, then waits for one without the mark, which gets the scripts of
  // evaluateOnNewDocument. While the page changes, a script may fail to run: it is tried again.
  async waitForNavigation({ timeout = this.#timeout } = {}) {
    await this.#leave({ marked: true });
    await this.#driver.wait(() => this.evaluate(() => !window.webdriverLeft && document.readyState === 'complete').catch(() => false),
      timeout, `no new document within ${timeout} ms`, 50);
    await this.#loaded();
  }

  goto(url) { return this.#go((driver) => driver.get(url)); }
  reload() { return this.#go((driver) => driver.navigate().refresh()); }

  async #go(navigate) {
    await this.#leave();
    await this.#browser.run(navigate);
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
  // takes its share, which only the page's own size tells. The window manager and GTK resize
  // in turn, after the command has answered: the page is given a moment to take its new size.
  async setViewport({ width, height }) {
    for (let tries = 0, size = { width, height }; ; tries++) {
      await this.#browser.run((driver) => driver.manage().window().setRect(size));
      const view = await this.waitForFunction((w, h) => innerWidth === w && innerHeight === h, { timeout: 1000 }, width, height)
        .then(() => null, () => this.evaluate(() => ({ width: innerWidth, height: innerHeight })));
      if (!view) return;
      if (tries === 2) throw new Error(`WebKit's page is ${view.width}x${view.height}, not the ${width}x${height} asked for`);
      const outer = await this.#browser.run((driver) => driver.manage().window().getRect());
      size = { width: outer.width + width - view.width, height: outer.height + height - view.height };
    }
  }

  click(selector, { count = 1 } = {}) {
    return this.#browser.run(async (driver) => {
      // WebKit's own word for a missing element is empty.
      const target = await driver.findElement(By.css(selector)).catch(() => { throw new Error(`nothing matches ${selector}`); });
      const actions = driver.actions().move({ origin: target });
      for (let i = 0; i < count; i++) actions.press().release();
      await actions.perform();
    });
  }

  focus(selector) {
    return this.$eval(selector, (target) => target.focus());
  }

  // The keys held down stay down between calls, as WebDriver keeps its input state.
  keyboard = {
    down: (key) => this.#browser.run((driver) => driver.actions().keyDown(Key[key.toUpperCase()] ?? key).perform()),
    up: (key) => this.#browser.run((driver) => driver.actions().keyUp(Key[key.toUpperCase()] ?? key).perform()),
    press: (key) => this.#browser.run((driver) => driver.actions().sendKeys(Key[key.toUpperCase()] ?? key).perform()),
  };

  // After two frames, so that the picture is of what the page shows now: WebKit gives the
  // last one drawn.
  async screenshot({ path } = {}) {
    await this.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(drawn))));
    const png = Buffer.from(await this.#browser.run((driver) => driver.takeScreenshot()), 'base64');
    if (path) writeFileSync(path, png);
    return png;
  }

  // The window stays, blank, for the next page.
  async close() {
    this.#browser.page = null;
    await this.#leave();
    this.#browser.cookies.push(...await this.#browser.run((driver) => driver.manage().getCookies()));
    await this.#browser.run((driver) => driver.get('about:blank'));
  }
}
