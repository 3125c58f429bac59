#!/usr/bin/env bash
# The translations are whole and up to date, and no text escapes them:
# lupdate, run on the sources into a copy of the .ts files, finds no entry
# unfinished, vanished or obsolete and changes nothing; every translation
# keeps the placeholders (%1, %n) of its English; and no string that reads
# like words is left outside the translation system; and no translation uses
# a word its glossary (translations/zandoli_<code>.glossary) avoids; and every
# translated message is listed, as it now reads, in its language's review.
# The build passes lupdate's options and the sources it reads, as the
# update_translations target uses them:
#   translations_test.sh <source dir> <lupdate> <option>... -- <source>...
set -euo pipefail
src=$1
lupdate=$2
shift 2
options=()
while [ "$1" != "--" ]; do
    options+=("$1")
    shift
done
shift
sources=("$@")
here=$(dirname "${BASH_SOURCE[0]}")
folders=(language assets platform table results screens)

tmp=$(mktemp -d /tmp/zandoli-translations.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
cp "$src"/translations/*.ts "$tmp/"
"$lupdate" -silent "${options[@]}" "${sources[@]}" -ts "$tmp"/*.ts

fail=0
for ts in "$tmp"/*.ts; do
    name=$(basename "$ts")
    for kind in unfinished vanished obsolete; do
        if grep -q "type=\"$kind\"" "$ts"; then
            echo "FAIL: $name has $kind entries:"
            grep -B2 "type=\"$kind\"" "$ts" | grep '<source>' || true
            fail=1
        fi
    done
    if ! cmp -s "$ts" "$src/translations/$name"; then
        echo "FAIL: lupdate changes $name; run: cmake --build build --target update_translations"
        diff "$src/translations/$name" "$ts" | head -20 || true
        fail=1
    fi
done

python3 - "$src"/translations/*.ts <<'PY' || fail=1
import re, sys, xml.etree.ElementTree as ET
bad = 0
for path in sys.argv[1:]:
    for message in ET.parse(path).getroot().iter("message"):
        source = message.find("source").text
        want = sorted(re.findall(r"%L?[0-9n]", source))
        translation = message.find("translation")
        forms = [f.text or "" for f in translation.findall("numerusform")] or [translation.text or ""]
        for form in forms:
            if sorted(re.findall(r"%L?[0-9n]", form)) != want:
                print(f"FAIL: {path.rsplit('/', 1)[1]}: \"{form}\" does not keep {want} of \"{source}\"")
                bad = 1
sys.exit(bad)
PY

python3 "$here/glossary.py" "$src" || fail=1
# Every message has been read by a teacher of its language: a new or reworded
# one cannot ship without its row in translations/review_<code>.md.
python3 "$here/review.py" check "$src" || fail=1
python3 "$here/untranslated.py" "$src" "$here/untranslated-allowed.txt" "${folders[@]}" || fail=1
exit $fail
