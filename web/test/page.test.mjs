// The page as a person uses it: the plot the tool would draw, a fit typed in,
// the phone's sensors, the languages, the screen of a phone.
import assert from "node:assert/strict";
import fs from "node:fs";
import path from "node:path";
import { after, before, describe, test } from "node:test";
import { launch, openPage, primitives, sameDocument, singleFile, tempDir, toolOut, web } from "./harness.mjs";

const work = tempDir();
const file = (name) => path.join(work, name);
toolOut("new", "--lat", "3000", "--lon", "-600", "-o", file("home.zb"));
toolOut("set", file("home.zb"), "lockSatellites=1", "horizon=1400:0,1450:300,1550:300,1600:0", "-o", file("locked.zb"));

let browser;
before(async () => { browser = await launch(); });
after(async () => {
  await browser?.close();
  fs.rmSync(work, { recursive: true, force: true });
});

async function pageWith(name, options) {
  const page = await openPage(browser, singleFile(), options);
  await page.evaluate((b, n) => window.zenbelts.open(new Uint8Array(b), null, { name: n }), [...fs.readFileSync(file(name))], name);
  return page;
}

test("the plot is the tool's render, primitive for primitive", async () => {
  for (const [name, width, height] of [["home.zb", 1000, 900], ["locked.zb", 700, 800], ["home.zb", 390, 844]]) {
    const page = await pageWith(name, { width, height });
    const drawn = await page.evaluate(() => window.zenbelts.drawing());
    const expected = primitives(file(name), drawn.width, drawn.height);
    assert.ok(expected.some((p) => p[0] === "text") && expected.some((p) => p[0] === "arc"));
    assert.equal(sameDocument(drawn.primitives, expected), null, `${name} at ${drawn.width}x${drawn.height}`);
    await page.close();
  }
});

test("a site typed in starts the set-up zenbelts-cli new makes there", async () => {
  const page = await openPage(browser, singleFile());
  await page.click("#new-site");
  await page.type("#site-lat", "50.5N");
  await page.type("#site-lon", "10,25 W");
  await page.$eval("#site-alt", (e) => { e.value = "120"; });
  await page.click("#site-form button[type=submit]");
  toolOut("new", "--lat", "3030", "--lon", "-615", "--alt", "120", "-o", file("typed.zb"));
  assert.deepEqual(Buffer.from(await page.evaluate(() => [...window.zenbelts.save()])), fs.readFileSync(file("typed.zb")));
  assert.equal(await page.$eval("#site-form", (f) => f.hidden), true);
  // A latitude beyond the pole is refused in words, the set-up kept.
  await page.click("#new-site");
  await page.$eval("#site-lat", (e) => { e.value = "95N"; });
  await page.click("#site-form button[type=submit]");
  assert.equal(await page.$eval("#message", (m) => m.textContent), "The latitude lies from 90°S to 90°N");
  assert.deepEqual(Buffer.from(await page.evaluate(() => [...window.zenbelts.save()])), fs.readFileSync(file("typed.zb")));
  await page.close();
});

test("a fit typed into the field assistant is the tool's diagnosis", async () => {
  const page = await pageWith("home.zb");
  const rows = [["3300", "21.9W", "-1,2"], ["3550", "5.7E", "-0.9"], ["130", "25.6", ""], ["192", "32.3", "-0.5"], ["390", "53.6E", "-0.2"]];
  await page.click("[data-tab=assistant]");
  for (let i = 1; i < rows.length; ++i) await page.click("#add-row");
  const lines = await page.$$("#observations tr:not(.head)");
  for (const [i, [position, motor, offset]] of rows.entries()) {
    await lines[i].$eval("select", (s, p) => { s.value = p; }, position);
    const [m, o] = await lines[i].$$("input");
    await m.type(motor);
    await o.type(offset);
  }
  await page.click("#fit");
  const csv = "position,motorAngle,offset\n30.0W,-21.9,-1.2\n5.0W,5.7,-0.9\n13.0E,25.6,\n19.2E,32.3,-0.5\n39.0E,53.6,-0.2\n";
  fs.writeFileSync(file("seen.csv"), csv);
  const expected = JSON.parse(toolOut("diagnose", file("home.zb"), file("seen.csv"), "--json"));
  const advice = await page.$$eval("#report li", (items) => items.map((li) => li.textContent));
  assert.deepEqual(advice, expected.advice);
  assert.equal(sameDocument(await page.evaluate((c) => window.zenbelts.diagnose(c), csv), expected), null);
  assert.equal(await page.$eval("#fitted-plots", (e) => e.hidden), false);
  assert.deepEqual(page.errors, []);
  await page.close();
});

