// The page scripted as the tool: every answer the tool's document, every
// refusal the tool's line; and the browser build's digits against the tool's.
import assert from "node:assert/strict";
import fs from "node:fs";
import path from "node:path";
import { after, before, describe, test } from "node:test";
import { createRequire } from "node:module";
import { launch, openPage, receivers, sameDocument, singleFile, tempDir, tool, toolOut } from "./harness.mjs";

const work = tempDir();
const file = (name) => path.join(work, name);
// The set-ups the tool makes: the factory one, a southern site, a mount
// turned off its best, and the factory one with a receiver's list.
toolOut("new", "-o", file("factory.zb"));
toolOut("new", "--lat", "-2040", "--lon", "-2820", "--alt", "760", "-o", file("south.zb"));
toolOut("set", file("factory.zb"), "poleEW=15", "poleNS=-8", "autoDeclination=0", "declination=-60", "dishOffset=250",
  "horizon=1400:0,1450:300,1550:300,1600:0", "-o", file("tilted.zb"));
const setUps = [
  { name: "factory.zb" },
  { name: "south.zb" },
  { name: "tilted.zb" },
  { name: "factory.zb", list: path.join(receivers, "satellites.xml") },
];

let browser, page;
before(async () => {
  browser = await launch();
  page = await openPage(browser, singleFile());
});
after(async () => {
  await browser?.close();
  fs.rmSync(work, { recursive: true, force: true });
});

// What a mount a little off the set-up shows at the dish: the tool's arc of
// it, to a tenth, for the chosen satellites well up.
function observed(name) {
  toolOut("set", file(name), "autoDeclination=0", "poleEW=8", "dishAzimuth=-6", "-o", file("real.zb"));
  const rows = JSON.parse(toolOut("arc", file("real.zb"), "--json")).filter((r) => r.chosen && r.elevation > 10 && r.reachable);
  return "position,motorAngle,offset\n" + rows.map((r, i) => `${r.position},${r.motorAngle.toFixed(1)},${i % 2 ? "" : r.offset.toFixed(1)}`).join("\n") + "\n";
}

async function openInPage(name, list) {
  const bytes = [...fs.readFileSync(file(name))];
  const listText = list ? fs.readFileSync(list, "utf8") : null;
  await page.evaluate((b, l, n, ln) => window.zenbelts.open(new Uint8Array(b), l, { name: n, listName: ln }),
    bytes, listText, name, list ? path.basename(list) : "");
}

