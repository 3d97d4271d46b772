// What the browser tests share: the tool and the page's builds, a server on
// the loopback, chromium driven by puppeteer-core, and comparisons.
import { execFileSync, spawnSync } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import puppeteer from "puppeteer-core";

const root = path.resolve(path.dirname(new URL(import.meta.url).pathname), "../..");
export const build = process.env.ZENBELTS_BUILD || path.join(root, "build");
export const web = process.env.ZENBELTS_WEB || path.join(build, "web");
export const cli = path.join(build, "bin", "zenbelts-cli");
export const primitivesTool = path.join(build, "bin", "zenbelts_plot_primitives");
export const receivers = path.join(root, "tests", "core", "data", "receivers");

export function tempDir() {
  return fs.mkdtempSync(path.join(os.tmpdir(), "zenbelts-web-"));
}

// The tool: stdout, or the refusal's line.
export function tool(...args) {
  const r = spawnSync(cli, args, { encoding: "utf8" });
  return { status: r.status, out: r.stdout, err: r.stderr.trim() };
}
export function toolOut(...args) {
  const r = tool(...args);
  if (r.status !== 0) throw new Error(`zenbelts-cli ${args.join(" ")}: ${r.err}`);
  return r.out;
}
export function primitives(file, width, height, list) {
  return JSON.parse(execFileSync(primitivesTool, [file, String(width), String(height), ...(list ? [list] : [])],
    { encoding: "utf8" }));
}

// The static folder on 127.0.0.1, stoppable.
export async function serve(folder) {
  const types = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".wasm": "application/wasm",
    ".svg": "image/svg+xml", ".webmanifest": "application/manifest+json" };
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, "http://x").pathname).replace(/\/$/, "/index.html");
    const file = path.join(folder, path.normalize(name));
    if (!file.startsWith(folder) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      res.writeHead(404).end();
      return;
    }
    res.writeHead(200, { "content-type": types[path.extname(file)] || "application/octet-stream", "cache-control": "no-cache" });
    fs.createReadStream(file).pipe(res);
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const sockets = new Set();
  server.on("connection", (s) => { sockets.add(s); s.on("close", () => sockets.delete(s)); });
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    stop: () => new Promise((resolve) => { for (const s of sockets) s.destroy(); server.close(resolve); }),
  };
}

export async function launch(language = "en") {
  const profile = tempDir();
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    userDataDir: profile,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
      "--disable-component-update", "--disable-sync", `--lang=${language}`],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => { await close(); fs.rmSync(profile, { recursive: true, force: true }); };
  return browser;
}

// A page of the single file or the served folder, ready to be driven.
export async function openPage(browser, url, { width = 390, height = 844, scale = 1, before } = {}) {
  const page = await browser.newPage();
  const errors = [];
  page.on("pageerror", (e) => errors.push(e.message));
  page.errors = errors;
  await page.setViewport({ width, height, deviceScaleFactor: scale });
  if (before) await page.evaluateOnNewDocument(before);
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.ready === "1", { timeout: 15000 });
  return page;
}

export const singleFile = () => "file://" + path.join(web, "zenbelts-field.html");

// Two documents alike: every key, string, boolean and null the same, every
// number equal to the last few bits (the two builds' math libraries may
// round a sine's last bit apart; the digits printed are the same code's).
export function sameDocument(a, b, where = "") {
  if (typeof a === "number" && typeof b === "number") {
    if (Number.isInteger(a) && Number.isInteger(b) && Math.abs(a) > 1e6) return a === b ? null : where;
    return Math.abs(a - b) <= 1e-9 * Math.max(1, Math.abs(a)) ? null : `${where}: ${a} against ${b}`;
  }
  if (Array.isArray(a) !== Array.isArray(b) || typeof a !== typeof b || (a === null) !== (b === null))
    return `${where}: ${JSON.stringify(a)} against ${JSON.stringify(b)}`;
  if (a === null || typeof a !== "object") return a === b ? null : `${where}: ${JSON.stringify(a)} against ${JSON.stringify(b)}`;
  const keys = Array.isArray(a) ? [...a.keys()] : Object.keys(a);
  const other = Array.isArray(b) ? [...b.keys()] : Object.keys(b);
  if (keys.join() !== other.join()) return `${where}: keys ${keys} against ${other}`;
  for (const k of keys) {
    const d = sameDocument(a[k], b[k], `${where}/${k}`);
    if (d) return d;
  }
  return null;
}
