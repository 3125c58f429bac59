#!/usr/bin/env bash
# Installs the build into a temporary prefix, or takes the game as the Debian
# package installed it under /usr, and starts the installed launcher as two
# users at once under Xvfb: each must get a working folder of its own with
# links to the installed data, the title must open, and nothing may be
# written under the prefix. One of them played an earlier install that has
# since been removed: the links it left dangle and must be renewed. A
# teacher's record, as the first version of the game wrote it, is then
# exported from the command line as a report (PDF) and for a spreadsheet
# (CSV).
#   installed-launcher.sh <build folder> <cmake>   a temporary prefix
#   installed-launcher.sh --package                the installed package
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=scripts/xvfb.sh
. "$here/../../scripts/xvfb.sh"

for tool in Xvfb xdotool desktop-file-validate appstreamcli file sqlite3 pdftotext; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

tmp=$(mktemp -d /tmp/zandoli-install-test.XXXXXX)
at_exit rm -rf "$tmp"
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "$1" = --package ]; then
    prefix=/usr
    # What the package put there, and its own folders whole: other packages
    # may come and go under /usr meanwhile.
    installed() {
        dpkg-query -L zandoli zandoli-data | while read -r path; do
            [ -z "$path" ] || [ -d "$path" ] || echo "$path"
        done
        find /usr/share/zandoli /usr/libexec/zandoli
    }
else
    prefix=$tmp/prefix
    "$2" --install "$1" --prefix "$prefix" >/dev/null
    installed() { find "$prefix"; }
fi

# What the desktop finds: the menu entry, the store entry, the icon sizes.
app=org.zandoli.Zandoli
# No error and no warning; one hint is meant: the game is filed under
# Education and under Games, so a menu shows it in both.
desktop-file-validate "$prefix/share/applications/$app.desktop" >"$tmp/desktop" ||
    { cat "$tmp/desktop" >&2; fail "desktop-file-validate rejects the menu entry"; }
grep -v 'contains more than one main category; application might appear more than once' \
    "$tmp/desktop" >&2 && fail "desktop-file-validate has remarks on the menu entry"
grep -qx "Exec=$prefix/games/zandoli" "$prefix/share/applications/$app.desktop" ||
    fail "the menu entry does not start the installed launcher"
# Every remark, the pedantic ones too; two are expected. The component id has
# a capital letter (the menu entry and the icons have borne that name since
# the first release), and <developer> is AppStream 1.0's, which Debian 12's
# AppStream 0.16 does not know yet: it reads <developer_name> beside it.
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$app.metainfo.xml" \
    >"$tmp/appstream" || { cat "$tmp/appstream" >&2; fail "appstreamcli rejects the metainfo"; }
grep -E '^[A-Z]: ' "$tmp/appstream" | sed 's/:[0-9]*: / /' | diff - <(
    echo "P: org.zandoli.Zandoli cid-contains-uppercase-letter org.zandoli.Zandoli"
    echo "I: org.zandoli.Zandoli unknown-tag developer"
) >&2 || fail "appstreamcli's remarks on the metainfo are not the two expected"
for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not $size x $size"
done
for item in games/zandoli share/zandoli/Images/wdial.jpg share/zandoli/wav share/zandoli/about.html \
    "share/zandoli/Zandoli Rules.doc" "share/zandoli/fr_FR/Règles de Zandoli.doc" \
    share/zandoli/de_CH/about.html share/zandoli/Images/opening.comma-spaced.jpg; do
    [ -e "$prefix/$item" ] || fail "$item is not installed"
done

snapshot() { installed | sort -u | xargs -d '\n' stat -c '%n %s %.9Y %A'; }
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

# A teacher's record from the game's first version, exported from a terminal
# in a folder of the teacher's own: the report has Blue's page with the one
# wrong card, the spreadsheet the turn's two rows.
mkdir -p "$tmp/cara-data/zandoli" "$tmp/cara/desk"
sqlite3 -batch "$tmp/cara-data/zandoli/record.sqlite" <"$here/../record/version-1.sql"
export_record() {
    env -C "$tmp/cara/desk" HOME="$tmp/cara" XDG_DATA_HOME="$tmp/cara-data" TZ=UTC LANGUAGE= \
        LC_ALL=C.UTF-8 "$prefix/games/zandoli" --export "$1" >>"$tmp/export.log" 2>&1 ||
        { cat "$tmp/export.log" >&2; fail "zandoli --export $1 failed"; }
}
export_record report.pdf
export_record choices.csv
pdftotext "$tmp/cara/desk/report.pdf" - | tr -s ' \n' ' ' >"$tmp/report.txt"
grep -q "Zandoli? — what Blue learned All games recorded: 1 game 0 matched, 1 wrong, 0 missed, 1 spin" \
    "$tmp/report.txt" || fail "the report is not Blue's one game: $(head -c 300 "$tmp/report.txt")"
cat >"$tmp/choices.csv" <<'CSV'
game,started,pupil,colour,turn,time,what,spin_value,star,card,card_value,card_form,mistake
first-version-game,2020-09-13T12:26:40Z,,blue,1,2020-09-13T12:26:42Z,spin,0.3,,,,,
first-version-game,2020-09-13T12:26:40Z,,blue,1,2020-09-13T12:26:43Z,wrong,0.3,,29,0.4,fraction,tenth-away
CSV
# The file's lines end in CR LF.
tr -d '\r' <"$tmp/cara/desk/choices.csv" | diff "$tmp/choices.csv" - >&2 ||
    fail "the spreadsheet is not the record's two rows"

snapshot >"$tmp/after"
diff "$tmp/before" "$tmp/after" >&2 || fail "something was written under the prefix"
echo "installed launcher: two users, two folders, old links renewed, the title opens," \
    "a record exported as PDF and CSV, the prefix untouched"
