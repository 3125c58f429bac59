#!/usr/bin/env python3
"""Every translated message has been read by a teacher of its language.

translations/review_<code>.md keeps that reading: a table of the messages
whose wording changed (the old text, the new one and why) and a table of the
messages read and kept. A message of the .ts file that neither table lists
with its present translation has not been read, and fails; so does a row
for a message the .ts file no longer holds.

    review.py check <source dir>          the test (lang.translations)
    review.py rows <ts file>              a Kept row for each message, to start
                                          a review or to add new messages to one

A row is one line: newlines in a text are written \\n, and the plural forms
of a message are joined by " ¦ ".
"""
import pathlib
import sys
import xml.etree.ElementTree as ET

PLURALS = " ¦ "


def flat(text):
    return (text or "").replace("\n", "\\n")


def messages(ts):
    """(context, English) -> the translation, as the review writes them."""
    found = {}
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.find("name").text
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = [f.text or "" for f in translation.findall("numerusform")]
            text = PLURALS.join(forms) if forms else translation.text or ""
            found[(name, flat(message.find("source").text))] = flat(text)
    return found


def cells(line):
    # A text's own spaces at either end are kept: only "| " and " |" frame it.
    return line.rstrip()[2:-2].split(" | ")


def rows(review):
    """The rows of the Changed and Kept tables: (context, English) -> (translation, line)."""
    read = {}
    errors = []
    section = None
    for number, line in enumerate(review.read_text(encoding="utf-8").splitlines(), 1):
        if line.startswith("## "):
            section = line[3:].strip().lower()
            continue
        if not line.startswith("| ") or set(line) <= set("|- :"):
            continue
        row = cells(line)
        if section == "changed" and len(row) == 5 and row[0] != "Context":
            context, english, _old, new, _why = row
            read[(context, english)] = (new, number)
        elif section == "kept" and len(row) == 3 and row[0] != "Context":
            context, english, kept = row
            read[(context, english)] = (kept, number)
        elif row[0] != "Context":
            errors.append(f"{review.name}:{number}: a row of the {section} table is not read: {line}")
    return read, errors


def check(src):
    src = pathlib.Path(src)
    failed = False
    for ts in sorted(src.glob("translations/zandoli_*.ts")):
        code = ts.stem.split("_", 1)[1]
        review = src / "translations" / f"review_{code}.md"
        if not review.exists():
            print(f"FAIL: {review.name} is missing: the {code} translation has not been read")
            failed = True
            continue
        read, errors = rows(review)
        for error in errors:
            print(f"FAIL: {error}")
            failed = True
        translated = messages(ts)
        for key, text in translated.items():
            if key not in read:
                print(f"FAIL: {review.name} does not list [{key[0]}] {key[1]!r}: read it, then add its row")
                failed = True
            elif read[key][0] != text:
                print(f"FAIL: {review.name}:{read[key][1]}: [{key[0]}] {key[1]!r} reads {read[key][0]!r}"
                      f" there but {text!r} in {ts.name}")
                failed = True
        for key, (_, number) in read.items():
            if key not in translated:
                print(f"FAIL: {review.name}:{number}: [{key[0]}] {key[1]!r} is no message of {ts.name}")
                failed = True
    return 1 if failed else 0


def main(argv):
    if len(argv) == 3 and argv[1] == "check":
        return check(argv[2])
    if len(argv) == 3 and argv[1] == "rows":
        for (context, english), text in messages(argv[2]).items():
            print(f"| {context} | {english} | {text} |")
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
