#!/usr/bin/env python3
"""Lays out the field page from the WebAssembly build, the page's files and
the translation files, in its two forms:
  OUT/site/                   the folder to serve (service worker, manifest)
  OUT/zenbelts-field.html     one self-contained file, the module inlined
usage: assemble.py WASM_DIR TRANSLATIONS_DIR OUT"""

import base64
import hashlib
import json
import pathlib
import shutil
import sys
import xml.etree.ElementTree as ElementTree

here = pathlib.Path(__file__).resolve().parent
page = here / "page"


def translations(folder):
    """{language: {"context\\x04source": translation}} of every finished entry."""
    table = {}
    for ts in sorted(pathlib.Path(folder).glob("zenbelts_*.ts")):
        language = ts.stem.split("_", 1)[1]
        entries = {}
        for context in ElementTree.parse(ts).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source") or ""
                t = message.find("translation")
                if t is None or t.get("type") in ("unfinished", "obsolete", "vanished") or not (t.text or ""):
                    continue
                entries[name + "\u0004" + source] = t.text
        table[language] = entries
    return table


def main():
    wasm_dir, ts_dir, out = (pathlib.Path(a) for a in sys.argv[1:4])
    site = out / "site"
    if site.exists():
        shutil.rmtree(site)
    site.mkdir(parents=True)
    texts = "self.ZenbeltsTranslations = " + json.dumps(translations(ts_dir), ensure_ascii=False,
                                                        separators=(",", ":"), sort_keys=True) + ";\n"
    (site / "translations.js").write_text(texts, encoding="utf-8")
    glue = (wasm_dir / "zenbelts_field.js").read_text(encoding="utf-8")
    wasm = (wasm_dir / "zenbelts_field.wasm").read_bytes()
    shutil.copy(wasm_dir / "zenbelts_field.js", site)
    shutil.copy(wasm_dir / "zenbelts_field.wasm", site)
    for name in ("field.css", "texts.js", "field.js", "manifest.webmanifest", "icon.svg"):
        shutil.copy(page / name, site)
    scripts = ["translations.js", "texts.js", "zenbelts_field.js", "field.js"]
    html = (page / "index.html").read_text(encoding="utf-8")

    files = ["./", "index.html", "field.css", "manifest.webmanifest", "icon.svg", "zenbelts_field.wasm", *scripts]
    digest = hashlib.sha256()
    for name in files[1:]:
        digest.update((site / name).read_bytes() if name != "index.html" else html.encode())
    version = digest.hexdigest()[:16]
    sw = (page / "sw.js").read_text(encoding="utf-8")
    sw = sw.replace("@VERSION@", version).replace("@FILES@", json.dumps(files))
    (site / "sw.js").write_text(sw, encoding="utf-8")
    head = ('<link rel="manifest" href="manifest.webmanifest">\n<link rel="icon" href="icon.svg">\n'
            '<link rel="stylesheet" href="field.css">')
    body = "\n".join(f'<script src="{s}"></script>' for s in scripts)
    (site / "index.html").write_text(html.replace("<!--zb:head-->", head).replace("<!--zb:scripts-->", body),
                                     encoding="utf-8")

    # The single file: no fetch at all, so it opens from disk.
    def inline(text):
        return text.replace("</script", "<\\/script")
    icon = base64.b64encode((page / "icon.svg").read_bytes()).decode()
    head = (f'<link rel="icon" href="data:image/svg+xml;base64,{icon}">\n'
            f'<style>\n{(page / "field.css").read_text(encoding="utf-8")}</style>')
    parts = [texts, (page / "texts.js").read_text(encoding="utf-8"),
             "self.ZenbeltsWasm = \"" + base64.b64encode(wasm).decode() + "\";\n", glue,
             (page / "field.js").read_text(encoding="utf-8")]
    body = "\n".join(f"<script>\n{inline(p)}\n</script>" for p in parts)
    single = html.replace("<!--zb:head-->", head).replace("<!--zb:scripts-->", body)
    (out / "zenbelts-field.html").write_text(single, encoding="utf-8")
    print(f"{out}/site/ and {out}/zenbelts-field.html ({len(single.encode()) // 1024} KiB)")


if __name__ == "__main__":
    main()
