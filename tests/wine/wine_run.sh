#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix of its own, which it makes on first use
# (about 15 s; once, whoever comes first, when several run at once). The build's tests
# run through it (CMake's cross-compiling emulator), with the prefix in the build tree.
# Wine is kept quiet and from writing menu entries into the host's home; no Mono or
# Gecko is asked for; no window manager manages the program's windows.
#   wine_run.sh PREFIX [PROGRAM.exe [ARGUMENTS...]]   (without a program: only the prefix)
set -euo pipefail
prefix=$(realpath -m "$1")
shift
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=;mscoree=;mshtml="
if [ ! -f "$prefix/.made" ]; then
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    if [ ! -f "$prefix/.made" ]; then
      rm -rf "$prefix"
      # No display while it is made: nothing to show, and nothing to wait for.
      env -u DISPLAY -u WAYLAND_DISPLAY wineboot --init >/dev/null 2>&1
      # Windows that no window manager manages: Wine frames them, stacks them and gives
      # them the keyboard itself, at once, as Windows does.
      env -u DISPLAY -u WAYLAND_DISPLAY wine reg add 'HKCU\Software\Wine\X11 Driver' \
        /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
      wineserver --wait
      touch "$prefix/.made"
    fi
  ) 9>"$prefix.lock"
fi
[ $# -eq 0 ] && exit 0
exec wine "$@"
