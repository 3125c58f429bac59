#!/usr/bin/env bash
# Plays the real program under a window manager that frames its windows
# (openbox on a 1280 x 1024 virtual display) and checks what a player sees of
# the windows themselves: each screen's frame centred on the display, every
# window called "Zandoli?", and the backdrop staying behind the set-up screen
# and the table when it is clicked.
#   window_manager_test.sh <folder of zandoli, Images/, wav/> [screens|no-logo]
# screens:  title, set-up, rules and a two-player table, in play order.
# no-logo:  the set-up screen without its logo, which takes the table size:
#           1024 x 768 pixels frame included, centred.
# Skipped (77) where Xvfb, openbox, xdotool, xprop or xwininfo is missing.
set -u
# shellcheck source=scripts/xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"
RUN=$(cd "$1" && pwd)
MODE=${2:-screens}
ENTRY=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../packaging" && pwd)/org.zandoli.Zandoli.desktop

for tool in Xvfb openbox xdotool xprop xwininfo; do
    command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done

work=$(mktemp -d)
at_exit rm -rf "$work"
fail() { echo "FAIL: $*"; exit 1; }

start_display 10 || fail "Xvfb did not start"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
track_process $!
# The window manager is up once it has named itself on the root window.
waitfor 100 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    fail "openbox did not start"

ln -s "$RUN/wav" "$work/wav"
ln -s "$RUN/Zandoli Rules.doc" "$work/Zandoli Rules.doc"
if [ "$MODE" = no-logo ]; then
    mkdir "$work/Images"
    for picture in "$RUN"/Images/*; do
        case "${picture##*/}" in logo2*) ;; *) ln -s "$picture" "$work/Images/" ;; esac
    done
else
    ln -s "$RUN/Images" "$work/Images"
fi
cd "$work" || fail "no working folder"
QT_QPA_PLATFORM=xcb "$RUN/zandoli" >"$work/game.log" 2>&1 &
GAME=$!
track_process "$GAME"

# The game's visible window whose client area is the given size: its id, and
# the left, top, width and height of its client area and of its frame, as
# shell variables (ID, X, Y, W, H, FX, FY, FW, FH). The frame comes from the
# extents the window manager announces on the window.
find_window() {
    local id info left right top bottom
    for id in $(xdotool search --onlyvisible --pid "$GAME" 2>/dev/null); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        W=$(sed -n 's/^ *Width: //p' <<<"$info")
        H=$(sed -n 's/^ *Height: //p' <<<"$info")
        [ "${W}x$H" = "$1" ] || continue
        X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
        Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
        read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS |
            sed -n 's/.*= *//p' | tr -d ,)
        [ -n "$bottom" ] || continue  # not framed yet
        ID=$id FX=$((X - left)) FY=$((Y - top))
        FW=$((W + left + right)) FH=$((H + top + bottom))
        return 0
    done
    return 1
}
has() { find_window "$1"; }

# Clicks at a place in twips (15 to the pixel) in the client area found last.
click_twips() {
    xdotool mousemove --sync $((X + $1 / 15)) $((Y + $2 / 15)) click 1
}

# The frame found last is centred on the display, to within 2 pixels.
centred() {
    local dx=$((2 * FX + FW - 1280)) dy=$((2 * FY + FH - 1024))
    echo "$1: frame ${FW}x$FH at $FX,$FY, client ${W}x$H at $X,$Y"
    [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ] ||
        fail "$1 frame is off centre by $((dx / 2)),$((dy / 2))"
}

# The window found last is titled "Zandoli?", or starts so when $2 is "start".
titled() {
    local name
    name=$(xprop -id "$ID" _NET_WM_NAME | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')
    case "$name" in
        "Zandoli?") ;;
        "Zandoli? "*) [ "${2:-}" = start ] || fail "$1 is titled \"$name\"" ;;
        *) fail "$1 is titled \"$name\"" ;;
    esac
}

# The window found last shows the game's own icon, in the sizes the build
# draws (a window manager puts a stand-in of its own on windows without one).
has_icon() {
    local sizes
    sizes=$(xprop -id "$ID" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
    case "$sizes" in
        *"(16 x 16)"*"(128 x 128)"*) ;;
        *) fail "$1 has no game icon (${sizes:-none})" ;;
    esac
}

