#!/usr/bin/env bash
# How quickly the program answers and what it costs while it waits, beside a bare SDL2
# program that only opens a 640x480 window and echoes keys (tools/bare_sdl_echo.cpp).
# Both run under one private Xvfb, in turns (program, bare, program, bare, ...), and the
# table gives the median of each figure over the runs, with the lowest and highest:
#   key echo       a key sent with XTest -> its echo in the window (program: "4" on the
#                  menu, echoed in row 28, column 3)
#   screen change  Return -> the last change of the window before 30 ms without one
#                  (program: the menu with "4" typed -> the next screen, in a new
#                  window; bare: a redraw of the whole window, and once more with
#                  --new-window: a new window drawn so, the old one closed)
#   start          the start -> the first picture stable for 30 ms (program: the menu)
#   idle           at the menu, over IDLE_SECONDS (3 unless told): processor time and
#                  wake-ups (time slices begun) of all threads, from
#                  /proc/PID/task/*/schedstat; then the same for the program alone in an
#                  80x30 terminal of tmux with no display
# With WINE_TABLOX (tablox.exe of the Windows build) and WINE_PREFIX, the Windows program
# is measured in the same turns under Wine (tests/wine/wine_run.sh, its windows left to no
# window manager), the idle figures over all the threads of its process.
# The latencies are timed by tools/latency_probe.cpp, which reads the pixels back in a
# loop. These are figures to read, not a test: nothing here fails on a slow machine.
#
# Usage: tools/measure_window.sh TABLOX [RUNS]   (RUNS 15 unless told)
# The helpers are looked for beside TABLOX: tools/latency_probe, tools/bare_sdl_echo and
# tests/xprobe of its build directory (or name them in LATENCY_PROBE, BARE_SDL_ECHO and
# XPROBE). SDL_FRAMEBUFFER_ACCELERATION=opengl in the environment measures SDL's GL path
# instead of the software one, for both (SDL lets the environment override a hint).
set -u
tablox=$(realpath "$1")
runs=${2:-15}
idle_seconds=${IDLE_SECONDS:-3}
build=$(dirname "$tablox")
probe=${LATENCY_PROBE:-$build/tools/latency_probe}
bare=${BARE_SDL_ECHO:-$build/tools/bare_sdl_echo}
xprobe=${XPROBE:-$build/tests/xprobe}
wine_tablox=${WINE_TABLOX:+$(realpath "$WINE_TABLOX")}
wine_run=("$(realpath "$(dirname "$0")/../tests/wine/wine_run.sh")" "$(realpath -m "${WINE_PREFIX:-wine}")")
[ -z "$wine_tablox" ] || "${wine_run[@]}" || { echo "measure_window: no Wine prefix" >&2; exit 1; }
for helper in "$probe" "$bare" "$xprobe"; do
  [ -x "$helper" ] || { echo "measure_window: $helper is not built" >&2; exit 1; }
done

workdir=$(mktemp -d)
tmux_socket="tablox-measure-$$"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$workdir/display" 2>/dev/null &
xvfb_pid=$!
trap 'tmux -L "$tmux_socket" kill-server 2>/dev/null; kill $xvfb_pid; rm -rf "$workdir"' EXIT
until [ -s "$workdir/display" ]; do sleep 0.05; done
export DISPLAY=":$(head -n1 "$workdir/display")"
echo "set -g status off" >"$workdir/tmux.conf"

# note FIGURE VALUE: keeps one run's value of a figure; "-" when it could not be taken.
note() { echo "$2" >>"$workdir/$1"; }

# idle PID: "WAKE-UPS_PER_SECOND PROCESSOR_PERCENT" of all the process's threads over
# idle_seconds. In schedstat the first field is the time on a processor in ns, the third
# the number of time slices the thread has run.
schedstat_sum() {
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ns += $1; n += $3} END {print ns, n}'
}
idle() {
  local ns1 n1 t1 ns2 n2 t2
  read -r ns1 n1 < <(schedstat_sum "$1")
  t1=$(date +%s%N)
  sleep "$idle_seconds"
  read -r ns2 n2 < <(schedstat_sum "$1")
  t2=$(date +%s%N)
  awk -v n=$((n2 - n1)) -v ns=$((ns2 - ns1)) -v t=$((t2 - t1)) \
    'BEGIN {printf "%.1f %.3f\n", n / (t / 1e9), 100 * ns / t}'
}

