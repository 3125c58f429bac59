#!/usr/bin/env bash
# Starts the real program on a Wayland desktop (weston, headless, 1280 x 1024)
# and checks the window system it chooses:
#   wayland_test.sh <folder of zandoli, Images/, wav/> <Qt's platform plugin folder> [xwayland|wayland]
# xwayland: the desktop offers X as well (XWayland). The game must choose X
#           by itself, so its title window appears on the X display, titled
#           "Zandoli?", and where the game put it: about the middle of the
#           display, which weston does not choose for a window by itself.
# wayland:  no X display. The game runs natively on Wayland: it keeps
#           running, its title window is made, titled "Zandoli?", and
#           nothing fatal is reported.
# Skipped (77) where weston, Xwayland, xdotool, xprop, ImageMagick or Qt's
# Wayland plugin is missing.
set -u
# shellcheck source=scripts/xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"
RUN=$(cd "$1" && pwd)
PLUGINS=$2
MODE=${3:-xwayland}

tools=(weston)
[ "$MODE" = xwayland ] && tools+=(Xwayland xdotool xprop weston-screenshooter convert)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done
if [ "$MODE" = wayland ] && [ ! -e "$PLUGINS/libqwayland-generic.so" ]; then
    echo "no Qt Wayland plugin in $PLUGINS: skipped"
    exit 77
fi

work=$(mktemp -d)
at_exit rm -rf "$work"
fail() {
    echo "FAIL: $*"
    sed 's/^/  game: /' "$work/game.log" 2>/dev/null | head -40
    exit 1
}

# The desktop: its own runtime folder and socket, so tests side by side and
# a desktop the developer runs on never meet.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=zandoli-test
options=(--backend=headless-backend.so --width=1280 --height=1024 --no-config
         --socket="$socket" --log="$work/weston.log")
# --debug lets the screen be photographed.
[ "$MODE" = xwayland ] && options+=(--xwayland --use-pixman --debug)
weston "${options[@]}" >/dev/null 2>&1 &
track_process $!
waitfor 100 test -S "$XDG_RUNTIME_DIR/$socket" || fail "weston did not start"

unset DISPLAY QT_QPA_PLATFORM
export WAYLAND_DISPLAY=$socket
if [ "$MODE" = xwayland ]; then
    # weston picks the X display itself and names it in its log.
    xdisplay() { grep -o 'xserver listening on display :[0-9]*' "$work/weston.log"; }
    waitfor 100 xdisplay >/dev/null || fail "weston's XWayland did not start"
    export DISPLAY=$(xdisplay | sed 's/.* //')
fi

ln -s "$RUN/Images" "$RUN/wav" "$work/"
cd "$work" || fail "no working folder"
if [ "$MODE" = wayland ]; then
    # The protocol log names every window title the game sets.
    WAYLAND_DEBUG=client "$RUN/zandoli" >"$work/game.log" 2>&1 &
else
    "$RUN/zandoli" >"$work/game.log" 2>&1 &
fi
GAME=$!
track_process "$GAME"

if [ "$MODE" = wayland ]; then
    titled() { grep -q 'set_title("Zandoli?")' "$work/game.log"; }
    waitfor 100 titled || fail "no title window on Wayland"
    sleep 2
    kill -0 "$GAME" 2>/dev/null || fail "the game ended on its own"
    ! grep -v '^\[' "$work/game.log" | grep -qiE 'fatal|could not|abort|segmentation' ||
        fail "the game reported an error"
    echo "PASS: runs natively on Wayland without an X display"
    exit 0
fi

window() {
    local id
    id=$(xdotool search --onlyvisible --pid "$GAME" 2>/dev/null | head -n 1)
    [ -n "$id" ] && echo "$id"
}
waitfor 100 window >/dev/null || fail "no title window on XWayland's display"
ID=$(window)
name=$(xprop -id "$ID" _NET_WM_NAME | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')
[ "$name" = "Zandoli?" ] || fail "the title window is titled \"$name\""
sleep 0.5

# Where the compositor shows the title's client area: the box of pure black
# pixels below the panel, whose bottom edge and width are the client
# area's (the title bar's icon may hold black too, above it).
(cd "$work" && weston-screenshooter >/dev/null 2>&1)
shot=$(ls "$work"/wayland-screenshot*.png 2>/dev/null | head -n 1)
[ -n "$shot" ] || fail "no screenshot of the desktop"
panel=40
box=$(convert "$shot" -crop 1280x$((1024 - panel))+0+$panel +repage \
    -fill white +opaque black -negate -format '%@' info:)
read -r w h x y < <(sed 's/[x+]/ /g' <<<"$box")
[ "$w" = 372 ] || fail "no 372-pixel-wide title client area on the screen ($box)"
left=$x top=$((panel + y + h - 438))
dx=$((left + 186 - 640)) dy=$((top + 219 - 512))
echo "title client area at $left,$top: its centre is off the display's by $dx,$dy"
# The frame is weston's, drawn around the client area, and weston tells X
# programs nothing of it, so the client area sits off centre by part of a
# frame: up to a border across and a title bar down.
[ "${dx#-}" -le 8 ] && [ "$dy" -ge -4 ] && [ "$dy" -le 40 ] ||
    fail "the title window is not where the game put it"
echo "PASS: chose X under Wayland and placed its title window"
