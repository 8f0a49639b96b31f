// The web edition's tests drive WebKit and Firefox through this: one JSON request per line in,
// one answer per line out, {"value": ...}, {"error": "..."}, or {"unsupported": "..."} where the
// engine's driver cannot do what was asked. Usage: node driver.mjs WebKit|Firefox <folder>
//
// Firefox: puppeteer-core over WebDriver BiDi. WebKit: selenium-webdriver and WebKitGTK's
// WebKitWebDriver, which speaks classic WebDriver, with MiniBrowser on a display of its own.
import {spawn} from "node:child_process";
import {existsSync, mkdirSync, readdirSync, writeFileSync} from "node:fs";
import {createServer as createHttpServer} from "node:http";
import {createServer} from "node:net";
import {join} from "node:path";
import {createInterface} from "node:readline";

import puppeteer from "puppeteer-core";
import {Builder, Key, Origin} from "selenium-webdriver";

const [engine, folder] = process.argv.slice(2);
// Only answers go to standard output.
console.log = console.error;

class Unsupported extends Error {}

const kShift = 8;
const kCtrl = 2;
const kAlt = 1;

function firstExisting(paths, what) {
  const found = paths.find((path) => existsSync(path));
  if (!found) throw new Error(`${what} is not installed: none of ${paths.join(", ")}`);
  return found;
}

// Firefox takes its pointer's kind from its preferences: a coarse one, as a phone's or a
// tablet's, needs a browser started so.
const kCoarsePointer = {
  "ui.primaryPointerCapabilities": 1,
  "ui.allPointerCapabilities": 1,
  "dom.w3c_touch_events.enabled": 1,
};

async function firefox() {
  let browser;
  let page;
  let coarse = false;
  let problems = [];
  let requests = [];
  const launch = async () => {
    browser = await puppeteer.launch({
      browser: "firefox",
      executablePath: firstExisting(["/usr/bin/firefox-esr", "/usr/bin/firefox"], "Firefox"),
      headless: true,
      defaultViewport: {width: 800, height: 600},
      extraPrefsFirefox: coarse ? kCoarsePointer : {},
    });
    [page] = await browser.pages();
    page.on("console", (message) => {
      if (["error", "warn", "assert"].includes(message.type())) {
        problems.push(`${message.type()}: ${message.text()}`);
      }
    });
    page.on("pageerror", (error) => problems.push(`exception: ${error.message}`));
    page.on("request", (request) => requests.push(request.url()));
  };
  await launch();
  const modifierKeys = (modifiers) =>
      [[kShift, "Shift"], [kCtrl, "Control"], [kAlt, "Alt"]]
          .filter(([bit]) => modifiers & bit)
          .map(([, name]) => name);
  const holding = async (modifiers, act) => {
    const held = modifierKeys(modifiers);
    for (const name of held) await page.keyboard.down(name);
    await act();
    for (const name of held.reverse()) await page.keyboard.up(name);
  };
  return {
    async navigate({url}) {
      problems = [];
      requests = [];
      await page.goto(url, {waitUntil: "load"});
    },
    evaluate: ({expression}) => page.evaluate(expression),
    click: ({x, y, modifiers}) => holding(modifiers, () => page.mouse.click(x, y)),
    tap: ({x, y}) => page.touchscreen.tap(x, y),
    swipe: () => {
      throw new Unsupported("a finger's drag does not scroll headless Firefox");
    },
    key: ({key, modifiers}) => holding(modifiers, () => page.keyboard.press(key)),
    screenshot: ({file}) => page.screenshot({path: file}),
    async resize({width, height, touch}) {
      if (touch !== coarse) {
        await browser.close();
        coarse = touch;
        await launch();
      }
      await page.setViewport({width, height, isMobile: touch, hasTouch: touch,
                              deviceScaleFactor: touch ? 2 : 1});
    },
    console: () => problems,
    requests: () => requests,
    quit: () => browser.close(),
  };
}

function freePort() {
  return new Promise((resolve, reject) => {
    const server = createServer();
    server.on("error", reject);
    server.listen(0, "127.0.0.1", () => {
      const {port} = server.address();
      server.close(() => resolve(port));
    });
  });
}

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Polls `read` until it gives a true value, which it returns; past `limit` ms, throws with
// `what()`.
async function until(read, what, limit = 20000) {
  const end = Date.now() + limit;
  for (;;) {
    const value = await read();
    if (value) return value;
    if (Date.now() > end) throw new Error(`waited ${limit} ms: ${what()}`);
    await pause(25);
  }
}