describe("the phone's sensors", () => {
  const orientation = (beta, gamma) => window.dispatchEvent(new DeviceOrientationEvent("deviceorientation", { alpha: 0, beta, gamma }));
  const text = (page, id) => page.$eval(id, (e) => e.textContent.replace(/[\u2066-\u2069]/g, ""));

  test("the inclinometer follows the phone and zeroes on a level surface", async () => {
    const page = await pageWith("home.zb");
    await page.click("[data-tab=dish]");
    await page.click("#sensors");
    await page.waitForFunction(() => document.getElementById("sensor-state").textContent !== "");
    // Top raised 30: the edge reads 30 up, the screen's normal 60 up.
    await page.evaluate(orientation, 30, 0);
    assert.equal(await text(page, "#tilt-edge"), "30.0°");
    assert.equal(await text(page, "#tilt-face"), "+60.0");
    // Upright on the dish's face, rolled 20: the face looks up asin(cos 60 cos 20).
    await page.evaluate(orientation, 60, 20);
    assert.equal(await text(page, "#tilt-face"), "+28.0");
    // A phone that reads 2 up and 1 across when level: zeroed there, a true
    // 30 degree rise reads 30.
    await page.evaluate(orientation, 2, -1);
    await page.click("#zero");
    await page.evaluate(orientation, 32, -1);
    assert.equal(await text(page, "#tilt-edge"), "30.0°");
    // Beside it, what the set-up says the axis should read.
    const site = JSON.parse(toolOut("site", file("home.zb"), "--json"));
    assert.match(await text(page, "#want-edge"), new RegExp(site.axisElevation.toFixed(1).replace(".", "\\.")));
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test("a compass heading is corrected by the site's magnetic declination", async () => {
    const page = await pageWith("home.zb");
    await page.click("[data-tab=dish]");
    await page.click("#sensors");
    await page.waitForFunction(() => document.getElementById("sensor-state").textContent !== "");
    await page.evaluate(() => window.dispatchEvent(new DeviceOrientationEvent("deviceorientationabsolute", { alpha: 90, beta: 0, gamma: 0, absolute: true })));
    assert.equal(await text(page, "#heading"), "270.0°");
    const site = JSON.parse(toolOut("site", file("home.zb"), "--json"));
    const trueHeading = (270 + site.magneticDeclination + 360) % 360;
    assert.match(await text(page, "#heading-true"), new RegExp("^" + trueHeading.toFixed(1).replace(".", "\\.") + "°"));
    await page.close();
  });

  test("a sensor refused leaves the rest working", async () => {
    const page = await openPage(browser, singleFile(), {
      before: () => { DeviceOrientationEvent.requestPermission = async () => "denied"; },
    });
    await page.click("[data-tab=dish]");
    await page.click("#sensors");
    await page.waitForFunction(() => document.getElementById("sensor-state").textContent.includes("refused"));
    await page.evaluate(() => window.dispatchEvent(new DeviceOrientationEvent("deviceorientation", { alpha: 0, beta: 30, gamma: 0 })));
    assert.equal(await text(page, "#tilt-edge"), "–");
    assert.ok((await page.$$("#dish-readings tr")).length > 5);
    assert.ok((await page.evaluate(() => window.zenbelts.arc())).length > 10);
    await page.close();
  });
});

describe("languages", () => {
  const translations = () => {
    const source = fs.readFileSync(path.join(web, "site", "translations.js"), "utf8");
    return JSON.parse(source.slice(source.indexOf("=") + 1).trim().replace(/;$/, ""));
  };
  for (const language of ["de", "ar"]) {
    test(`${language}: no English left in the page's own texts`, async () => {
      const table = translations()[language];
      const page = await pageWith("home.zb", { before: (l) => localStorage.setItem("zenbelts-language", l) });
      await page.evaluate((l) => window.zenbelts.language(l), language);
      const texts = await page.$$eval("[data-t], [data-g]", (list) => list.map((e) => [e.dataset.t ? "FieldPage\u0004" + e.dataset.t : e.dataset.g.replace("|", "\u0004"), e.textContent]));
      for (const [key, shown] of texts) {
        assert.ok(table[key], `${key.replace("\u0004", ": ")} has no ${language} translation`);
        assert.notEqual(shown, key.split("\u0004")[1].replace(/&/g, ""), key);
      }
      assert.equal(await page.evaluate(() => document.documentElement.dir), language === "ar" ? "rtl" : "ltr");
      await page.close();
    });
  }

  test("ar: numbers keep their order in right-to-left text", async () => {
    const page = await pageWith("home.zb");
    await page.evaluate(() => window.zenbelts.language("ar"));
    // Each character's place on the screen: "43°20'N" reads left to right.
    const order = await page.evaluate(() => {
      const node = document.getElementById("site-line").firstChild;
      const text = node.textContent;
      const at = (i) => { const r = document.createRange(); r.setStart(node, i); r.setEnd(node, i + 1); return r.getBoundingClientRect().left; };
      const first = text.search(/[0-9]/), letter = text.indexOf("N");
      return { text, digits: at(first) < at(first + 1), letter: at(first) < at(letter) };
    });
    assert.ok(order.digits && order.letter, JSON.stringify(order));
    const motor = await page.$eval("#misses tr:nth-child(2) td:nth-child(3)", (td) => {
      const node = td.firstChild, r = (i) => { const g = document.createRange(); g.setStart(node, i); g.setEnd(node, i + 1); return g.getBoundingClientRect().left; };
      const t = node.textContent, d = t.search(/[0-9]/), l = t.search(/[EW]/);
      return r(d) < r(l);
    });
    assert.ok(motor);
    // A bare angle too: "174.8°" with its sign after the digits.
    await page.click("[data-tab=dish]");
    const degrees = await page.evaluate(() => {
      const td = document.querySelectorAll("#dish-readings tr")[3].children[1];
      const node = td.firstChild, t = node.textContent;
      const x = (i) => { const g = document.createRange(); g.setStart(node, i); g.setEnd(node, i + 1); return g.getBoundingClientRect().left; };
      return x(t.search(/[0-9]/)) < x(t.indexOf("°"));
    });
    assert.ok(degrees);
    await page.close();
  });
});

describe("a phone's screen", () => {
  const shots = path.join(web, "screenshots");
  fs.mkdirSync(shots, { recursive: true });
  for (const language of ["en", "de", "ar"]) {
    for (const [orientation, width, height] of [["portrait", 390, 844], ["landscape", 844, 390]]) {
      test(`${language} ${orientation}: nothing runs out of its box`, async () => {
        const page = await pageWith("home.zb", { width, height, scale: 3 });
        await page.evaluate((l) => window.zenbelts.language(l), language);
        for (const tab of ["arc", "assistant", "dish"]) {
          await page.click(`[data-tab=${tab}]`);
          if (tab === "assistant") await page.click("#fit");
          const overflow = await page.evaluate(() => {
            const bad = [];
            if (document.documentElement.scrollWidth > window.innerWidth + 1) bad.push("the page scrolls sideways");
            for (const e of document.querySelectorAll("button, label, th, h1, h2, .tabs button, select")) {
              if (e.offsetParent && e.scrollWidth > e.clientWidth + 1 && getComputedStyle(e).overflow !== "visible") bad.push(e.textContent);
            }
            // Buttons side by side never overlap.
            const boxes = [...document.querySelectorAll("button, .button")].filter((e) => e.offsetParent).map((e) => [e.textContent, e.getBoundingClientRect()]);
            for (let i = 0; i < boxes.length; ++i)
              for (let j = i + 1; j < boxes.length; ++j) {
                const [a, ra] = boxes[i], [b, rb] = boxes[j];
                if (ra.left < rb.right - 1 && rb.left < ra.right - 1 && ra.top < rb.bottom - 1 && rb.top < ra.bottom - 1) bad.push(`${a} over ${b}`);
              }
            return bad;
          });
          assert.deepEqual(overflow, [], `${tab}`);
          await page.screenshot({ path: path.join(shots, `${language}-${orientation}-${tab}.png`) });
        }
        assert.deepEqual(page.errors, []);
        await page.close();
      });
    }
  }
});
