#!/usr/bin/env bash
# Starts the real program with no session bus but an X display, where the
# D-Bus library would launch a bus of its own for the X session
# (dbus-launch --autolaunch) that outlives the game; stops it with SIGTERM
# and checks that no bus daemon started on the game's display is left.
# Usage: no_bus_left_test.sh <folder of zandoli, Images/, wav/>
set -u
# shellcheck source=scripts/xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"
RUN=$(cd "$1" && pwd)

# Without dbus-launch nothing can be autolaunched and the test would pass
# whatever the program does.
for tool in Xvfb xdotool dbus-launch pgrep; do
    command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done

work=$(mktemp -d)
GAME=""
at_exit rm -rf "$work"

fail() {
    echo "FAIL: $*"
    echo "--- game log"
    cat "$work/game.log" 2>/dev/null
    [ -n "$GAME" ] && kill -KILL "$GAME" 2>/dev/null && wait "$GAME" 2>/dev/null
    exit 1
}

# The bus processes now running, one pid a line.
buses() { { pgrep -x dbus-daemon; pgrep -x dbus-launch; } | sort; }

# Those of the given pids that carry this test's display in their
# environment: an autolaunched bus inherits it from the program that asked
# for it, and tests running side by side each have their own display.
onOurDisplay() {
    local pid
    for pid in "$@"; do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" &&
            echo "$pid"
    done
}

start_display 10 || fail "Xvfb did not start"

ln -s "$RUN/Images" "$work/Images"
ln -s "$RUN/wav" "$work/wav"
cd "$work" || fail "no working folder"
before=$(buses)
env -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=xcb "$RUN/zandoli" >"$work/game.log" 2>&1 &
GAME=$!
track_process "$GAME"

# The game's visible window of the given size.
has() {
    for id in $(xdotool search --onlyvisible --pid "$GAME" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" = "$1" ] && [ "$HEIGHT" = "$2" ] && return 0
    done
    return 1
}

waitfor 150 has 372 438 || fail "no title screen"
# Time for the accessibility bridge and anything it starts to settle.
sleep 1

kill -TERM "$GAME"
waitfor 100 sh -c "! kill -0 $GAME 2>/dev/null" || fail "still running after SIGTERM"
wait "$GAME"
status=$?
untrack_process "$GAME"
GAME=""
[ "$status" -eq 0 ] || fail "exit status $status"

# A launched bus detaches into the background: a moment for it to show.
sleep 0.5
started=$(comm -13 <(echo "$before") <(buses))
# shellcheck disable=SC2086
left=$(onOurDisplay $started)
if [ -n "$left" ]; then
    for pid in $left; do
        echo "left running: $pid $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)"
        kill "$pid" 2>/dev/null
    done
    fail "bus processes outlived the game"
fi
if grep -qi 'dbus' "$work/game.log"; then
    fail "the game complained about the bus"
fi
echo "the game started, quit and left no bus behind"
