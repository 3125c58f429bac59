#!/usr/bin/env python3
"""Refuses the words a teacher would correct: every translation of
translations/zandoli_<code>.ts, and the .desktop entry's and the metainfo's
texts in that language, are read against the "avoid" lines of the
language's glossary (translations/zandoli_<code>.glossary):
    avoid <regular expression> | <why>
    avoid-in <Context>/<source> <regular expression> | <why>
the second for one message only (a source without spaces).
    glossary.py <source dir>
Exits 1 and names each text and the rule it breaks."""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def rules(path):
    for line in path.read_text(encoding="utf-8").splitlines():
        m = re.match(r"avoid(-in (\S+)/(\S+))? (.+?) \| (.+)$", line)
        if m:
            yield m.group(2), m.group(3), re.compile(m.group(4)), m.group(5)


def texts(root, code):
    """Yields (where, context, source, text) for each text in the language."""
    ts = root / "translations" / f"zandoli_{code}.ts"
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.find("name").text
        for message in context.iter("message"):
            source = message.find("source").text
            translation = message.find("translation")
            forms = [f.text for f in translation.findall("numerusform")] or [translation.text]
            for form in forms:
                yield ts.name, name, source, form or ""
    desktop = root / "packaging" / "org.zandoli.Zandoli.desktop"
    for line in desktop.read_text(encoding="utf-8").splitlines():
        key, _, value = line.partition("=")
        # Keywords are a list the desktop reads, with ";" between.
        if key.endswith(f"[{code}]") and not key.startswith("Keywords"):
            yield desktop.name, None, key, value
    metainfo = root / "packaging" / "org.zandoli.Zandoli.metainfo.xml"
    for element in ET.parse(metainfo).getroot().iter():
        if element.get(XML_LANG) == code:
            yield metainfo.name, None, element.tag, re.sub(r"[ \t\n]+", " ", "".join(element.itertext()).strip())


def main():
    root = pathlib.Path(sys.argv[1])
    broken = 0
    for glossary in sorted((root / "translations").glob("zandoli_*.glossary")):
        code = glossary.stem.split("_", 1)[1]
        checks = list(rules(glossary))
        if not checks:
            print(f"FAIL: {glossary.name} avoids nothing")
            broken += 1
        for where, context, source, text in texts(root, code):
            for only_context, only_source, pattern, why in checks:
                if only_context and (context, source) != (only_context, only_source):
                    continue
                if pattern.search(text):
                    print(f"FAIL: {where}: \"{text}\" ({context or source}): {why}")
                    broken += 1
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main())
