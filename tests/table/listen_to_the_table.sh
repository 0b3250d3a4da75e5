#!/usr/bin/env bash
# Plays the table with a screen reader's client: a private X display and session bus, the
# accessibility bus, the client (listen_to_the_table.py), then the game with a scripted deck.
# Usage: listen_to_the_table.sh GAME CLIENT PYTHON BUS-LAUNCHER
set -euo pipefail
source "$(dirname "$0")/reader_session.sh"
enter_reader_session 50 "$0" "$@"

game=$1 client=$2 python=$3 launcher=$4
start_accessibility_bus "$launcher"

# The game starts only once the client's listeners are in the registry, as a screen reader runs
# before the programs it reads: the game's bridge asks the registry for the listeners when it
# starts and then follows their changes, and a listener registered between the two is never
# told to the game, which then sends no events at all.
listening=$home/listening
mkfifo "$listening"
timeout 40 "$python" "$client" "$(basename "$game")" "$listening" &
client_pid=$!
started+=($client_pid)
if ! read -r -t 30 _ <>"$listening"; then
    echo "FAILED: the client never registered its listeners"
    exit 1
fi
start_game "$game"
wait "$client_pid"

# The client left through the exit window's button, which ends the game by itself; a game that
# stayed would run into the time limit.
echo "The client has left; the game is to end by itself."
wait "$game_pid"
