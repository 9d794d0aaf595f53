# Screen changes in the real window without growth: every change opens a new window and
# closes the old one. After a warm-up and again after $SCREENS more changes (300 unless
# told; `make soak` asks for 10000) the resident memory, the file descriptors, the
# threads and the X resources of the process (xrestop's count when it is installed, the
# windows on the screen otherwise) are compared.
test_name=screen_changes
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_lib.sh"
changer=$(dirname "$tablox")/tests/screen_changes
screens=${SCREENS:-300}
[ -x "$changer" ] || abort "screen_changes not built beside $tablox"
start_xvfb

one_window() { test "$(xwininfo -root -tree | grep -c '"screen_changes"')" -eq 1; }

# The X resources of the process, once the old window of the last change has gone: one
# line of counts.
x_figures() {
  wait_for 10 one_window || abort "the old window did not close"

  if command -v xrestop >/dev/null; then
    xrestop -b -m 1 | awk -v pid="$program_pid" '
      /^[0-9]+ - / { mine = $0 ~ ("PID: *" pid " ") }
      mine && /windows|GCs|pixmaps|pictures|cursors|unknowns|total bytes/ {
        sub(/^[ \t]+/, ""); gsub(/[ \t]*:[ \t]*/, "="); gsub(/ /, "_"); printf "%s ", $0 }'
  else
    echo "windows=$(xwininfo -root -tree | grep -c '"screen_changes"')"
  fi
}

coproc CHANGER { exec "$changer" 20 "$screens" 2>"$workdir/stderr"; }
program_pid=$CHANGER_PID
server_kilobytes() { awk '/VmRSS/ {print $2}' "/proc/$xvfb_pid/status"; }

read -r -t 60 _ rss1 fds1 threads1 <&"${CHANGER[0]}" || abort "no figures after the warm-up"
x1=$(x_figures)
server1=$(server_kilobytes)
echo >&"${CHANGER[1]}"
read -r -t $((60 + screens / 10)) _ rss2 fds2 threads2 <&"${CHANGER[0]}" ||
  abort "no figures after $screens screens"
x2=$(x_figures)
server2=$(server_kilobytes)
echo >&"${CHANGER[1]}"
wait_for_exit 30

echo "after the warm-up: resident $rss1 kB, $fds1 descriptors, $threads1 threads;" \
  "X: $x1; X server resident $server1 kB"
echo "after $screens more: resident $rss2 kB, $fds2 descriptors, $threads2 threads;" \
  "X: $x2; X server resident $server2 kB"
check "the descriptors stay as many" test "$fds1" -eq "$fds2"
check "the threads stay as many" test "$threads1" -eq "$threads2"
check "the X resources stay as many" test "$x1" = "$x2"
# The address sanitizer keeps freed memory back for a while (each window's picture is
# over a megabyte); there its leak check at the end stands in for this one.
if ldd "$changer" | grep -q libasan; then
  echo "resident memory not compared: sanitizer build"
else
  check "the resident memory grows less than 2 MB" test $((rss2 - rss1)) -lt 2048
fi
check "the program ends with status 0" test "$status" -eq 0
check "the program printed nothing on its error output" printed_nothing
finish screen_changes
