#!/usr/bin/env bash
# Plays the table with a screen reader's client: a private X display and session bus, the
# accessibility bus, the game with a scripted deck, then the client (listen_to_the_table.py).
# Usage: listen_to_the_table.sh GAME CLIENT PYTHON BUS-LAUNCHER
set -euo pipefail

if [ -z "${DW_LISTENING:-}" ]; then
    export DW_LISTENING=1
    # The whole run, buses and display included, ends within 50 seconds whatever happens.
    exec timeout -k 5 50 xvfb-run -a -s "-screen 0 1024x768x24" \
        dbus-run-session -- "$0" "$@" 2> >(grep -v "dbus-daemon\[" >&2)
fi

game=$1 client=$2 python=$3 launcher=$4
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
started=()
finish() {
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap finish EXIT

"$launcher" --launch-immediately &
started+=($!)
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$game" &
game_pid=$!
started+=($game_pid)

timeout 40 "$python" "$client" "$(basename "$game")"

# The client left through the exit window's button, which ends the game by itself.
for _ in $(seq 50); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$game_pid" 2>/dev/null; then
    echo "FAILED: the game was still running after its exit window closed"
    exit 1
fi
wait "$game_pid"