# The window found last is the top one of the game's windows, above the
# backdrop; the window manager lists its clients bottom first.
on_top() {
    local stack top
    stack=$(xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# //p' | tr -d ,)
    top=${stack##* }
    [ "$((top))" = "$ID" ] || fail "$1 is not on top after a click on the backdrop ($stack)"
}

if [ "$MODE" = no-logo ]; then
    waitfor 150 has 372x438 || fail "no title screen"
    click_twips 1927 5977 # OK
    waitfor 50 sh -c 'xdotool search --onlyvisible --pid '"$GAME"' | wc -l | grep -qx 2' ||
        fail "no set-up screen"
    # The set-up screen's client area is what is left of 1024 x 768 once the
    # frame is taken off; the frame's extents are the window manager's.
    found=""
    for id in $(xdotool search --onlyvisible --pid "$GAME"); do
        xprop -id "$id" _NET_WM_STATE | grep -q MAXIMIZED && continue
        read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS |
            sed -n 's/.*= *//p' | tr -d ,)
        found=$((1024 - left - right))x$((768 - top - bottom))
    done
    [ -n "$found" ] || fail "no set-up screen"
    waitfor 30 has "$found" || fail "the set-up screen without its logo is not 1024 x 768 outside"
    centred "set-up without logo"
    titled "set-up without logo"
    echo "PASS"
    exit 0
fi

waitfor 150 has 372x438 || fail "no title screen"
# The window manager may place the frame once more after the first show.
sleep 0.3
has 372x438
centred title
titled title
has_icon title
# A dock matches the running game to its menu entry by the window's class.
class=$(sed -n 's/^StartupWMClass=//p' "$ENTRY")
xprop -id "$ID" WM_CLASS | grep -q "= \"[^\"]*\", \"$class\"$" ||
    fail "the window's class ($(xprop -id "$ID" WM_CLASS)) is not the menu entry's (\"$class\")"
click_twips 1927 5977 # OK

waitfor 50 has 372x478 || fail "no set-up screen"
sleep 0.3
has 372x478
centred set-up
titled set-up
setup=$ID
setupX=$X setupY=$Y

# The backdrop fills the display.
backdrop=""
for id in $(xdotool search --onlyvisible --pid "$GAME"); do
    [ "$id" != "$setup" ] && backdrop=$id
done
[ -n "$backdrop" ] || fail "no backdrop"
ID=$backdrop
titled backdrop
has_icon backdrop
# It covers the whole screen itself, with no title bar of its own.
xwininfo -id "$ID" | grep -q -- "-geometry 1280x1024+0+0" ||
    fail "the backdrop does not cover the screen: $(xwininfo -id "$ID" | grep geometry)"
xprop -id "$ID" _NET_FRAME_EXTENTS | grep -Eq "= 0, 0, 0, 0|not found" ||
    fail "the backdrop has a frame: $(xprop -id "$ID" _NET_FRAME_EXTENTS)"
xdotool mousemove --sync 100 600 click 1
sleep 0.3
ID=$setup
on_top set-up

X=$setupX Y=$setupY
click_twips 1747 1717 # The Rules
waitfor 50 has 1024x768 || fail "no rules screen"
sleep 0.3
has 1024x768
centred rules
titled rules
click_twips 14400 11167 # Exit
waitfor 50 sh -c "! xwininfo -id $ID 2>/dev/null | grep -q IsViewable" || fail "the rules stay"

X=$setupX Y=$setupY
click_twips 2167 5107 # 2 players
waitfor 50 has 1024x768 || fail "no table"
sleep 0.3
has 1024x768
centred table
titled table start
has_icon table
# Once the cards are dealt the title says whose turn it is; blue begins.
turn() { xprop -id "$ID" _NET_WM_NAME | grep -q '= "Zandoli? — Blue to Play"$'; }
waitfor 50 turn || fail "the table's title does not name blue's turn"
xdotool mousemove --sync 40 40 click 1
sleep 0.3
on_top table
echo "PASS"
