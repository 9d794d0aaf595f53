# Where the desktop asks for larger windows, the window is a whole multiple of 640x480
# with every pixel a square of that size: GDK_SCALE, the X server's Xft.dpi, and
# TABLOX_SCALE above both. Without any of them (every other window test) it is 640x480.
test_name=scale
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_lib.sh"
start_xvfb 2048x1536
size_is() { [ "$("$xprobe" size "$window")" = "$1" ]; }
squares_are_whole() { [ "$("$xprobe" squares "$window" "$1")" = 0 ]; }

# scaled_run DESCRIPTION SIZE ENVIRONMENT...: the program's window in that environment.
scaled_run() {
  env "${@:3}" "$tablox" >"$workdir/stdout" 2>"$workdir/stderr" &
  program_pid=$!
  wait_for 10 find_window || abort "no window named tablox appeared ($1)"
  check "$1: the window is $2" wait_for 5 size_is "$2"
  check "$1: the menu is shown" wait_for 5 row_is 27 "Zadec cislo a stiskni ENTER"
}

scaled_run "GDK_SCALE=2" "1280 960" GDK_SCALE=2
check "GDK_SCALE=2: every pixel is a 2x2 square" squares_are_whole 2
check "GDK_SCALE=2: and not all one colour" test "$("$xprobe" squares "$window" 4)" -gt 0
xdotool key --delay 0 1 0 Return
wait_for_exit 5
check "GDK_SCALE=2: item 10 ends the program (status $status)" test "$status" -eq 0

xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	192"
scaled_run "Xft.dpi 192" "1280 960"
kill "$program_pid"
wait_for_exit 5
scaled_run "TABLOX_SCALE=3 over Xft.dpi 192" "1920 1440" TABLOX_SCALE=3
check "TABLOX_SCALE=3: every pixel is a 3x3 square" squares_are_whole 3
finish scale
