#!/usr/bin/env bash
# The record kept by the real program under its own X server and
# accessibility bus: two mistakes planted in a game played by screen reader,
# the game killed mid-turn, its rows read with sqlite3 and its results
# through AT-SPI, then a won game's results one press away, and the record
# exported as CSV, PDF and .zandoli and merged into a second home
# (tests/record/learned.py). It plays in real time, a minute or so; ctest
# runs it as a system test. Skipped (77) where a tool is missing.
# Usage: learned_test.sh <folder of zandoli, Images/, wav/>
set -u
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
RUN=$(cd "$1" && pwd)
# A private session bus, so the accessibility bus the test starts is its own.
PYTHON=/usr/bin/python3
# shellcheck source=scripts/xvfb.sh
. "$HERE/../../scripts/xvfb.sh"
skip_without Xvfb dbus-run-session sqlite3 pdftotext /usr/libexec/at-spi-bus-launcher /usr/bin/python3 -- pyatspi
on_private_bus "$0" "$@"
work=$(mktemp -d)
at_exit rm -rf "$work"
fail() {
    echo "FAIL: $*"
    echo "-- game log"
    cat "$work/game.log" 2>/dev/null
    echo "-- record"
    sqlite3 -batch "$work/data/zandoli/record.sqlite" \
        "SELECT * FROM game; SELECT * FROM event;" 2>&1
    exit 1
}

start_display 10 || fail "Xvfb did not start"
start_accessibility_bus "$work/bus.log" || fail "no accessibility bus"

ln -s "$RUN/Images" "$work/Images"
ln -s "$RUN/wav" "$work/wav"
cd "$work" || fail "no working folder"
# The players' names, as the set-up screen's Names keeps them, and Explain
# Mistakes off: the script waits for the wrong card's hand-over on its timer.
mkdir -p "$work/config/zandoli"
printf '[General]\nexplainMistakes=false\n[names]\n0=Ana\n1=Ben\n' >"$work/config/zandoli/zandoli.ini"
# In English whatever this desktop speaks: the script reads the English names.
XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" LANGUAGE= LC_ALL=C.UTF-8 \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb \
    PYTHONPATH="$HERE:$HERE/../keyboard" "$PYTHON" -u "$HERE/learned.py" "$RUN/zandoli" ||
    fail "the record did not keep what was played"
