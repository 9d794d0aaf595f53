#!/usr/bin/env bash
# Measures the real program under Xvfb: time from start to the menu being shown, then
# with the menu waiting for its choice, the processor time over 10 s and the resident
# memory. Usage: tools/measure_window.sh build/tablox [runs]
# SDL_FRAMEBUFFER_ACCELERATION=opengl in the environment measures SDL's GL path instead
# of the program's software one (SDL lets the environment override the program's hint).
set -u
tablox=$(realpath "$1")
runs=${2:-3}
xprobe=$(dirname "$tablox")/tests/xprobe
workdir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$workdir/display" 2>/dev/null &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$workdir"' EXIT
until [ -s "$workdir/display" ]; do sleep 0.05; done
export DISPLAY=":$(head -n1 "$workdir/display")"
ticks=$(getconf CLK_TCK)

menu_shown() {
  local w
  for w in $(xdotool search --name '^tablox$' 2>/dev/null); do
    "$xprobe" text "$w" 2>/dev/null | sed -n 27p | grep -q '^Zadec cislo a stiskni ENTER$' && return 0
  done
  return 1
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

for run in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  "$tablox" &
  pid=$!
  until menu_shown; do sleep 0.005; done
  shown=$(date +%s%N)
  before=$(cpu_ticks $pid)
  sleep 10
  after=$(cpu_ticks $pid)
  rss=$(awk '/VmRSS/{print $2}' "/proc/$pid/status")
  gl=$(grep -c -E 'swrast_dri|libGLX_mesa|llvmpipe' "/proc/$pid/maps")
  kill $pid
  wait $pid 2>/dev/null
  echo "run $run: menu after $(((shown - start) / 1000000)) ms;" \
    "idle CPU $(awk -v t=$((after - before)) -v hz="$ticks" 'BEGIN{printf "%.2f", 100 * t / hz / 10}')% of a core;" \
    "VmRSS $((rss / 1024)) MiB; GL libraries mapped: $([ "$gl" -gt 0 ] && echo yes || echo no)"
done
