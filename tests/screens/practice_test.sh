#!/usr/bin/env bash
# A practice game in the real program under its own X server and
# accessibility bus (tests/screens/practice.py): a record planted with
# sqlite3 in which Ana took the 0.7 tile for 0.3, the results screen opened
# from the set-up screen, Practice pressed in Ana's panel, and the table's
# hand and spinner read; then the record must mark the new game as practice.
# Skipped (77) where a tool is missing.
# Usage: practice_test.sh <folder of zandoli, Images/, wav/>
set -u
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
RUN=$(cd "$1" && pwd)
PYTHON=/usr/bin/python3
# shellcheck source=scripts/xvfb.sh
. "$HERE/../../scripts/xvfb.sh"
skip_without Xvfb dbus-run-session sqlite3 /usr/libexec/at-spi-bus-launcher /usr/bin/python3 -- pyatspi
on_private_bus "$0" "$@"
work=$(mktemp -d)
at_exit rm -rf "$work"
record=$work/data/zandoli/record.sqlite
fail() {
    echo "FAIL: $*"
    sqlite3 -batch "$record" "SELECT * FROM game; SELECT * FROM seat;" 2>&1
    exit 1
}

ln -s "$RUN/Images" "$work/Images"
ln -s "$RUN/wav" "$work/wav"
cd "$work" || fail "no working folder"
mkdir -p "$work/data/zandoli" "$work/config/zandoli"
printf '[General]\nexplainMistakes=false\n' >"$work/config/zandoli/zandoli.ini"

# The record as this version makes it (schema.sql, version 4), and Ana's one-player game of a day
# before: 0.3 spun (position 12) while she held the 3/10 fraction (card 2)
# and the 0.7 tile (card 42), and the tile pressed for its unshaded part.
sqlite3 -batch "$record" <"$HERE/../record/schema.sql" || fail "no record"
day=$(( ($(date +%s) - 86400) * 1000 ))
sqlite3 -batch "$record" <<SQL || fail "the record was not planted"
PRAGMA user_version = 4;
INSERT INTO game (id, uid, started_ms, players, one_player, restored, ended_ms, ending)
    VALUES (1, 'planted-1', $day, 1, 1, 0, $((day + 5000)), 'saved');
INSERT INTO seat (game, colour, name) VALUES (1, 0, 'Ana');
INSERT INTO event (game, turn, at_ms, colour, what, position, spin_value, hand)
    VALUES (1, 1, $((day + 1000)), 0, 'spin', 12, 0.3, '2 42');
INSERT INTO event (game, turn, at_ms, colour, what, position, spin_value, card, card_value,
                   card_form, mistake)
    VALUES (1, 1, $((day + 2000)), 0, 'wrong', 12, 0.3, 42, 0.7, 'tile', 'unshaded-part');
INSERT INTO tally (game, colour, spins, wrong_tile) VALUES (1, 0, 1, 1);
SQL

start_display 10 || fail "Xvfb did not start"
start_accessibility_bus "$work/bus.log" || fail "no accessibility bus"
XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" LANGUAGE= LC_ALL=C.UTF-8 \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb \
    PYTHONPATH="$HERE/../keyboard" "$PYTHON" -u "$HERE/practice.py" "$RUN/zandoli" "$record" ||
    fail "the practice game was not Ana's"
echo PASS
