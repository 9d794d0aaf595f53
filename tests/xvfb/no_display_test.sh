# Without any display to open a window on, the program says so in one line on the
# standard error and ends with status 1, promptly.
test_name=no_display
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_lib.sh"
DISPLAY= WAYLAND_DISPLAY= timeout 20 "$tablox" >"$workdir/stdout" 2>"$workdir/stderr" </dev/null
status=$?
check "the program ends with status 1" test "$status" -eq 1
check "nothing goes to the standard output" test ! -s "$workdir/stdout"
check "one line goes to the standard error" test "$(wc -l <"$workdir/stderr")" -eq 1
check "the line says that no window could be opened" \
  grep -q '^tablox: cannot open a window: ' "$workdir/stderr"
finish no_display