# stop PID: ends a program started by this script and waits for it.
stop() {
  kill "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}

# measure_window NAME TITLE PROGRAM [ARGUMENTS...]: one run of a windowed program, noting its figures
# under NAME. The probe becomes the program (so $! is the program) and writes the start
# time and the window's id to a file once the first picture has settled.
measure_window() {
  local name=$1 title=$2 program=$3 pid window started wakeups cpu deadline=$((SECONDS + 15))
  rm -f "$workdir/started"
  "$probe" start "$title" "$workdir/started" "$program" "${@:4}" >/dev/null 2>"$workdir/$name.log" &
  pid=$!
  until [ -s "$workdir/started" ] || [ $SECONDS -ge $deadline ]; do sleep 0.05; done
  if ! read -r started window <"$workdir/started" 2>/dev/null; then
    echo "$name: no window: $(head -n 3 "$workdir/$name.log")"
    stop $pid
    return
  fi
  local framed=
  [ "$name" = wine ] && framed=1
  if { [ "$name" = tablox ] || [ "$name" = wine ]; } &&
    [ "$(XPROBE_FRAMED=$framed "$xprobe" text "$window" | sed -n 27p)" != "Zadec cislo a stiskni ENTER" ]; then
    echo "$name: the picture that settled first is not the menu"
    started=-
  fi
  note "$name.start" "$started"
  read -r wakeups cpu < <(idle $pid)
  note "$name.wakeups" "$wakeups"
  note "$name.cpu" "$cpu"
  note "$name.rss" "$(awk '/VmRSS/ {printf "%.1f", $2 / 1024}' /proc/$pid/status)"
  grep -q -E 'swrast_dri|libGLX_mesa|llvmpipe' /proc/$pid/maps && echo yes >"$workdir/$name.gl" ||
    echo no >"$workdir/$name.gl"
  [ "$name" = wine ] && cat /proc/$pid/task/*/comm | sort | uniq -c |
    awk '{ n = $1; $1 = ""; printf "%s%s x%d", s, substr($0, 2), n; s = ", " }' >"$workdir/wine.threads"
  note "$name.echo" "$(LATENCY_PROBE_FRAMED=$framed "$probe" echo "$window" 28 3 4 || echo -)"
  note "$name.change" "$("$probe" change "$window" Return || echo -)"
  stop $pid
}

# measure_terminal: the program in an 80x30 terminal of tmux without a display, idle at
# its menu.
measure_terminal() {
  local pid wakeups cpu deadline=$((SECONDS + 15))
  tmux -L "$tmux_socket" -f "$workdir/tmux.conf" new-session -d -s measure -x 80 -y 30 \
    "exec env -u DISPLAY -u WAYLAND_DISPLAY '$tablox'"
  pid=$(tmux -L "$tmux_socket" display-message -p -t measure '#{pane_pid}')
  until tmux -L "$tmux_socket" capture-pane -p -t measure | grep -q 'Zadec cislo a stiskni ENTER'; do
    if [ $SECONDS -ge $deadline ]; then
      echo "terminal: no menu"
      tmux -L "$tmux_socket" kill-server
      return
    fi
    sleep 0.05
  done
  read -r wakeups cpu < <(idle "$pid")
  note terminal.wakeups "$wakeups"
  note terminal.cpu "$cpu"
  tmux -L "$tmux_socket" kill-server # the hang-up ends the program
  while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
}

# figure NAME [DECIMALS]: "MEDIAN (LOWEST-HIGHEST)" of the values noted under NAME
# (2 decimals unless told), "-" for none.
figure() {
  grep -s -v '^-$' "$workdir/$1" | sort -g | awk -v f="%.${2:-2}f" '
    { v[NR] = $1 }
    END {
      if (NR == 0) { print "-"; exit }
      m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf f " (" f "-" f ")\n", m, v[1], v[NR]
    }'
}

row() { printf '%-44s %-22s %-22s %s\n' "$1" "$2" "$3" "${4:-}"; }

for run in $(seq 1 "$runs"); do
  measure_window tablox tablox "$tablox"
  [ -n "$wine_tablox" ] && measure_window wine tablox "${wine_run[@]}" "$wine_tablox"
  measure_window bare bare_sdl_echo "$bare"
  measure_window barenew bare_sdl_echo "$bare" --new-window
  measure_terminal
  echo "run $run of $runs done"
done

echo
echo "Medians of $runs runs (lowest-highest); idle over $idle_seconds s; Xvfb, no window manager"
# wine_figure FIGURE [DECIMALS]: the Windows program's figure, when it was measured.
wine_figure() { [ -n "$wine_tablox" ] && figure "wine.$1" "${2:-}"; }
row "figure" "tablox" "bare SDL2 window" "${wine_tablox:+tablox.exe under Wine}"
row "typed key -> its echo, ms" "$(figure tablox.echo)" "$(figure bare.echo)" "$(wine_figure echo)"
row "ENTER on the menu -> next screen stable, ms" "$(figure tablox.change)" "$(figure bare.change)" \
  "$(wine_figure change)"
row "  bare opening a new window instead, ms" "" "$(figure barenew.change)"
row "start -> menu stable, ms" "$(figure tablox.start)" "$(figure bare.start)" "$(wine_figure start)"
row "idle at the menu: wake-ups per second" "$(figure tablox.wakeups 1)" "$(figure bare.wakeups 1)" \
  "$(wine_figure wakeups 1)"
row "idle at the menu: processor, % of a core" "$(figure tablox.cpu 3)" "$(figure bare.cpu 3)" \
  "$(wine_figure cpu 3)"
row "idle in a terminal: wake-ups per second" "$(figure terminal.wakeups 1)" "-"
row "idle in a terminal: processor, % of a core" "$(figure terminal.cpu 3)" "-"
row "resident memory at the menu, MiB" "$(figure tablox.rss 1)" "$(figure bare.rss 1)" "$(wine_figure rss 1)"
row "GL libraries mapped (last run)" "$(cat "$workdir/tablox.gl" 2>/dev/null)" \
  "$(cat "$workdir/bare.gl" 2>/dev/null)"
[ -n "$wine_tablox" ] && echo "Threads of tablox.exe's process under Wine (last run): $(cat "$workdir/wine.threads")"
