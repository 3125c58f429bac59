#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed
# launcher as two users at once under Xvfb: each must get a working folder of
# its own with links to the installed data, the title must open, and nothing
# may be written under the prefix. One of them played an earlier install that
# has since been removed: the links it left dangle and must be renewed.
#   installed-launcher.sh <build folder> <cmake>
set -euo pipefail
# shellcheck source=scripts/xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"
build=$1
cmake=$2

for tool in Xvfb xdotool desktop-file-validate appstreamcli file; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

tmp=$(mktemp -d /tmp/zandoli-install-test.XXXXXX)
at_exit rm -rf "$tmp"
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# What the desktop finds: the menu entry, the store entry, the icon sizes.
app=org.zandoli.Zandoli
desktop-file-validate "$prefix/share/applications/$app.desktop"
grep -qx "Exec=$prefix/games/zandoli" "$prefix/share/applications/$app.desktop" ||
    fail "the menu entry does not start the installed launcher"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >/dev/null ||
    fail "appstreamcli rejects the metainfo"
for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not $size x $size"
done
for item in games/zandoli share/zandoli/Images/wdial.jpg share/zandoli/wav share/zandoli/about.html \
    "share/zandoli/Zandoli Rules.doc" "share/zandoli/fr_FR/Règles de Zandoli.doc" \
    share/zandoli/de_CH/about.html share/zandoli/Images/opening.comma-spaced.jpg; do
    [ -e "$prefix/$item" ] || fail "$item is not installed"
done

snapshot() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
snapshot >"$tmp/before"

start_display 20 || fail "Xvfb did not start"

# Ann played a copy once installed under another prefix, since removed: her
# folder still holds the links that copy made, leading nowhere now.
old=$tmp/old-prefix/share/zandoli
mkdir -p "$tmp/ann-data/zandoli"
for item in Images wav "Zandoli Rules.doc"; do
    ln -s "$old/$item" "$tmp/ann-data/zandoli/$item"
done

# One user names XDG_DATA_HOME, the other has only a home.
# env starts the launcher, which becomes the game: one process id throughout.
env -C / HOME="$tmp/ann" XDG_DATA_HOME="$tmp/ann-data" "$prefix/games/zandoli" >/dev/null 2>&1 &
ann=$!
track_process "$ann"
env -C / -u XDG_DATA_HOME HOME="$tmp/ben" "$prefix/games/zandoli" >/dev/null 2>&1 &
ben=$!
track_process "$ben"

# The title opens, in the user's own folder, whose links lead to the prefix.
user() {
    local pid=$1 folder=$2 window item
    window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) ||
        fail "no title window for $folder"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "${WIDTH}x$HEIGHT" = 372x438 ] || fail "the first window is ${WIDTH}x$HEIGHT, not the title"
    [ "$(readlink -f "/proc/$pid/cwd")" = "$folder" ] || fail "the game does not run in $folder"
    for item in Images wav "Zandoli Rules.doc" fr_FR es_MX; do
        [ -L "$folder/$item" ] || fail "$folder/$item is not a link"
        [ -e "$folder/$item" ] || fail "$folder/$item leads nowhere: $(readlink "$folder/$item")"
        [ "$(readlink -f "$folder/$item")" = "$(readlink -f "$prefix/share/zandoli/$item")" ] ||
            fail "$folder/$item does not lead to the installed $item"
    done
}
user "$ann" "$tmp/ann-data/zandoli"
user "$ben" "$tmp/ben/.local/share/zandoli"

kill "$ann" "$ben"
wait "$ann" "$ben" 2>/dev/null || true
untrack_process "$ann"
untrack_process "$ben"
snapshot >"$tmp/after"
diff "$tmp/before" "$tmp/after" >&2 || fail "something was written under the prefix"
echo "installed launcher: two users, two folders, old links renewed, the title opens," \
    "the prefix untouched"
