#!/usr/bin/env bash
# The game on a display of the given size under openbox, with a panel that
# reserves 32 pixels along the bottom of the screen: the title, set-up and
# table windows' frames lie inside the work area; the table is drawn at the
# scale given, each button at its design place times that scale (fit.py, on
# the accessibility bus); F11 fills the screen at the full-screen scale, and
# F11 again brings the window back. Screenshots of the table in a window and
# in full screen are left in the output folder, to be looked at.
#   fit_test.sh <folder of zandoli, Images/, wav/> WIDTHxHEIGHT SCALE FULL_SCALE OUT
# The scales may be ratios ("688/768"). Skipped (77) where a tool is missing.
set -u
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
RUN=$(cd "$1" && pwd)
SIZE=$2 SCALE=$3 FULL=$4 OUT=$5
PANEL=32
PYTHON=/usr/bin/python3
# shellcheck source=scripts/xvfb.sh
. "$HERE/../../scripts/xvfb.sh"
skip_without Xvfb openbox xdotool xprop xwininfo import dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3 -- pyatspi Xlib
on_private_bus "$0" "$@"
work=$(mktemp -d)
at_exit rm -rf "$work"
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$OUT"
WIDTH=${SIZE%x*} HEIGHT=${SIZE#*x}

XVFB_SIZE=$SIZE start_display 10 || fail "Xvfb did not start"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
track_process $!
waitfor 100 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    fail "openbox did not start"
"$PYTHON" "$HERE/panel.py" "$PANEL" &
track_process $!
area="0, 0, $WIDTH, $((HEIGHT - PANEL))"
waitfor 50 sh -c "xprop -root _NET_WORKAREA | grep -q '= $area'" || fail "the panel reserves no strip"
start_accessibility_bus "$work/bus.log" || fail "no accessibility bus"

ln -s "$RUN/Images" "$work/Images"
ln -s "$RUN/wav" "$work/wav"
cd "$work" || fail "no working folder"
XDG_CONFIG_HOME="$work/config" LANGUAGE= LC_ALL=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    QT_QPA_PLATFORM=xcb "$RUN/zandoli" >"$work/game.log" 2>&1 &
GAME=$!
track_process "$GAME"

# The game's visible window whose client area is the given width, to a pixel:
# ID, its client area (X, Y, W, H) and its frame's (FX, FY, FW, FH).
top_window() {
    local id info left right top bottom
    for id in $(xdotool search --onlyvisible --pid "$GAME" 2>/dev/null); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        W=$(sed -n 's/^ *Width: //p' <<<"$info")
        H=$(sed -n 's/^ *Height: //p' <<<"$info")
        X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
        Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
        [ "$((W - $1))" -ge -1 ] && [ "$((W - $1))" -le 1 ] || continue
        read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS |
            sed -n 's/.*= *//p' | tr -d ,)
        ID=$id FX=$((X - ${left:-0})) FY=$((Y - ${top:-0}))
        FW=$((W + ${left:-0} + ${right:-0})) FH=$((H + ${top:-0} + ${bottom:-0}))
        return 0
    done
    return 1
}
# The frame found last lies inside the work area.
inside() {
    echo "$1: frame ${FW}x$FH at $FX,$FY"
    [ "$FX" -ge 0 ] && [ "$FY" -ge 0 ] && [ $((FX + FW)) -le "$WIDTH" ] &&
        [ $((FY + FH)) -le $((HEIGHT - PANEL)) ] || fail "$1 is not inside the work area ($area)"
}
px() { "$PYTHON" -c "from fractions import Fraction as F; print(round($1 * F('$2')))"; }

waitfor 150 top_window "$(px 372 "$SCALE")" || fail "no title screen"
sleep 0.5
top_window "$(px 372 "$SCALE")"
inside title
xdotool key --window "$ID" Return # OK has the focus
sleep 1
waitfor 50 top_window "$(px 372 "$SCALE")" || fail "no set-up screen"
inside set-up
xdotool key --window "$ID" 2
tw=$(px 1024 "$SCALE")
waitfor 100 top_window "$tw" || fail "no table $tw pixels wide"
sleep 1
top_window "$tw"
inside table
dh=$((H - $(px 768 "$SCALE")))
[ "${dh#-}" -le 1 ] || fail "the table is ${W}x$H, not 1024 x 768 times $SCALE"
PYTHONPATH="$HERE/../keyboard" "$PYTHON" "$HERE/fit.py" "$SCALE" "$X" "$Y" "$WIDTH" "$HEIGHT" ||
    fail "the table's controls"
import -window root "$OUT/fit-$SIZE.png"

xdotool key --window "$ID" F11
waitfor 50 top_window "$WIDTH" || fail "F11 did not fill the screen"
sleep 1
top_window "$WIDTH"
[ "$X,$Y,$H" = "0,0,$HEIGHT" ] || fail "full screen is ${W}x$H at $X,$Y"
fw=$(px 1024 "$FULL") fh=$(px 768 "$FULL")
PYTHONPATH="$HERE/../keyboard" "$PYTHON" "$HERE/fit.py" "$FULL" $(((WIDTH - fw) / 2)) \
    $(((HEIGHT - fh) / 2)) "$WIDTH" "$HEIGHT" || fail "the table's controls in full screen"
import -window root "$OUT/fit-$SIZE-full.png"
xdotool key --window "$ID" F11
waitfor 50 top_window "$tw" || fail "F11 did not bring the window back"
sleep 0.5
top_window "$tw"
inside "table again"
echo "PASS"
