#!/usr/bin/env bash
# Plays a hand by keys while Orca itself listens: a private X display and session bus, the
# accessibility bus, speech-dispatcher speaking through espeak-ng into ALSA's null device, Orca
# with its debug log, then the game with a scripted deck. Asserts on what Orca spoke.
# Usage: orca_at_the_table.sh GAME PYTHON BUS-LAUNCHER ORCA-RUNNER
set -euo pipefail

if [ -z "${DW_ORCA_LISTENING:-}" ]; then
    export DW_ORCA_LISTENING=1
    exec timeout -k 5 150 xvfb-run -a -s "-screen 0 1024x768x24" \
        dbus-run-session -- "$0" "$@" 2> >(grep -v "dbus-daemon\[" >&2)
fi

game=$1 python=$2 launcher=$3 runner=$4
home=$(mktemp -d)
export HOME=$home XDG_RUNTIME_DIR=$home/run XDG_CONFIG_HOME=$home/config
export XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache GSETTINGS_BACKEND=memory
mkdir -p "$XDG_RUNTIME_DIR" "$home/speech/modules" "$home/orca"
chmod 700 "$XDG_RUNTIME_DIR"
log=$home/orca.log
started=()
finish() {
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    for _ in $(seq 50); do
        alive=0
        for pid in "${started[@]}"; do kill -0 "$pid" 2>/dev/null && alive=1; done
        [ $alive = 0 ] && break
        sleep 0.1
    done
    for pid in "${started[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$home"
}
trap finish EXIT

# Waits up to thirty seconds (a loaded machine is slow) for Orca to say something matching an
# extended regular expression.
said() {
    grep -qE "SPEECH OUTPUT: '.*$1" "$log" 2>/dev/null
}
wait_for() {
    for _ in $(seq 600); do
        said "$1" && return 0
        sleep 0.05
    done
    echo "FAILED: Orca never said /$1/"
    grep "SPEECH OUTPUT" "$log" || true
    exit 1
}

"$launcher" --launch-immediately &
started+=($!)
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done

cat >"$home/speech/speechd.conf" <<CONF
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
touch "$home/speech/modules/espeak-ng.conf"
speech-dispatcher -s -t 0 -C "$home/speech" -L "$home" >"$home/speech.out" 2>&1 &
started+=($!)

"$python" "$runner" "$log" "$home/orca" >"$home/orca.out" 2>&1 &
orca_pid=$!
started+=($orca_pid)
wait_for "Screen reader on"

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$game" >"$home/game.out" 2>&1 &
started+=($!)
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
    "notification Best hold: keep three of hearts, five of hearts, seven of hearts, king of hearts: 3.83 credits; Line 28: Four to a flush." \
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
