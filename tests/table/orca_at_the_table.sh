#!/usr/bin/env bash
# Plays a hand by keys while Orca itself listens, opening the statistics first: a
# private X display and session bus, the accessibility bus, speech-dispatcher speaking through
# espeak-ng into ALSA's null device, Orca with its debug log, then the game with a scripted deck.
# Asserts on what Orca spoke; with DW_ORCA_TRANSCRIPT set, saves it there too.
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
# Follows the log as Orca writes it until Orca has said something matching an extended regular
# expression, or as many times as the second argument says; gives up after thirty seconds (a
# loaded machine is slow).
wait_for() {
    local times=${2:-1}
    if [ "$(timeout 30 grep -E -m "$times" "SPEECH OUTPUT: '.*$1" \
        <(tail -n +1 --pid="$orca_pid" -f "$log" | grep --line-buffered -E "SPEECH OUTPUT: '.*$1") |
        wc -l)" = "$times" ]; then
        echo "heard /$1/"  # how far the test came, should it be stopped later
        return 0
    fi
    echo "FAILED: Orca never said /$1/ ${2:-1} times"
    grep "SPEECH OUTPUT" "$log" || true
    exit 1
}

# Chooses a menu entry of the game through AT-SPI: a popup menu opened by keys may close at once
# under load.
choose() {
    if ! timeout 60 "$python" "$(dirname "$0")/choose_menu_item.py" "$(basename "$game")" "$1"; then
        echo "FAILED: the menu entry $1 could not be chosen through AT-SPI"
        exit 1
    fi
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

# The statistics, chosen through AT-SPI (a popup menu opened by keys may close at once under
# load), put away by Escape, back at the table: Orca reads each caption with its value as the
# window opens.
choose "View Statistics"
wait_for "Statistics of Default Player dialog"
xdotool key Escape
wait_for "Calvarro Ruvizu Zaz Uvedo Zivuv frame" 2

xdotool key Return
wait_for "Dealt"
xdotool key 1
wait_for "Three of hearts, held"
xdotool key 3
wait_for "Five of hearts, held"
xdotool key h
wait_for "Best hold"
# The chart opens on the line of the hand held, says it, and goes by Escape.
choose "Strategy Chart"
wait_for "Strategy Chart dialog"
wait_for "Line 31"
xdotool key Escape
wait_for "Calvarro Ruvizu Zaz Uvedo Zivuv frame" 3
xdotool key Return
wait_for "balance"
# The trainer's state when it is turned on.
choose "Trainer"
wait_for "Trainer on"

# Orca's log is written line by line, so it holds all Orca said; Orca is stopped at the end.
spoken=$home/spoken
sed -n "s/.*SPEECH OUTPUT: '\(.*\)' \?{'.*/\1/p" "$log" >"$spoken"
echo "Orca said:"
sed 's/^/    /' "$spoken"
[ -z "${DW_ORCA_TRANSCRIPT:-}" ] || cp "$spoken" "$DW_ORCA_TRANSCRIPT"
heard() {
    if ! grep -qF "$1" "$spoken"; then
        echo "FAILED: Orca never said: $1"
        exit 1
    fi
}
heard "notification Dealt: three of hearts, nine of clubs, five of hearts, seven of hearts, king of hearts."
heard "notification Three of hearts, held."
heard "notification Five of hearts, held."
heard "notification Best hold: keep three of hearts, five of hearts, seven of hearts, king of hearts: 3.83 credits; Line 31: Four to a flush."
heard "Strategy Chart dialog"
heard "notification Trainer on"
heard "notification You won with a flush, 15 credits; balance 210. Your hand: three of hearts, jack of hearts, five of hearts, queen of hearts, four of hearts."
if [ "$(grep -c "Dealt" "$spoken")" != 1 ]; then
    echo "FAILED: Orca heard more than one deal"
    exit 1
fi
# The statistics as the window opens: every caption with its value, in the window's order.
heard "Statistics of Default Player dialog Date Account Created: "
heard "Credits Available: 200 Hands Played: 0 Hands Won: 0 Overall Win Percentage: "
heard "Flushes, Won: 0 Flushes, Win %: "
heard "3 of a Kind, Won: 0 3 of a Kind, Win %: .000 Last Royal Flush w/2's Won: Never Won Last 4 Deuces Won: Never Won Last Royal Flush Won: Never Won"
echo "Orca said everything of the hand and the statistics."
