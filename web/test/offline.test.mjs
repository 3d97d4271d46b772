// Offline: the served folder reloads with its server gone; the single file
// works from disk, a secure context there.
import assert from "node:assert/strict";
import path from "node:path";
import { after, before, test } from "node:test";
import { launch, openPage, serve, singleFile, web } from "./harness.mjs";

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser?.close(); });

test("after a first visit the page reloads with the server stopped", async () => {
  const server = await serve(path.join(web, "site"));
  const page = await openPage(browser, server.url);
  await page.evaluate(async () => { await navigator.serviceWorker.ready; });
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 10000 }).catch(async () => {
    await page.reload();
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 10000 });
  });
  await server.stop();
  await page.reload();
  await page.waitForFunction(() => document.documentElement.dataset.ready === "1", { timeout: 15000 });
  assert.ok((await page.evaluate(() => window.zenbelts.arc())).length > 10);
  assert.ok(await page.evaluate(() => document.querySelector("link[rel=manifest]") !== null));
  await page.close();
});

test("the single file from disk", async () => {
  const page = await openPage(browser, singleFile());
  assert.equal(await page.evaluate(() => window.isSecureContext), true);
  assert.equal(await page.evaluate(() => [...document.scripts].filter((s) => s.src).length), 0);
  assert.ok((await page.evaluate(() => window.zenbelts.arc())).length > 10);
  assert.deepEqual(page.errors, []);
  await page.close();
});
