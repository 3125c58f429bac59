#!/usr/bin/env bash
# Plays the real program under its own X server up to a dealt two-player
# game, sends it a stop signal, and checks that it ended and left a saved
# game of two players that the program, started again, takes back.
# Usage: stop_signal_test.sh <folder of zandoli, Images/, wav/> [signal]
set -u
# shellcheck source=scripts/xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"
RUN=$(cd "$1" && pwd)
SIGNAL=${2:-TERM}

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done

work=$(mktemp -d)
GAME=""
# KEEP=1 keeps the working folder, game log and save, to look at afterwards.
keepOrRemove() {
    if [ -n "${KEEP:-}" ]; then
        echo "kept $work"
    else
        rm -rf "$work"
    fi
}
at_exit keepOrRemove

# A game still running when the test fails is killed outright, so it cannot
# save on its way out and leave a kept folder looking as if it had passed.
fail() {
    echo "FAIL: $*"
    [ -n "$GAME" ] && kill -KILL "$GAME" 2>/dev/null && wait "$GAME" 2>/dev/null
    exit 1
}

start_display 10 || fail "Xvfb did not start"

ln -s "$RUN/Images" "$work/Images"
ln -s "$RUN/wav" "$work/wav"
cd "$work" || fail "no working folder"
startGame() {
    QT_QPA_PLATFORM=xcb "$RUN/zandoli" >>"$work/game.log" 2>&1 &
    GAME=$!
    track_process "$GAME"
}
startGame

# The top-left corner of the game's visible window of the given size.
corner() {
    for id in $(xdotool search --onlyvisible --pid "$GAME" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" = "$1" ] && [ "$HEIGHT" = "$2" ]; then
            echo "$X $Y"
            return 0
        fi
    done
    return 1
}
has() { corner "$@" >/dev/null; }

# Clicks at a place in twips (15 to the pixel) in the window of the given size.
clickAt() {
    set -- $(corner "$1" "$2") "$3" "$4"
    xdotool mousemove $(($1 + $3 / 15)) $(($2 + $4 / 15)) click 1
}

waitfor 150 has 372 438 || fail "no title screen"
clickAt 372 438 1927 5977  # OK
waitfor 50 has 1280 1024 || fail "no backdrop"
sleep 0.5
clickAt 372 478 2167 5107  # 2 players
waitfor 50 has 1024 768 || fail "no table"
sleep 2.5                  # the deal delay

kill -"$SIGNAL" "$GAME"
waitfor 100 sh -c "! kill -0 $GAME 2>/dev/null" || fail "still running after SIG$SIGNAL"
wait "$GAME"
echo "exit status $?"
untrack_process "$GAME"
GAME=""

[ -f lastgame.inf ] || fail "no lastgame.inf"
lines=$(wc -l <lastgame.inf)
[ "$lines" -eq 110 ] || fail "lastgame.inf has $lines lines"
players=$(sed -n 2p lastgame.inf | tr -d '\r')
[ "$players" = 2 ] || fail "saved $players players"
echo "saved a game of $players players in $lines lines"

# The program's own reader takes the save back: Restart Previous Game opens
# its table, where a save it refuses would leave the title as it was.
startGame
waitfor 150 has 372 438 || fail "no title screen when started again"
clickAt 372 438 2767 5377  # Restart Previous Game
waitfor 50 has 1024 768 || fail "the program refused the save it left"
echo "the save was taken back"
