// The field page: the core (WebAssembly) does every sum, every number and
// every text of the set-up; this script lays them out and passes on what
// the user does. Plain script, no modules, so that the same file runs from
// a server and inlined in the single file opened from disk.
"use strict";
(function () {
  const Languages = ["en", "de", "fr", "es", "ru", "ar"];
  const RightToLeft = new Set(["ar"]);
  const all = self.ZenbeltsTranslations || {};
  const $ = (id) => document.getElementById(id);
  let core = null, session = null, view = null, language = "en";
  let observationRows = [];
  let lastDrawing = null;
  let sensors = { last: null, started: false };
  let readyResolve;
  const ready = new Promise((resolve) => { readyResolve = resolve; });

  // Words: the page's own (context FieldPage) and the desktop program's.
  function tr(source, context) {
    const table = all[language];
    const t = table && table[(context || "FieldPage") + "\u0004" + source];
    return t || source;
  }
  // Without the desktop's keyboard marks: "&Fit", "Fit(&F)", "...".
  function plain(text) {
    return text.replace(/\s*\(&[^)]\)/g, "").replace(/&(&?)/g, "$1").replace(/(\.\.\.|…)$/, "").replace(/:$/, "");
  }
  function trg(key) {
    const bar = key.indexOf("|");
    return plain(tr(key.slice(bar + 1), key.slice(0, bar)));
  }
  function fill(pattern, ...args) {
    return pattern.replace(/%([1-9])/g, (m, d) => (args[d - 1] !== undefined ? args[d - 1] : m));
  }
  function decimalSeparator() {
    return (1.5).toLocaleString(language === "ar" ? "ar-u-nu-latn" : language).replace(/[0-9]/g, "") || ".";
  }
  function el(tag, attributes, ...children) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attributes || {})) {
      if (k === "class") e.className = v;
      else if (k === "text") e.textContent = v;
      else if (k.startsWith("on")) e.addEventListener(k.slice(2), v);
      else if (v !== false && v !== null && v !== undefined) e.setAttribute(k, v === true ? "" : v);
    }
    for (const c of children) e.append(c);
    return e;
  }

  function say(text, info) {
    const m = $("message");
    m.textContent = text || "";
    m.hidden = !text;
    m.classList.toggle("info", !!info);
  }
  function refused() {
    say(session.errorWords());
  }

  // The language: chosen in the page, else the browser's first of ours.
  function chooseLanguage() {
    const stored = (() => { try { return localStorage.getItem("zenbelts-language"); } catch (e) { return null; } })();
    if (stored && Languages.includes(stored)) return stored;
    for (const l of navigator.languages || [navigator.language || "en"]) {
      const base = String(l).toLowerCase().split("-")[0];
      if (Languages.includes(base)) return base;
    }
    return "en";
  }
  function setLanguage(l) {
    language = Languages.includes(l) ? l : "en";
    try { localStorage.setItem("zenbelts-language", language); } catch (e) { /* private mode */ }
    document.documentElement.lang = language;
    document.documentElement.dir = RightToLeft.has(language) ? "rtl" : "ltr";
    $("language").value = language;
    for (const e of document.querySelectorAll("[data-t]")) e.textContent = tr(e.dataset.t);
    for (const e of document.querySelectorAll("[data-g]")) e.textContent = trg(e.dataset.g);
    if (session) {
      const entries = [];
      for (const [key, value] of Object.entries(all[language] || {})) {
        const cut = key.indexOf("\u0004");
        entries.push(key.slice(0, cut) + "\u001f" + key.slice(cut + 1) + "\u001f" + value);
      }
      session.setLanguage(entries.join("\u001e"), RightToLeft.has(language));
      refresh(true);
      renderObservationHead();
      if (lastReport) renderReport(JSON.parse(session.diagnosisView()), lastReport, false);
      if (!$("tab-dish").hidden) renderDish();
    }
  }

  // The plot: the core draws, the canvas replays its primitives.
  const measureCache = new Map();
  const measureContext = document.createElement("canvas").getContext("2d");
  function cssFont(face, size, bold) {
    return (bold ? "bold " : "") + size + "px " + JSON.stringify(face) + ", \"Liberation Sans\", Arimo, Helvetica, sans-serif";
  }
  function measureText(face, size, bold, text) {
    const key = face + "|" + size + "|" + bold + "|" + text;
    let width = measureCache.get(key);
    if (width === undefined) {
      measureContext.font = cssFont(face, size, bold);
      width = Math.round(measureContext.measureText(text).width);
      measureCache.set(key, width);
    }
    return width;
  }
  function plotSize(canvas) {
    const width = Math.max(120, Math.floor(canvas.parentElement.clientWidth));
    // Room below the tabs, which stay in sight.
    const tabs = document.querySelector(".tabs").getBoundingClientRect().height;
    const height = Math.max(100, Math.min(Math.round(width * 0.6), Math.round(window.innerHeight - tabs - 12)));
    return { width, height };
  }
  function drawPlot(canvas, fitted) {
    const { width, height } = plotSize(canvas);
    const dpr = window.devicePixelRatio || 1;
    if (canvas.width !== Math.round(width * dpr) || canvas.height !== Math.round(height * dpr)) {
      canvas.width = Math.round(width * dpr);
      canvas.height = Math.round(height * dpr);
      canvas.style.height = height + "px";
    }
    const primitives = JSON.parse(session.plot(width, height, fitted));
    const ctx = canvas.getContext("2d");
    ctx.setTransform(dpr, 0, 0, dpr, 0, 0);
    ctx.fillStyle = "#fff";
    ctx.fillRect(0, 0, width, height);
    replay(ctx, primitives);
    return { width, height, primitives };
  }
  function rgb(r, g, b) { return "rgb(" + r + "," + g + "," + b + ")"; }
  function replay(ctx, list) {
    // Pixels as the desktop draws them: a one-pixel stroke at x covers
    // the pixel x, so strokes run through pixel centres.
    let pen = [1, 0, 0, 0], font = null, ascent = 0;
    const applyPen = () => { ctx.lineWidth = pen[0]; ctx.strokeStyle = rgb(pen[1], pen[2], pen[3]); ctx.lineCap = "round"; ctx.lineJoin = "round"; };
    const applyFont = () => {
      if (!font) return;
      ctx.font = cssFont(font[0], font[1], font[2]);
      const m = ctx.measureText("Hg");
      ascent = m.fontBoundingBoxAscent !== undefined ? m.fontBoundingBoxAscent : font[1] * 0.9;
    };
    applyPen();
    for (const p of list) {
      switch (p[0]) {
        case "pen": pen = p.slice(1); applyPen(); break;
        case "font": font = p.slice(1); applyFont(); break;
        case "line":
          ctx.beginPath(); ctx.moveTo(p[1] + 0.5, p[2] + 0.5); ctx.lineTo(p[3] + 0.5, p[4] + 0.5); ctx.stroke(); break;
        case "arc": {
          const a0 = -p[4] * Math.PI / 180, a1 = -(p[4] + p[5]) * Math.PI / 180;
          ctx.beginPath(); ctx.arc(p[1] + 0.5, p[2] + 0.5, p[3], a0, a1, p[5] > 0); ctx.stroke(); break;
        }
        case "bezier":
          ctx.beginPath(); ctx.moveTo(p[1] + 0.5, p[2] + 0.5);
          ctx.bezierCurveTo(p[3] + 0.5, p[4] + 0.5, p[5] + 0.5, p[6] + 0.5, p[7] + 0.5, p[8] + 0.5); ctx.stroke(); break;
        case "ellipse":
          ctx.beginPath();
          ctx.ellipse((p[1] + p[3]) / 2, (p[2] + p[4]) / 2, Math.max(0.5, (p[3] - p[1]) / 2), Math.max(0.5, (p[4] - p[2]) / 2), 0, 0, 2 * Math.PI);
          ctx.fillStyle = rgb(64, 64, 64); ctx.fill(); ctx.stroke(); break;
        case "polygon": {
          const c = p[4];
          ctx.beginPath(); ctx.moveTo(c[0], c[1]);
          for (let i = 2; i < c.length; i += 2) ctx.lineTo(c[i], c[i + 1]);
          ctx.closePath(); ctx.fillStyle = rgb(p[1], p[2], p[3]); ctx.fill(); break;
        }
        case "pixel": ctx.fillStyle = rgb(p[3], p[4], p[5]); ctx.fillRect(p[1], p[2], 1, 1); break;
        case "text": ctx.fillStyle = "#000"; ctx.textBaseline = "alphabetic"; ctx.direction = "ltr"; ctx.fillText(p[3], p[1], p[2] + ascent); break;
        case "clip": ctx.save(); ctx.beginPath(); ctx.rect(p[1], p[2], p[3] - p[1], p[4] - p[2]); ctx.clip(); break;
        case "noclip": ctx.restore(); applyPen(); applyFont(); break;
      }
    }
  }

  // The arc tab: plot, panel, misses.
  function refresh(listChanged) {
    if (listChanged) satellites = null;
    view = JSON.parse(session.view());
    $("file-name").textContent = view.name;
    $("site-line").textContent = view.site;
    lastDrawing = drawPlot($("plot"), false);
    renderAdjustments();
    renderMisses();
    if (!$("tab-dish").hidden) renderDish();
    if (listChanged) renderObservationChoices();
  }
  function renderAdjustments() {
    const box = $("adjustments");
    if (box.childElementCount !== view.adjustments.length) {
      box.textContent = "";
      for (const a of view.adjustments) {
        const input = el("input", { type: "text", inputmode: "decimal", dir: "ltr", "aria-label": a.name,
          onchange: (e) => { if (!session.setTyped(a.name, e.target.value, decimalSeparator())) refused(); else say(""); refresh(); } });
        const slider = el("input", { type: "range", step: "1", "aria-label": a.name,
          oninput: (e) => step(a.name, e.target.value) });
        const row = el("div", { class: "adj", "data-name": a.name },
          el("span", { class: "title" }),
          el("div", { class: "stepper" },
            el("button", { type: "button", text: "\u2212", "aria-label": "-", onclick: () => nudge(a.name, -1) }),
            input,
            el("button", { type: "button", text: "+", "aria-label": "+", onclick: () => nudge(a.name, 1) })),
          slider);
        box.append(row);
      }
    }
    view.adjustments.forEach((a, i) => {
      const row = box.children[i];
      row.querySelector(".title").textContent = a.title;
      const input = row.querySelector("input[type=text]");
      if (document.activeElement !== input) input.value = a.text.replace(/[\u2066-\u2069]/g, "");
      const slider = row.querySelector("input[type=range]");
      slider.min = a.lower; slider.max = a.upper;
      if (document.activeElement !== slider || String(slider.value) !== String(a.value)) slider.value = a.value;
      for (const c of row.querySelectorAll("input, button")) c.disabled = a.automatic;
    });
    $("auto-declination").checked = view.autoDeclination;
    $("lock-satellites").checked = view.lockSatellites;
  }
  function step(name, value) {
    if (!session.set(name, String(value))) { refused(); return; }
    refresh();
  }
  function nudge(name, by) {
    const a = view.adjustments.find((x) => x.name === name);
    step(name, Math.min(a.upper, Math.max(a.lower, a.value + by)));
  }
  function renderMisses() {
    const t = $("misses");
    const head = el("tr", {}, ...["Satellite", "Name", "Motor", "Miss", "Elevation"].map((h) => el("th", { text: trg("zenbelts::CMissTable|" + h) })));
    const rows = view.misses.map((r) => {
      const reason = r.hiddenBy === "horizon" ? (r.visible ? trg("zenbelts::CMissTable|Hidden by the horizon: too low over the obstacles there for the dish's beam") : trg("zenbelts::CMissTable|Below the horizon"))
        : r.hiddenBy === "motor" ? trg("zenbelts::CMissTable|Beyond the motor's limit: the motor does not turn that far") : null;
      return el("tr", { class: (r.hiddenBy ? "hidden " : "") + (r.worst ? "worst" : ""), title: reason },
        el("td", { class: "num", text: r.label }), el("td", { text: r.name, dir: "auto" }), el("td", { class: "num", text: r.motor }),
        el("td", { class: "num", text: fill(tr(r.above ? "%1 above" : "%1 below", "zenbelts::CMissTable"), r.miss) }),
        el("td", { class: "num", text: r.elevation }));
    });
    t.replaceChildren(head, ...rows);
  }

  // The field assistant.
  function renderObservationChoices() {
    for (const select of document.querySelectorAll("#observations select")) fillChoices(select, select.value);
  }
  // The chosen satellites first, then the rest of the list.
  let satellites = null;
  function fillChoices(select, chosen) {
    if (!satellites) satellites = JSON.parse(session.satellites());
    const picked = new Set(view.misses.map((r) => r.position));
    const entries = [...satellites.filter((e) => picked.has(e[0])), ...satellites.filter((e) => !picked.has(e[0]))];
    const options = entries.map(([position, label, name]) => el("option", { value: String(position), text: label + "  " + name }));
    select.replaceChildren(...options);
    if (chosen) select.value = chosen;
  }
  function addObservationRow(position) {
    const select = el("select", { "aria-label": trg("zenbelts::CDiagnoseDialog|Satellite") });
    fillChoices(select, position !== undefined ? String(position) : undefined);
    const motor = el("input", { type: "text", inputmode: "decimal", dir: "ltr", placeholder: "25.6E", "aria-label": tr("Motor angle") });
    const third = el("input", { type: "text", inputmode: "decimal", dir: "ltr", placeholder: "-0.5", "aria-label": tr("Offset (°)") });
    const row = el("tr", {}, el("td", {}, select), el("td", {}, motor), el("td", {}, third),
      el("td", {}, el("button", { type: "button", class: "remove", text: "\u00d7", title: tr("Remove the row"), "aria-label": tr("Remove the row"),
        onclick: () => { row.remove(); } })));
    $("observations").append(row);
    return row;
  }
  function renderObservationHead() {
    const t = $("observations");
    let head = t.querySelector("tr.head");
    if (!head) { head = el("tr", { class: "head" }); t.prepend(head); }
    const third = $("third").value === "faceTilt" ? tr("Face tilt (°)") : tr("Offset (°)");
    head.replaceChildren(el("th", { text: trg("zenbelts::CDiagnoseDialog|Satellite") }), el("th", { text: tr("Motor angle") }), el("th", { text: third }), el("th"));
  }
  function typedRows() {
    const lines = [];
    for (const row of $("observations").querySelectorAll("tr:not(.head)")) {
      const [select, motor, third] = row.querySelectorAll("select, input");
      if (!motor.value.trim() && !third.value.trim()) continue;
      lines.push([select.value, motor.value.trim(), third.value.trim()].join("\t"));
    }
    return lines.join("\n");
  }
  function fit() {
    const csv = session.observationsCsv(typedRows(), $("third").value === "faceTilt");
    const text = session.diagnoseJson(csv, "observations.csv");
    if (!text) { refused(); return; }
    say("");
    const json = JSON.parse(text);
    renderReport(JSON.parse(session.diagnosisView()), json);
  }
  let lastReport = null;
  function renderReport(d, json, addRows = true) {
    lastReport = d ? json : null;
    const box = $("report");
    box.className = "report";
    box.replaceChildren();
    $("fitted-plots").hidden = true;
    if (!d) return;
    if (d.kind === "first") {
      box.append(el("p", { text: d.text || tr("Nothing observed yet, and no satellite of the list is up and within the motor's reach.") }));
      if (addRows) for (const p of json.first) addObservationRow(p);
      return;
    }
    const dg = (s) => trg("zenbelts::CDiagnoseDialog|" + s);
    box.append(el("table", { class: "grid" },
      el("tr", {}, ...["Adjustment", "Set-up", "As found", "Change"].map((h) => el("th", { text: dg(h) }))),
      ...d.adjustments.map((a) => el("tr", {}, el("td", { text: a.title }), el("td", { class: "num", text: a.setUp }),
        el("td", { class: "num", text: a.found }), el("td", { class: "num", text: a.change || dg("none") })))));
    box.append(el("p", { text: dg("Observed minus computed, degrees:") }));
    box.append(el("div", { class: "scroll" }, el("table", { class: "grid" },
      el("tr", {}, ...["Satellite", "Motor, set-up", "Motor, found", "Offset, set-up", "Offset, found"].map((h) => el("th", { text: dg(h) }))),
      ...d.residuals.map((r) => el("tr", {}, ...[r.label, r.motorBefore, r.motorAfter, r.offsetBefore || "-", r.offsetAfter || "-"].map((v) => el("td", { class: "num", text: v })))))));
    box.append(el("p", { text: fill(tr("Root-mean-square: %1° with the set-up, %2° as found", "zenbelts::CDiagnoseDialog"), d.rmsBefore, d.rmsAfter) }));
    box.append(el("p", { text: fill(tr("Undetermined: %1", "zenbelts::CDiagnoseDialog"), d.undetermined || dg("nothing")) }));
    if (d.explanation) box.append(el("p", { text: d.explanation }));
    box.append(el("h2", { text: dg("How sure") }), el("p", { text: d.uncertainty }));
    if (d.warning) box.append(el("p", { class: "warning", text: d.warning }));
    if (d.next) box.append(el("p", { text: d.next }));
    box.append(el("h2", { text: dg("What to turn") }), el("p", { text: d.adviceHeading }), el("ol", {}, ...d.advice.map((a) => el("li", { text: a }))));
    if (json.next) {
      if (addRows) addObservationRow(json.next.position);
      box.append(el("p", { class: "hint", text: fill(tr("Measure next: %1 (added as a row)."), d.nextPosition) }));
    }
    $("fitted-plots").hidden = false;
    drawPlot($("plot-believed"), false);
    drawPlot($("plot-found"), true);
  }

  // At the dish.
  function renderDish() {
    const text = session.dishView($("dish-date").value);
    if (!text) { refused(); return; }
    const r = JSON.parse(text);
    const d = (s) => tr(s, "zenbelts::CAtTheDishDialog");
    const times = (t) => fill(d("%1 UTC (%2 local)"), t.utc, t.local);
    const face = (f) => f.kind === "vertical" ? d("vertical") : fill(d(f.kind === "back" ? "%1 back from vertical" : "%1 forward from vertical"), f.angle);
    const dish = r.dishOffset === null ? d("Prime focus") : fill(d(r.feedUp ? "Offset %1, feed arm above the dish" : "Offset %1, feed arm below the dish"), r.dishOffset);
    let compass = fill(d("Magnetic declination %1 (World Magnetic Model 2025)"), r.declination);
    const rows = [
      [d("Site"), r.site], [d("Dish"), dish], [d("Compass"), compass],
      [d(r.southern ? "True north" : "True south"), fill(d("Compass bearing %1"), r.trueSouth)],
      [d("Motor axis"), fill(d("Inclinometer on the axis: %1 above the horizon, towards %2 true (%3 by compass)"), r.axisElevation, r.axisAzimuth, r.axisCompass)],
      [d("Motor scale"), fill(d("%1 if it shows the axis elevation, %2 if it shows the latitude"), r.scaleAxis, r.scaleLatitude)],
      [d("Dish clamp"), fill(d("%1 against the motor axis"), r.clamp)],
      [d("Motor at zero"), fill(d("Beam %1 up towards %2 true (%3 by compass); face %4"), r.zeroElevation, r.zeroAzimuth, r.zeroCompass, face(r.zeroFace))],
      [d("Sun"), fill(d(r.sun.south ? "Due south at %1" : "Due north at %1"), times(r.sun.time)) + (r.sun.up ? fill(d(", %1 up: a plumb line's shadow then marks the meridian"), r.sun.elevation) : d(", below the horizon"))],
    ];
    const box = $("dish-readings");
    const table = el("table", { class: "grid dish" }, ...rows.map(([k, v]) => el("tr", {}, el("th", { text: k }), el("td", { text: v }))));
    const warning = r.modelCovers ? [] : [el("p", { class: "warning", text: d("The model holds from 2025.0 to 2030.0: on this date the declination is extrapolated; check it against a local source.") })];
    const headings = ["Satellite", "Azimuth", "Compass", "Elevation", "Motor", "Face", "Sun at its azimuth"].map((h) => el("th", { text: d(h) }));
    const sats = el("table", { class: "grid" }, el("tr", {}, ...headings), ...r.satellites.map((s) => el("tr", {},
      ...[s.label, s.azimuth, s.compass, s.elevation, s.motor, s.face].map((v) => el("td", { class: "num", text: v })),
      el("td", { text: s.sun ? fill(d("%1, %2 up"), times(s.sun.time), s.sun.elevation) : d("never that day") }))));
    box.replaceChildren(el("h2", { text: fill(d("On %1 (UTC)"), r.date) }), table, ...warning, el("div", { class: "scroll" }, sats),
      el("p", { class: "hint", text: d("Azimuth: true, clockwise from north. Compass: the bearing a compass shows. Motor: the turn from the motor's zero. Face: the inclinometer on the dish's face, degrees from vertical, + when the face looks up. When the sun stands at a satellite's azimuth, a plumb line's shadow points straight away from the satellite.") }));
    $("want-edge").textContent = "";
    $("want-face").textContent = "";
    dishReport = r;
    if (sensors.last) showTilt();
  }
  let dishReport = null;

  // The phone's sensors.
  function sensorState(text) { $("sensor-state").textContent = text; }
  async function startSensors() {
    if (!window.isSecureContext) { sensorState(tr("The sensors need a secure page (https or a file): the readings below still hold.")); return; }
    if (typeof window.DeviceOrientationEvent === "undefined") { sensorState(tr("This browser gives no orientation sensor here: the readings below still hold.")); return; }
    if (typeof DeviceOrientationEvent.requestPermission === "function") {
      let answer = "denied";
      try { answer = await DeviceOrientationEvent.requestPermission(); } catch (e) { answer = "denied"; }
      if (answer !== "granted") { sensorState(tr("The sensors were refused: allow motion and orientation for this page in the browser's settings. The readings below still hold.")); return; }
    }
    if (!sensors.started) {
      window.addEventListener("deviceorientation", onOrientation);
      window.addEventListener("deviceorientationabsolute", onAbsolute);
      sensors.started = true;
    }
    sensorState(tr("Waiting for the sensors… move the phone a little."));
  }
  function onOrientation(e) {
    if (e.beta === null || e.beta === undefined) return;
    sensors.last = { beta: e.beta, gamma: e.gamma || 0 };
    if (!sensors.zeroed) sensorState(tr("Lay the phone along the motor axis, its top towards the raised end, or flat on the dish's face, its screen outwards. Zero it first on a level surface."));
    showTilt();
    if (typeof e.webkitCompassHeading === "number") showHeading(e.webkitCompassHeading, false);
  }
  function onAbsolute(e) {
    if (typeof e.alpha === "number") showHeading(e.alpha, true);
  }
  function showTilt() {
    if (!sensors.last) return;
    if (!dishReport) renderDish();
    const t = JSON.parse(session.tilt(sensors.last.beta, sensors.last.gamma));
    $("tilt-edge").textContent = t.edge;
    $("tilt-face").textContent = t.face;
    if (dishReport) {
      $("want-edge").textContent = fill(tr("should read %1 (%2 off)"), dishReport.axisElevation, t.edgeOff);
      $("want-face").textContent = fill(tr("at the motor's zero %1 (%2 off)"), dishReport.zeroFaceTilt, t.faceOff);
    }
  }
  function showHeading(value, fromAlpha) {
    const h = JSON.parse(session.heading(value, fromAlpha, $("dish-date").value));
    $("heading").textContent = h.compass;
    $("heading-true").textContent = fill(tr("%1 true, with the declination %2"), h.true, h.declination);
  }
  function zero() {
    if (!sensors.last) { sensorState(tr("Lay the phone flat on a level surface, then zero.")); return; }
    session.zeroLevel(sensors.last.beta, sensors.last.gamma);
    sensors.zeroed = true;
    sensorState(tr("Zeroed on a level surface."));
    showTilt();
  }

  // Files.
  function bytesOf(x) {
    if (x instanceof Uint8Array) return x;
    if (x instanceof ArrayBuffer) return new Uint8Array(x);
    if (ArrayBuffer.isView(x)) return new Uint8Array(x.buffer, x.byteOffset, x.byteLength);
    return new TextEncoder().encode(String(x));
  }
  function download(bytes, name) {
    const url = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
    const a = el("a", { href: url, download: name });
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
  }

  // Scripts drive the page as the tool: each answer the tool's document
  // parsed, each refusal an Error with the tool's line.
  function check(ok) {
    if (!ok) throw new Error(session.error());
  }
  function parsed(text) {
    if (!text) throw new Error(session.error());
    return JSON.parse(text);
  }
  const api = {
    ready,
    open(bytes, list, options) {
      const o = options || {};
      // As the tool: the shipped list unless another is given.
      check(list !== undefined && list !== null ? session.useList(bytesOf(list), o.listName || "") : session.useList("", ""));
      check(session.open(bytesOf(bytes), o.name || "setup.zb"));
      refresh(true);
    },
    save() { return session.save(); },
    set(name, value) { check(session.set(String(name), String(value))); refresh(); },
    arc() { return parsed(session.arcJson()); },
    diagnose(csvText) { return parsed(session.diagnoseJson(String(csvText), "observations.csv")); },
    site(dateText) { return parsed(session.siteJson(dateText === undefined ? "" : String(dateText))); },
    language(l) { if (l !== undefined) setLanguage(l); return language; },
    drawing() { return lastDrawing; },
  };
  window.zenbelts = api;

  function wire() {
    $("language").addEventListener("change", (e) => setLanguage(e.target.value));
    $("open-file").addEventListener("change", async (e) => {
      const file = e.target.files[0];
      if (!file) return;
      const bytes = new Uint8Array(await file.arrayBuffer());
      if (session.open(bytes, file.name)) { say(""); refresh(true); } else refused();
      e.target.value = "";
    });
    $("open-list").addEventListener("change", async (e) => {
      const file = e.target.files[0];
      if (!file) return;
      if (session.useList(new Uint8Array(await file.arrayBuffer()), file.name)) { refresh(true); say(fill(tr("List: %1 satellites."), view.satellites), true); } else refused();
      e.target.value = "";
    });
    $("save").addEventListener("click", () => { download(session.save(), view.name); say(fill(tr("Saved as %1."), view.name), true); });
    $("new-site").addEventListener("click", () => { $("site-form").hidden = false; $("site-lat").focus(); });
    $("site-cancel").addEventListener("click", () => { $("site-form").hidden = true; });
    $("site-form").addEventListener("submit", (e) => {
      e.preventDefault();
      if (!session.startAt($("site-lat").value, $("site-lon").value, $("site-alt").value)) { refused(); return; }
      $("site-form").hidden = true;
      say("");
      refresh(true);
    });
    $("auto-declination").addEventListener("change", (e) => step("autoDeclination", e.target.checked ? 1 : 0));
    $("lock-satellites").addEventListener("change", (e) => step("lockSatellites", e.target.checked ? 1 : 0));
    for (const b of document.querySelectorAll("[data-tab]")) {
      b.addEventListener("click", () => {
        for (const o of document.querySelectorAll("[data-tab]")) o.setAttribute("aria-selected", String(o === b));
        for (const s of document.querySelectorAll(".tab")) s.hidden = s.id !== "tab-" + b.dataset.tab;
        if (b.dataset.tab === "dish") renderDish();
        if (b.dataset.tab === "arc") refresh();
      });
    }
    $("third").addEventListener("change", renderObservationHead);
    $("add-row").addEventListener("click", () => addObservationRow());
    $("fit").addEventListener("click", fit);
    $("dish-date").value = new Date().toISOString().slice(0, 10);
    $("dish-date").addEventListener("change", renderDish);
    $("sensors").addEventListener("click", startSensors);
    $("zero").addEventListener("click", zero);
    let resizeTimer = 0;
    window.addEventListener("resize", () => { clearTimeout(resizeTimer); resizeTimer = setTimeout(() => { if (session) refresh(); }, 60); });
  }

  async function start() {
    wire();
    setLanguage(chooseLanguage());
    const options = { };
    if (self.ZenbeltsWasm) options.wasmBinary = Uint8Array.from(atob(self.ZenbeltsWasm), (c) => c.charCodeAt(0));
    core = await ZenbeltsCore(options);
    core.measureText = measureText;
    session = new core.FieldSession();
    setLanguage(language);
    renderObservationHead();
    addObservationRow();
    self.zenbeltsReadyAt = performance.now();
    document.documentElement.dataset.ready = "1";
    readyResolve(api);
    if ("serviceWorker" in navigator && /^https?:$/.test(location.protocol) && !self.ZenbeltsWasm)
      navigator.serviceWorker.register("sw.js").catch(() => {});
  }
  start().catch((e) => { say(String(e && e.message || e)); });
})();
