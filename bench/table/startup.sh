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

# Median wall time in milliseconds of $runs runs, after two warm-up runs.
median_ms() {
  local exe=$1 times=()
  "$exe" >/dev/null 2>&1; "$exe" >/dev/null 2>&1
  for ((i = 0; i < runs; i++)); do
    local t0 t1
    t0=$(date +%s%N); "$exe" >/dev/null 2>&1; t1=$(date +%s%N)
    times+=($(( (t1 - t0) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%.1f", m/1000}'
}

peak_mb() { "$1" 2>/dev/null | awk '/peak_rss_kb/ {printf "%.1f", $2/1024}'; }

if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 2 --runs "$runs" "$game" "$base"
fi
game_ms=$(median_ms "$game")
base_ms=$(median_ms "$base")
echo "start-up to the name prompt: ${game_ms} ms (median of $runs)"
echo "minimal Qt Widgets program:  ${base_ms} ms"
awk -v g="$game_ms" -v b="$base_ms" 'BEGIN {printf "ratio: %.2fx (goal <= 1.5x)\n", g/b}'
echo "peak memory: game $(peak_mb "$game") MB (goal < 60 MB), baseline $(peak_mb "$base") MB"
