# Without any display to open a window on, nor a terminal, the program says why in one
# line on the standard error, naming each one's reason, and ends with status 1, promptly.
test_name=no_display
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_lib.sh"
DISPLAY= WAYLAND_DISPLAY= timeout 20 "$tablox" >"$workdir/stdout" 2>"$workdir/stderr" </dev/null
status=$?
check "the program ends with status 1" test "$status" -eq 1
check "nothing goes to the standard output" test ! -s "$workdir/stdout"
check "one line goes to the standard error" test "$(wc -l <"$workdir/stderr")" -eq 1
check "the line gives the window's reason, then the terminal's" grep -qx \
  'tablox: cannot open a window (SDL: ..*), and standard input and output are not both terminals' \
  "$workdir/stderr"
finish no_display