// A virtual display of its own, its number as Xvfb gives it.
function startDisplay(children) {
  return new Promise((resolve, reject) => {
    const xvfb = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "1280x1024x24", "-dpi", "96",
                                "-nolisten", "tcp"],
                       {stdio: ["ignore", "ignore", "ignore", "pipe"]});
    children.push(xvfb);
    xvfb.on("error", reject);
    xvfb.stdio[3].on("data", (data) => resolve(`:${String(data).trim()}`));
  });
}

async function webkit() {
  const children = [];
  const miniBrowser = firstExisting(
      readdirSync("/usr/lib").map((dir) => join("/usr/lib", dir, "webkit2gtk-4.1/MiniBrowser")),
      "WebKitGTK's MiniBrowser");
  // MiniBrowser's toolbar would keep its window at least 447 px wide; a style sheet of this
  // session's own shrinks the toolbar's buttons, and leaves the page alone.
  mkdirSync(join(folder, "config/gtk-3.0"), {recursive: true});
  writeFileSync(join(folder, "config/gtk-3.0/gtk.css"),
                "* { font-size: 1px; }\n" +
                "button, entry, toolbar { min-width: 0; min-height: 0; padding: 0; margin: 0;" +
                " border-width: 0; }\n" +
                "image { -gtk-icon-transform: scale(0.1); }\n");
  const env = {
    ...process.env,
    DISPLAY: await startDisplay(children),
    XDG_CONFIG_HOME: join(folder, "config"),
    XDG_DATA_HOME: join(folder, "data"),
    XDG_CACHE_HOME: join(folder, "cache"),
    WEBKIT_DISABLE_COMPOSITING_MODE: "1",
    WEBKIT_DISABLE_DMABUF_RENDERER: "1",
  };
  const port = await freePort();
  children.push(spawn("WebKitWebDriver", [`--port=${port}`], {env, stdio: "ignore"}));
  const server = `http://127.0.0.1:${port}`;
  for (let tries = 0;; ++tries) {
    try {
      if ((await fetch(`${server}/status`)).ok) break;
    } catch (error) {
      if (tries > 200) throw new Error(`WebKitWebDriver did not start: ${error}`);
      await pause(25);
    }
  }
  const driver = await new Builder().usingServer(server).withCapabilities({
    browserName: "MiniBrowser",
    pageLoadStrategy: "normal",
    "webkitgtk:browserOptions": {binary: miniBrowser, args: ["--automation"]},
  }).build();
  const quit = async () => {
    try {
      await driver.quit();
    } finally {
      for (const child of children.reverse()) child.kill();
    }
  };
  // The window's frame as last asked for, and what its border took from it then.
  let frame = null;
  let border = {width: 0, height: 0};
  const names = {
    Tab: Key.TAB, ArrowUp: Key.ARROW_UP, ArrowDown: Key.ARROW_DOWN, ArrowLeft: Key.ARROW_LEFT,
    ArrowRight: Key.ARROW_RIGHT, Home: Key.HOME, End: Key.END, PageUp: Key.PAGE_UP,
    PageDown: Key.PAGE_DOWN, Delete: Key.DELETE, Enter: Key.ENTER,
  };
  const modifierKeys = (modifiers) =>
      [[kShift, Key.SHIFT], [kCtrl, Key.CONTROL], [kAlt, Key.ALT]]
          .filter(([bit]) => modifiers & bit)
          .map(([, key]) => key);
  const holding = (modifiers, act) => {
    const held = modifierKeys(modifiers);
    let actions = driver.actions({async: true});
    for (const key of held) actions = actions.keyDown(key);
    actions = act(actions);
    for (const key of held.reverse()) actions = actions.keyUp(key);
    return actions.perform();
  };
  // Since classic WebDriver reads no console, and MiniBrowser under automation writes none, the
  // page is opened once more in a MiniBrowser of its own that writes its console out. It is
  // served through a relay that tells when the page has been bound: only then, and a second
  // later, does the page ask for its service worker. The engine's warnings about a page come up
  // to a few seconds after its load (a preloaded file left unused, for one), so the console is
  // read for five seconds more.
  const consoleOf = async (url) => {
    const served = [];
    const relay = createHttpServer(async (request, response) => {
      served.push(new URL(request.url, url).pathname);
      try {
        const answer = await fetch(new URL(request.url, url));
        response.writeHead(answer.status, Object.fromEntries(answer.headers));
        response.end(Buffer.from(await answer.arrayBuffer()));
      } catch (error) {
        response.writeHead(502).end(String(error));
      }
    });
    const relayed = await new Promise((resolve) => relay.listen(0, "127.0.0.1", () =>
        resolve(`http://127.0.0.1:${relay.address().port}${new URL(url).pathname}`)));
    const shown = spawn(miniBrowser, ["--enable-write-console-messages-to-stdout=true", relayed],
                        {env: {...env, XDG_DATA_HOME: join(folder, "console-data")},
                         stdio: ["ignore", "pipe", "pipe"]});
    let written = "";
    shown.stdout.on("data", (data) => written += data);
    shown.stderr.on("data", (data) => written += data);
    const ended = new Promise((resolve) => shown.on("close", resolve));
    try {
      await until(() => served.includes("/service-worker.js"),
                  () => `the page was never bound: it asked only for ${served.join(", ")}`,
                  60000);
      await pause(5000);
    } finally {
      shown.kill();
      await ended;
      relay.close();
    }
    return written.split("\n").filter((line) => /CONSOLE ([A-Z]+ )?(ERROR|WARN)/.test(line));
  };
  return {
    navigate: ({url}) => driver.get(url),
    evaluate: ({expression}) => driver.executeScript(`return (${expression});`),
    // The pointer goes straight there: a move takes 100 ms unless told otherwise.
    click: ({x, y, modifiers}) => holding(modifiers, (actions) => actions
        .move({x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT, duration: 0})
        .press().release()),
    tap: () => {
      throw new Unsupported("WebKitWebDriver has no touch: its touch actions arrive as a mouse");
    },
    swipe: () => {
      throw new Unsupported("WebKitWebDriver has no touch: its touch actions arrive as a mouse");
    },
    key: ({key, modifiers}) => holding(modifiers, (actions) => {
      const value = names[key] ?? key;
      return actions.keyDown(value).keyUp(value);
    }),
    screenshot: async ({file}) =>
        writeFileSync(file, Buffer.from(await driver.takeScreenshot(), "base64")),
    async resize({width, height, touch}) {
      if (touch) {
        throw new Unsupported("WebKitWebDriver has no touch: a phone's viewport cannot be " +
                              "emulated, only a window of its size");
      }
      // The window's size is asked for, and the viewport is what its frame leaves. The window
      // manager applies a size a while after it is asked for: the page's size is read once it
      // has moved and held still, and the frame corrected until the page measures what was asked.
      const inner = () => driver.executeScript("return String([innerWidth, innerHeight]);");
      let asked = {width: width + border.width, height: height + border.height};
      let last;
      for (let tries = 0; tries < 5; ++tries) {
        const before = await inner();
        const moves = asked.width !== frame?.width || asked.height !== frame?.height;
        await driver.manage().window().setRect(frame = asked);
        last = undefined;
        const measured = await until(async () => {
          const now = await inner();
          const held = now === last && (!moves || now !== before);
          last = now;
          return held ? now.split(",").map(Number) : pause(100).then(() => false);
        }, () => `the page measured ${last} after its window was asked to be ` +
                 `${asked.width} x ${asked.height}`);
        if (measured[0] === width && measured[1] === height) {
          border = {width: asked.width - width, height: asked.height - height};
          return;
        }
        asked = {width: asked.width + width - measured[0],
                 height: asked.height + height - measured[1]};
      }
      throw new Error(`asked for a page of ${width} x ${height}, it measures ${last}`);
    },
    console: ({url}) => consoleOf(url),
    // What the page fetched, from its own resource timing: this driver has no network events.
    requests: () => driver.executeScript(
        "return [location.href, ...performance.getEntriesByType('resource').map((e) => e.name)];"),
    quit,
  };
}

const browser = await (engine === "Firefox" ? firefox() : engine === "WebKit" ? webkit() : null);
if (!browser) throw new Error(`no driver for ${engine}`);
const requests = createInterface({input: process.stdin});
for await (const line of requests) {
  const request = JSON.parse(line);
  let answer;
  try {
    const value = request.op === "start" ? null : await browser[request.op](request);
    answer = {value: value ?? null};
  } catch (error) {
    answer = error instanceof Unsupported ? {unsupported: `${engine}: ${error.message}`}
                                          : {error: String(error?.stack ?? error)};
  }
  process.stdout.write(`${JSON.stringify(answer)}\n`);
  if (request.op === "quit") break;
}
process.exit(0);
