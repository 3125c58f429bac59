# shellcheck shell=bash
# A virtual X display for the scripts that drive the real game, sourced by
# bash scripts with a path relative to their own:
#   . "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
# Sourcing registers a clean-up that runs at exit: every process handed to
# track_process is stopped, newest first, so a game goes before the display
# it draws on; then the commands given to at_exit run, in order.
#   start_display [seconds]  starts Xvfb (1280 x 1024, or $XVFB_SIZE such as
#                            1280x720; 24 bits) on a display
#                            number it picks itself, so scripts running side
#                            by side never collide; exports DISPLAY and drops
#                            QT_QPA_PLATFORM and WAYLAND_DISPLAY, so Qt
#                            programs started afterwards draw on it. False
#                            when no display came up within the seconds
#                            (default 10).
#   track_process PID        stops PID at exit.
#   untrack_process PID      forgets PID (one the script has waited for).
#   at_exit COMMAND [ARG...] runs the command at exit, after the processes.
#   waitfor TENTHS COMMAND...  waits up to TENTHS tenths of a second for the
#                            command to succeed.
#   start_accessibility_bus LOG  starts at-spi2-core's bus launcher (output to
#                            LOG), stopped at exit, and waits for pyatspi to
#                            reach the desktop; false when it never did. Run
#                            it on a session bus of the script's own
#                            (dbus-run-session), so the bus goes with it.
#   skip_without TOOL... [-- MODULE...]  exits 77, the test skipped, naming
#                            the first program or Python 3 module missing.
#   on_private_bus "$0" "$@" runs the script again, once, on a session bus of
#                            its own (dbus-run-session), for
#                            start_accessibility_bus.

xvfb_pids=()
xvfb_exit_commands=()

track_process() {
    xvfb_pids+=("$@")
}

untrack_process() {
    local kept=() pid
    for pid in "${xvfb_pids[@]}"; do
        [ "$pid" = "$1" ] || kept+=("$pid")
    done
    xvfb_pids=("${kept[@]}")
}

at_exit() {
    xvfb_exit_commands+=("$(printf '%q ' "$@")")
}

xvfb_clean_up() {
    local i command
    for ((i = ${#xvfb_pids[@]} - 1; i >= 0; i--)); do
        kill "${xvfb_pids[i]}" 2>/dev/null || true
        # A process that ignores the polite signal gets 5 s, then the hard one.
        timeout 5 tail --pid="${xvfb_pids[i]}" -f /dev/null 2>/dev/null ||
            kill -KILL "${xvfb_pids[i]}" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    for command in "${xvfb_exit_commands[@]}"; do
        eval "$command" || true
    done
}
trap xvfb_clean_up EXIT

# Waits up to $1 tenths of a second for the command in the other arguments
# to succeed.
waitfor() {
    local tries=$1
    shift
    while [ "$tries" -gt 0 ]; do
        "$@" && return 0
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

skip_without() {
    local tool modules=
    for tool in "$@"; do
        if [ "$tool" = -- ]; then
            modules=1
        elif [ -n "$modules" ]; then
            /usr/bin/python3 -c "import $tool" 2>/dev/null || { echo "no $tool: skipped"; exit 77; }
        else
            command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
        fi
    done
}

on_private_bus() {
    [ -n "${ZANDOLI_PRIVATE_BUS:-}" ] && return 0
    ZANDOLI_PRIVATE_BUS=1 exec dbus-run-session -- bash "$@"
}

start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$1" 2>&1 &
    track_process $!
    waitfor 50 /usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)'
}

start_display() {
    local seconds=${1:-10} fd number
    # Xvfb writes the number of the display it took to a pipe opened both
    # ways here, so the read cannot meet an early end of file.
    exec {fd}<> <(:)
    # -noreset: by default the server resets when its last client leaves, and
    # a program started in that moment cannot connect; scripts that stop one
    # game and start the next hit it about one time in fifteen.
    Xvfb -displayfd "$fd" -screen 0 "${XVFB_SIZE:-1280x1024}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    track_process $!
    if ! read -r -t "$seconds" -u "$fd" number; then
        exec {fd}>&-
        return 1
    fi
    exec {fd}>&-
    export DISPLAY=:$number
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}
