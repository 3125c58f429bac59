#!/usr/bin/env python3
"""Lists every string in the Qt side's sources that reads like words a
player would see or hear but does not go through the translation system.

A string counts as marked when it is an argument of QCoreApplication::
translate, tr, QT_TRANSLATE_NOOP or QT_TR_NOOP. Of the others, those that read
like words (two words with a space between, or one capitalised word) are
reported, unless they are an argument of a call that writes to a terminal
(fprintf, qWarning) or that a programmer reads (an exception), or appear in the allowed list beside this file: the
game's name, font families, addresses and the like.
    untranslated.py <source dir> <allowed list> <folder>...
Exits 1 and names each string when any is found."""
import pathlib
import re
import sys

MARKING = {"translate", "tr", "QT_TRANSLATE_NOOP", "QT_TR_NOOP"}
TERMINAL = {"fprintf", "printf", "qWarning", "qDebug", "qInfo", "qCritical",
            "invalid_argument", "runtime_error", "logic_error"}
WORDS = re.compile(r"[A-Za-z]{2,}[^\S\n]+[A-Za-z]{2,}|^[A-Z][a-z]{2,}$")
MARKUP = re.compile(r"[<>{}\\]|^[a-z]+://|^file:")


def literals(text):
    """Yields (offset, value) for every string literal outside comments."""
    i, n = 0, len(text)
    while i < n:
        if text.startswith("//", i):
            i = text.find("\n", i) % (n + 1) if text.find("\n", i) >= 0 else n
        elif text.startswith("/*", i):
            i = text.find("*/", i) + 2
        elif text[i] == "'":
            i = text.index("'", i + 2 if text[i + 1] == "\\" else i + 1) + 1
        elif text[i] == '"':
            j = i + 1
            while text[j] != '"':
                j += 2 if text[j] == "\\" else 1
            yield i, text[i + 1:j]
            i = j + 1
        else:
            i += 1


def caller(text, at):
    """The name of the call whose parentheses hold the offset, if any."""
    depth = 0
    for i in range(at - 1, -1, -1):
        c = text[i]
        if c in ")]}":
            depth += 1
        elif c in "([{":
            if depth == 0:
                if c != "(":
                    return None
                m = re.search(r"([A-Za-z_][A-Za-z_0-9]*)\s*$", text[:i])
                return m.group(1) if m else None
            depth -= 1
        elif c == ";" and depth == 0:
            return None
    return None


def main():
    root = pathlib.Path(sys.argv[1])
    allowed = {line.strip() for line in open(sys.argv[2], encoding="utf-8")
               if line.strip() and not line.startswith("#")}
    found = 0
    for folder in sys.argv[3:]:
        for path in sorted((root / folder).glob("*.[ch]*")):
            text = path.read_text(encoding="utf-8")
            for at, value in literals(text):
                if text[:at].rstrip().endswith("#include"):
                    continue
                if caller(text, at) in MARKING | TERMINAL:
                    continue
                if value in allowed or MARKUP.search(value) or not WORDS.search(value):
                    continue
                line = text.count("\n", 0, at) + 1
                print(f"{path.relative_to(root)}:{line}: not translated: \"{value}\"")
                found += 1
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
