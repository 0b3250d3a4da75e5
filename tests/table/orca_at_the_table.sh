#!/usr/bin/env bash
# Plays a hand by keys while Orca itself listens: a private X display and session bus, the
# accessibility bus, speech-dispatcher speaking through espeak-ng into ALSA's null device, Orca
# with its debug log, then the game with a scripted deck. Asserts on what Orca spoke.
# Usage: orca_at_the_table.sh GAME PYTHON BUS-LAUNCHER ORCA-RUNNER
set -euo pipefail

source "$(dirname "$0")/reader_session.sh"
enter_reader_session 150 "$0" "$@"

game=$1 python=$2 launcher=$3 runner=$4
mkdir -p "$home/speech/modules" "$home/orca"
log=$home/orca.log

# Whether Orca has said something matching an extended regular expression.
said() {
    grep -qE "SPEECH OUTPUT: '.*$1" "$log"
}
# Follows the log as Orca writes it until Orca says something matching an extended regular
# expression; gives up after thirty seconds (a loaded machine is slow).
wait_for() {
    if timeout 30 grep -qE "SPEECH OUTPUT: '.*$1" <(tail -n +1 --pid="$orca_pid" -f "$log"); then
        return 0
    fi
    echo "FAILED: Orca never said /$1/"
    grep "SPEECH OUTPUT" "$log" || true
    exit 1
}

start_accessibility_bus "$launcher"

cat >"$home/speech/speechd.conf" <<CONF
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
touch "$home/speech/modules/espeak-ng.conf"
speech-dispatcher -s -t 0 -C "$home/speech" -L "$home" >"$home/speech.out" 2>&1 &
started+=($!)

: >"$log"
"$python" "$runner" "$log" "$home/orca" >"$home/orca.out" 2>&1 &
orca_pid=$!
started+=($orca_pid)
wait_for "Screen reader on"

start_game "$game" >"$home/game.out" 2>&1
wait_for "Default Playe selected"
xdotool key Return
wait_for "Deal push button"

# Orca's keys deal nothing: Return with Insert, Orca's modifier, held down until Orca has
# answered Insert with keypad Enter; then keypad Enter alone, Orca's "Where am I", which reads
# the button, still "Deal".
xdotool keydown Insert key Return key KP_Enter
wait_for "Status bar not found"
xdotool keyup Insert
xdotool key KP_Enter
wait_for "Deal push button Press Deal To Start The Game"
if said "Dealt"; then
    echo "FAILED: Orca's keys dealt"
    exit 1
fi

xdotool key Return
wait_for "Dealt"
xdotool key 1
wait_for "held"
xdotool key h
wait_for "Best hold"
xdotool key Return
wait_for "balance"

# Orca has stopped, and so has told its log all it said.
kill -TERM "$orca_pid"
wait "$orca_pid" || true
spoken=$home/spoken
sed -n "s/.*SPEECH OUTPUT: '\(.*\)' \?{'.*/\1/p" "$log" >"$spoken"
echo "Orca said:"
sed 's/^/    /' "$spoken"
for line in \
    "notification Dealt: three of hearts, nine of clubs, five of hearts, seven of hearts, king of hearts." \
    "notification Three of hearts, held." \
    "notification Best hold: keep three of hearts, five of hearts, seven of hearts, king of hearts: 3.83 credits; Line 40: Four to a flush." \
    "notification You won with a flush, 15 credits; balance 210. Your hand: three of hearts, jack of hearts, eight of hearts, queen of hearts, four of hearts."; do
    if ! grep -qxF "$line" "$spoken"; then
        echo "FAILED: Orca never said: $line"
        exit 1
    fi
done
if [ "$(grep -c "Dealt" "$spoken")" != 1 ]; then
    echo "FAILED: Orca heard more than one deal"
    exit 1
fi
echo "Orca said everything of the hand."
