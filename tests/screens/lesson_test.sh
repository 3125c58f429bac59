#!/usr/bin/env bash
# A teacher's lesson in the real program under its own X server and
# accessibility bus (tests/screens/lesson.py): chosen by --lesson, and locked
# by the administrator's system-wide settings against the user's own; and a
# lesson file that cannot be read, refused with its line and status 1.
# Skipped (77) where a tool is missing.
# Usage: lesson_test.sh <folder of zandoli, Images/, wav/>
set -u
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
RUN=$(cd "$1" && pwd)
PYTHON=/usr/bin/python3
# shellcheck source=scripts/xvfb.sh
. "$HERE/../../scripts/xvfb.sh"
skip_without Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3 -- pyatspi
on_private_bus "$0" "$@"
work=$(mktemp -d)
at_exit rm -rf "$work"
fail() { echo "FAIL: $*"; exit 1; }

ln -s "$RUN/Images" "$work/Images"
ln -s "$RUN/wav" "$work/wav"
cd "$work" || fail "no working folder"
lesson=$work/halves.lesson
printf '# Year 3\nname = Halves and quarters\nvalues = 1/2, 1/4\nforms = decimal, tile\n' >"$lesson"
other=$work/tenths.lesson
printf 'name = Tenths\nvalues = 1/10, 3/10\n' >"$other"
mkdir -p "$work/config/zandoli" "$work/system/zandoli"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_CONFIG_DIRS="$work/system"
export LANGUAGE= LC_ALL=C.UTF-8

# A file that is no lesson: refused with its reason and line, before any window.
printf 'name = Halves\ncolour = blue\n' >"$work/bad.lesson"
QT_QPA_PLATFORM=offscreen "$RUN/zandoli" --lesson "$work/bad.lesson" 2>"$work/bad.log"
status=$?
[ "$status" = 1 ] || fail "a bad lesson ends with status $status, not 1"
grep -q 'bad.lesson: line 2: "colour" is not a key of a lesson' "$work/bad.log" ||
    fail "a bad lesson is refused without its line: $(cat "$work/bad.log")"

start_display 10 || fail "Xvfb did not start"
start_accessibility_bus "$work/bus.log" || fail "no accessibility bus"
play() {
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb \
        PYTHONPATH="$HERE/../keyboard" "$PYTHON" -u "$HERE/lesson.py" "$RUN/zandoli" "$lesson" "$1"
}
play chosen || fail "--lesson did not deal the lesson"

# The administrator's lesson wins over the one the user's settings hold.
printf '[General]\nlesson=%s\n' "$lesson" >"$work/system/zandoli/zandoli.ini"
printf '[General]\nlesson="%s"\n' "$(sed 's/$/\\n/' "$other" | tr -d '\n')" \
    >"$work/config/zandoli/zandoli.ini"
play locked || fail "the administrator's lesson did not hold"
echo PASS