describe("the page answers as the tool", () => {
  for (const s of setUps) {
    test(`arc of ${s.name}${s.list ? " with " + path.basename(s.list) : ""}`, async () => {
      await openInPage(s.name, s.list);
      const expected = JSON.parse(toolOut("arc", file(s.name), "--json", ...(s.list ? ["--sats", s.list] : [])));
      const got = await page.evaluate(() => window.zenbelts.arc());
      assert.ok(expected.length > 0);
      assert.equal(sameDocument(got, expected), null);
    });
  }

  test("site on a date, and diagnose with and without observations", async () => {
    await openInPage("tilted.zb");
    const site = await page.evaluate(() => window.zenbelts.site("2026-06-21"));
    assert.equal(sameDocument(site, JSON.parse(toolOut("site", file("tilted.zb"), "--date", "2026-06-21", "--json"))), null);
    // The worked example of the README: a fit whose undetermined directions
    // the two builds' last bits do not sway.
    toolOut("new", "--lat", "3000", "--lon", "-600", "-o", file("home.zb"));
    await openInPage("home.zb");
    const seen = "position,motorAngle,offset\n30.0W,-21.9,-1.2\n5.0W,5.7,-0.9\n13.0E,25.6,\n19.2E,32.3,-0.5\n39.0E,53.6,-0.2\n";
    for (const csv of [seen, "position,motorAngle,offset\n"]) {
      fs.writeFileSync(file("seen.csv"), csv);
      const expected = JSON.parse(toolOut("diagnose", file("home.zb"), file("seen.csv"), "--json"));
      const got = await page.evaluate((c) => window.zenbelts.diagnose(c), csv);
      assert.equal(sameDocument(got, expected), null);
    }
    // An inclinometer's face tilts in place of offsets, on a 25° offset dish.
    toolOut("set", file("home.zb"), "dishOffset=250", "-o", file("offset.zb"));
    await openInPage("offset.zb");
    const tilts = "position,motorAngle,faceTilt\n13.0E,25.6,4.9\n19.2E,32.3,3.1\n30.0W,-21.9,5.6\n5.0W,5.7,\n";
    fs.writeFileSync(file("tilts.csv"), tilts);
    assert.equal(sameDocument(await page.evaluate((c) => window.zenbelts.diagnose(c), tilts),
      JSON.parse(toolOut("diagnose", file("offset.zb"), file("tilts.csv"), "--json"))), null);
  });

  test("a set-up changed in the page saves as the tool's bytes", async () => {
    await openInPage("factory.zb");
    const edits = ["poleEW=15", "chosen+=130", "chosen-=192", "dishOffset=225", "feedUp=1", "motorEast=650",
      "horizon=1200:0,1500:350", "latitude=3000", "motorElevation=420"];
    for (const e of edits) {
      const [n, v] = e.split(/=(.*)/s);
      await page.evaluate((a, b) => window.zenbelts.set(a, b), n, v);
    }
    toolOut("set", file("factory.zb"), ...edits, "-o", file("edited.zb"));
    const saved = await page.evaluate(() => [...window.zenbelts.save()]);
    assert.deepEqual(Buffer.from(saved), fs.readFileSync(file("edited.zb")));
  });

  test("refusals throw the tool's line", async () => {
    await openInPage("factory.zb");
    const cases = [
      ["set", ["poleNS", "9999"], ["set", file("factory.zb"), "poleNS=9999"]],
      ["set", ["frobnicate", "1"], ["set", file("factory.zb"), "frobnicate=1"]],
      ["site", ["2026-13-01"], ["site", file("factory.zb"), "--date", "2026-13-01"]],
      ["diagnose", ["position,motorAngle,offset\n13.0E,north,\n"], null],
    ];
    for (const [method, args, toolArgs] of cases) {
      const message = await page.evaluate((m, a) => { try { window.zenbelts[m](...a); return null; } catch (e) { return e instanceof Error && e.message; } }, method, args);
      assert.ok(message, `${method} ${args} was not refused`);
      if (toolArgs) {
        const r = tool(...toolArgs);
        assert.equal(r.status, 2);
        // The tool names the file by its path, the page by its name.
        assert.equal(message, r.err.replaceAll(work + "/", ""), method);
      } else {
        fs.writeFileSync(file("observations.csv"), args[0]);
        assert.equal(message, tool("diagnose", file("factory.zb"), file("observations.csv")).err.replaceAll(work + "/", ""));
      }
    }
    const bad = await page.evaluate(() => { try { window.zenbelts.open(new Uint8Array([1, 2, 3])); return null; } catch (e) { return e.message; } });
    fs.writeFileSync(file("setup.zb"), Buffer.from([1, 2, 3]));
    assert.equal(bad, tool("show", file("setup.zb")).err.replaceAll(work + "/", ""));
  });
});

test("the browser build writes every number the tool prints with the same digits", async () => {
  const require = createRequire(import.meta.url);
  const wasm = path.join(process.env.ZENBELTS_BUILD ? path.dirname(process.env.ZENBELTS_BUILD) : path.resolve("..", ".."), "build-web", "wasm");
  const core = await require(path.join(wasm, "zenbelts_field.js"))({ wasmBinary: fs.readFileSync(path.join(wasm, "zenbelts_field.wasm")) });
  fs.writeFileSync(file("seen.csv"), observed("factory.zb"));
  const documents = [];
  for (const s of setUps) {
    const sats = s.list ? ["--sats", s.list] : [];
    documents.push(toolOut("arc", file(s.name), "--json", ...sats), toolOut("show", file(s.name), "--json"),
      toolOut("site", file(s.name), "--date", "2027-01-02", "--json"), toolOut("positions", file(s.name), "--json", ...sats),
      toolOut("usals", file(s.name), "--json", ...sats));
  }
  documents.push(toolOut("diagnose", file("factory.zb"), file("seen.csv"), "--json"));
  let count = 0;
  for (const text of documents) {
    // Every number token outside the strings, as printed.
    for (const m of text.replace(/"(?:[^"\\]|\\.)*"/g, "\"\"").matchAll(/-?\d+(?:\.\d+)?(?:[eE][+-]?\d+)?/g)) {
      assert.equal(core.formatShortest(Number(m[0])), m[0]);
      ++count;
    }
  }
  assert.ok(count > 3000, `only ${count} numbers`);
  // And with so many decimals: the arc's listing against its JSON's values.
  for (const s of setUps) {
    const sats = s.list ? ["--sats", s.list] : [];
    const rows = JSON.parse(toolOut("arc", file(s.name), "--json", ...sats));
    const lines = toolOut("arc", file(s.name), ...sats).split("\n").slice(1, rows.length + 1);
    const signed = (v) => { const t = core.formatFixed(v, 2); return t.startsWith("-") ? t : "+" + t; };
    rows.forEach((r, i) => {
      const columns = lines[i].split(/\s+/);
      const at = r.chosen ? 3 : 2;
      assert.deepEqual(columns.slice(at, at + 3), [signed(r.motorAngle), signed(r.offset), core.formatFixed(r.elevation, 1)], lines[i]);
    });
  }
});
