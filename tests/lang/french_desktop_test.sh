#!/usr/bin/env bash
# The real game on a French desktop (LANGUAGE=fr) under Xvfb, read through
# the accessibility bus as a screen reader reads it: the title, the table,
# the rules and the set-up screen speak French, and the cards of a saved
# game read "0,3", "30 %" and the tile as a quadrillage; the rules list one
# half as "0,5 ; 50 % ; 1/2" and name the Escape key "Échap" (Qt's own
# translation). The same save then reopens with --language de, in German. Each screen is photographed into the folder named by
# ZANDOLI_LANG_SHOTS, when set.
#   french_desktop_test.sh <build folder>
set -euo pipefail
# shellcheck source=scripts/xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"
build=$(readlink -f "$1")
here=$(readlink -f "$(dirname "${BASH_SOURCE[0]}")")

for tool in Xvfb dbus-run-session import; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
# The system's Python, which the distribution's pyatspi belongs to.
py=/usr/bin/python3
"$py" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }

# The rest runs on a session bus of its own, where the accessibility bus starts.
if [ -z "${ZANDOLI_ON_TEST_BUS:-}" ]; then
    ZANDOLI_ON_TEST_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

tmp=$(mktemp -d /tmp/zandoli-french.XXXXXX)
at_exit rm -rf "$tmp"
fail() { echo "FAIL: $*" >&2; exit 1; }
for item in Images wav "Zandoli Rules.doc" fr_FR; do ln -s "$build/$item" "$tmp/$item"; done

# A saved game of two players, Blue to play with the decimal 0.3 (card 4),
# the percentage 30 (card 15) and the tile of 3/10 (card 38); Yellow holds
# the decimals 0.1 to 0.7.
{
    printf '%s\r\n' 1 2 0 3 7 0 0
    for p in 0 1 2 3; do
        for s in 0 1 2 3 4 5 6 7 8 9 10 11; do
            card=48
            [ "$p" = 0 ] && [ "$s" = 0 ] && card=4
            [ "$p" = 0 ] && [ "$s" = 1 ] && card=15
            [ "$p" = 0 ] && [ "$s" = 2 ] && card=38
            [ "$p" = 1 ] && [ "$s" -lt 7 ] && card=$((2 + s))
            printf '%s\r\n%s\r\n' "$card" "$card"
        done
    done
    printf '%s\r\n' 20 0 0 0 1 0 0
} >"$tmp/lastgame.inf"

start_display 20 || fail "Xvfb did not start"
# The accessibility bus is up before anything asks for it, rather than
# started on demand by whichever process asks first: the readers below must
# never find it half started.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$tmp/bus.log" 2>&1 &
track_process $!
waitfor 50 "$py" -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' || fail "no accessibility bus"
mkdir -p "$tmp/config"
export XDG_CONFIG_HOME=$tmp/config QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL= LANG=C.UTF-8

game=
# start_game LANGUAGE ARGUMENT...: the game on a desktop of that LANGUAGE.
start_game() {
    local language=$1
    shift
    (cd "$tmp" && LANGUAGE=$language exec "$build/zandoli" "$@" >"$tmp/game.log" 2>&1) &
    game=$!
    track_process "$game"
}
stop_game() {
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
    untrack_process "$game"
}
seen() { "$py" "$here/../keyboard/atspi.py" dump >"$tmp/seen" 2>/dev/null && grep -qF -- "$1" "$tmp/seen"; }
expect() { waitfor 100 seen "$1" || { cat "$tmp/seen" "$tmp/game.log" >&2; fail "$2: no \"$1\""; }; }
press() { waitfor 50 "$py" "$here/../keyboard/atspi.py" press "$1" 2>>"$tmp/press.log" || { cat "$tmp/press.log" >&2; fail "cannot press \"$1\""; }; }
shot() {
    [ -n "${ZANDOLI_LANG_SHOTS:-}" ] || return 0
    mkdir -p "$ZANDOLI_LANG_SHOTS"
    sleep 0.5
    import -window root "$ZANDOLI_LANG_SHOTS/$1.png"
}

start_game fr
expect "Reprendre la partie" "title"
expect "Quitter" "title"
shot xvfb-fr-title
press "Reprendre la partie"
expect "Au tour de Bleu" "table"
# A card is read by its value and its face: the decimal face as written.
expect $'trois dixi\u00e8mes, en \u00e9criture d\u00e9cimale\u00a0: 0,3' "table: the decimal card"
expect $'trois dixi\u00e8mes, en pourcentage\u00a0: 30 pour cent' "table: the percentage card"
expect $'trois dixi\u00e8mes, en quadrillage de 20 cases dont 6 colori\u00e9es' "table: the tile card"
expect "Faire tourner la roue" "table"
shot xvfb-fr-table
press "Les règles"
expect "LES RÈGLES" "rules"
expect $'0,5\u00a0; 50\u00a0%\u00a0; 1/2' "rules"
expect $'fermer les r\u00e8gles. Touche\u00a0: \u00c9chap' "rules: the Escape key by its French name"
expect "Ouvrir les règles à imprimer" "rules"
shot xvfb-fr-rules
press "Fermer"
press "Quitter"
expect "Annuler" "title after the table"
press "Annuler"
expect "Choisis le nombre de joueurs" "set-up"
expect "Activer le son" "set-up"
expect "Masquer le bureau" "set-up"
expect "Retour" "set-up: Exit goes back to the title"
shot xvfb-fr-setup
stop_game

# The game the table saved on the way out reopens in German, asked for on
# the command line of the same French desktop.
start_game fr --language de
expect "Letztes Spiel fortsetzen" "German title"
press "Letztes Spiel fortsetzen"
expect "drei Zehntel, als Dezimalzahl: 0,3" "German table"
expect "drei Zehntel, in Prozent: 30 Prozent" "German table"
expect "drei Zehntel, als Kästchenfeld, in dem 6 von 20 Kästchen gefärbt sind" "German table"
shot xvfb-de-table
stop_game
echo "PASS"
