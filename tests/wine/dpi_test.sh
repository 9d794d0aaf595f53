# On a display at 200 % (192 DPI, as Wine's LogPixels setting says) the program, aware
# of each monitor's DPI through its manifest, shows a window of twice 640x480, every
# pixel of the picture a 2x2 square. The setting is put back afterwards.
test_name=wine_dpi
source "$(dirname "${BASH_SOURCE[0]}")/wine_lib.sh"
desktop='HKCU\Control Panel\Desktop'
# Each change is waited for until Wine's server has ended and saved it, so that the
# next program's server reads it.
"${runner[@]}" reg add "$desktop" /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1 ||
  abort "cannot set Wine's DPI"
wineserver --wait
before_cleanup() {
  wineserver --kill 2>/dev/null
  "${runner[@]}" reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1
  wineserver --wait
}
start_xvfb 1600x1200
start_program
wait_for 20 find_window || abort "no window named tablox appeared"
size_is() { [ "$("$xprobe" size "$window")" = "$1" ]; }
check "the client area is 1280x960" wait_for 5 size_is "1280 960"
check "the menu is shown" wait_for 5 row_is 27 "Zadec cislo a stiskni ENTER"
check "every pixel of the picture is a 2x2 square" test "$("$xprobe" squares "$window" 2)" = 0
type_line 10
wait_for_exit 10
check "menu item 10 ends the program with status 0" test "$status" -eq 0
finish wine_dpi
