# Shared steps of the window tests, sourced by tests/xvfb/*_test.sh with the program's
# path as $1: a private X server, the program started in it, polling for what the
# window shows, and the tally of checks. The Windows build's tests (tests/wine/) source
# it too: they set XPROBE (the Linux build's), `runner` (Wine) and `only_visible`.
set -u
tablox=$(realpath "$1")
xprobe=${XPROBE:-$(dirname "$tablox")/tests/xprobe}
runner=()       # what the program is started with
only_visible='' # --onlyvisible: count only mapped windows as the program's
workdir=$(mktemp -d)
# In the sanitizer build: leaks of the libraries beneath SDL are not the program's.
export LSAN_OPTIONS="print_suppressions=0:suppressions=$(dirname "${BASH_SOURCE[0]}")/lsan_suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
passed=0
failed=0
xvfb_pid=
program_pid=
wm_pid=

cleanup() {
  declare -F before_cleanup >/dev/null && before_cleanup
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$workdir"
}
trap cleanup EXIT

check() { # check DESCRIPTION COMMAND...: counts the command's success
  if "${@:2}"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $1"
  fi
}

finish() { # finish NAME: the closing line; the exit status says whether all passed
  echo "xvfb $1: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

abort() {
  echo "ABORTED: $*"
  if [ -n "$program_pid" ]; then
    program_alive && echo "(the program is running)" || echo "(the program has ended)"
    head -n 20 "$workdir/stderr"
  fi
  echo "(DISPLAY=$DISPLAY; $(xdpyinfo >/dev/null 2>&1 && echo reachable || echo unreachable))"
  cat "$workdir/xvfb.log"
  failed=$((failed + 1))
  finish "${test_name:-window}"
}

# wait_for SECONDS COMMAND...: polls the command until it succeeds or time runs out.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

# start_xvfb [WIDTHxHEIGHT]: a private server (1024x768 unless told) on a display number
# that it finds free itself. It must not reset when its last client leaves: a client
# connecting just then would fail.
start_xvfb() {
  [ -x "$xprobe" ] || abort "xprobe not built beside $tablox"
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset \
    3>"$workdir/display" 2>"$workdir/xvfb.log" &
  xvfb_pid=$!
  wait_for 10 test -s "$workdir/display" || abort "Xvfb did not start: $(cat "$workdir/xvfb.log")"
  export DISPLAY=":$(head -n1 "$workdir/display")"
}

# start_window_manager [OPTIONS...]: openbox (with its options) on the X server, once it
# names itself in its check window, as programs look for a window manager so.
start_window_manager() {
  command -v openbox >/dev/null || abort "openbox is not installed (tools/install_deps.sh)"
  openbox --sm-disable "$@" >"$workdir/wm.log" 2>&1 &
  wm_pid=$!
  wait_for 10 wm_running || abort "the window manager did not start: $(cat "$workdir/wm.log")"
}
wm_running() {
  local check
  check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/{print $NF}')
  [ -n "$check" ] && xprop -id "$check" _NET_WM_NAME 2>/dev/null | grep -q Openbox
}

# Starts the program with the pointer off its window, so that the keyboard reaches the
# window only because the window took it.
start_program() {
  xdotool mousemove 0 0
  "${runner[@]}" "$tablox" >"$workdir/stdout" 2>"$workdir/stderr" &
  program_pid=$!
}

# Nothing on the standard output or error; shows what there was otherwise.
printed_nothing() {
  [ ! -s "$workdir/stdout" ] && [ ! -s "$workdir/stderr" ] && return 0
  head -n 20 "$workdir/stdout" "$workdir/stderr"
  return 1
}

program_alive() { kill -0 "$program_pid" 2>/dev/null; }

# wait_for_exit SECONDS: waits for the program to end, killing it after SECONDS, and
# sets $status to its exit status.
wait_for_exit() {
  wait_for "$1" bash -c "! kill -0 $program_pid 2>/dev/null" || kill -KILL "$program_pid"
  wait "$program_pid"
  status=$?
  program_pid=
}

# The ids of the program's windows (the title is the program's file name).
program_windows() { xdotool search $only_visible --name '^tablox$' 2>/dev/null; }

# find_window [NOT_ID]: sets $window to a window of the program other than NOT_ID.
find_window() {
  local w
  for w in $(program_windows); do
    if [ "$w" != "${1:-}" ]; then
      window=$w
      return 0
    fi
  done
  return 1
}

screen_text() { "$xprobe" text "$window" 2>/dev/null; }
row_text() { screen_text | sed -n "${1}p"; }
# row_is ROW TEXT: the row of the current window reads exactly TEXT.
row_is() { [ "$(row_text "$1")" = "$2" ]; }
