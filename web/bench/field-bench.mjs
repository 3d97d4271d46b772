// The field page's budget, measured in chromium: the whole page compressed,
// the time from navigation to a page that answers, and one slider step (the
// set-up changed, the plot drawn, the table of misses laid out) with the
// shipped list. Prints one line a measure; budgets are not asserted here.
import fs from "node:fs";
import path from "node:path";
import zlib from "node:zlib";
import { launch, openPage, serve, singleFile, web } from "../test/harness.mjs";

const gz = (file) => zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length;
const site = path.join(web, "site");
let total = 0;
for (const name of fs.readdirSync(site)) total += gz(path.join(site, name));
console.log(`size: site/ ${Math.round(total / 1024)} KiB gzip, zenbelts-field.html ${Math.round(gz(path.join(web, "zenbelts-field.html")) / 1024)} KiB gzip`);

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const p95 = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length * 0.95)];
const browser = await launch();
const server = await serve(site);
for (const [what, url] of [["single file", singleFile()], ["served folder", server.url]]) {
  const times = [];
  for (let i = 0; i < 7; ++i) {
    const page = await openPage(browser, url);
    times.push(await page.evaluate(() => self.zenbeltsReadyAt));
    await page.close();
  }
  console.log(`interactive after load (${what}): median ${median(times).toFixed(0)} ms, worst ${Math.max(...times).toFixed(0)} ms`);
}
for (const [width, height, scale] of [[390, 844, 3], [1280, 800, 1]]) {
  const page = await openPage(browser, singleFile(), { width, height, scale });
  const steps = await page.evaluate(() => {
    const slider = document.querySelector(".adj[data-name=poleEW] input[type=range]");
    const out = [];
    for (let i = 0; i < 200; ++i) {
      slider.value = String(-50 + (i % 100));
      const t0 = performance.now();
      slider.dispatchEvent(new Event("input"));
      out.push(performance.now() - t0);
    }
    return out;
  });
  console.log(`slider step at ${width}x${height}@${scale}x: median ${median(steps).toFixed(2)} ms, p95 ${p95(steps).toFixed(2)} ms (a 60 Hz frame: 16.7 ms)`);
  await page.close();
}
await server.stop();
await browser.close();
