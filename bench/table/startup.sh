#!/usr/bin/env bash
# Times the game's start-up to the name prompt against a minimal Qt Widgets program, and reports
# the peak memory of each. Usage: bench/table/startup.sh [build-dir] (default: build).
# Needs a display; without one it runs itself again under xvfb-run.
set -euo pipefail
build=${1:-build}
runs=${RUNS:-20}
game=$build/bench/table/startup_to_prompt
base=$build/bench/table/minimal_qt
for exe in "$game" "$base"; do
  [ -x "$exe" ] || { echo "missing $exe: build the targets startup_to_prompt and minimal_qt" >&2; exit 1; }
done
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

# Wall time of one run in microseconds.
run_us() {
  local t0 t1
  t0=$(date +%s%N); "$1" >/dev/null 2>&1; t1=$(date +%s%N)
  echo $(( (t1 - t0) / 1000 ))
}

# Median in milliseconds of the numbers on stdin.
median_ms() {
  sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%.1f", m/1000}'
}

peak_mb() { "$1" 2>/dev/null | awk '/peak_rss_kb/ {printf "%.1f", $2/1024}'; }

if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 2 --runs "$runs" "$game" "$base"
fi
# The two programs take turns, so a busy machine slows both alike.
for exe in "$game" "$base"; do "$exe" >/dev/null 2>&1; done
game_times=() base_times=()
for ((i = 0; i < runs; i++)); do
  game_times+=("$(run_us "$game")")
  base_times+=("$(run_us "$base")")
done
game_ms=$(printf '%s\n' "${game_times[@]}" | median_ms)
base_ms=$(printf '%s\n' "${base_times[@]}" | median_ms)
echo "start-up to the name prompt: ${game_ms} ms (median of $runs)"
echo "minimal Qt Widgets program:  ${base_ms} ms"
awk -v g="$game_ms" -v b="$base_ms" 'BEGIN {printf "ratio: %.2fx (goal <= 1.5x)\n", g/b}'
echo "peak memory: game $(peak_mb "$game") MB (goal < 60 MB), baseline $(peak_mb "$base") MB"
