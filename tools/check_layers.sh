#!/usr/bin/env bash
# Fails when a source file includes a header of a layer above its own, when a back end
# reaches into the display core beyond its interface, or when the core, the furniture,
# the calculations or the shell include a system header that belongs to the platform
# layer or a back end. The layers, from the bottom:
#   platform/                 the operating system's services (posix/, windows/)
#   display/                  the display core; it sees platform/platform.h only
#   display/backends/<name>/  one back end each; they see display/backend.h and the
#                             pure helpers of the core, and their own folder
#   app/furniture/            the screen furniture
#   calculators/              the calculations
#   app/shell/                the shell
#   app/main.cpp              the entry point, which joins the back ends to the shell
# Usage: tools/check_layers.sh [SOURCE_ROOT]
set -u
cd "${1:-$(dirname "$0")/..}" || exit 2

core='display/[a-z0-9_]+\.h'
# What a back end may see of the core: its interface and the pure helpers.
backend_view='display/(backend|picture|input_queue|keys|cp437|utf8)\.h|display/backends/(shared_session|window_scale)\.h'
platform_view='platform/platform\.h'
# System headers that only the platform layer and the back ends include.
system_headers='<(sys/[^>]*|unistd\.h|poll\.h|signal\.h|csignal|pthread\.h|termios\.h|fcntl\.h|windows\.h|SDL[^>]*|X11/[^>]*)>'

# allowed FILE: the pattern of quoted includes the file may use.
allowed() {
  case "$1" in
    platform/posix/*) echo "platform/platform\.h|platform/posix/[a-z0-9_]+\.h" ;;
    platform/windows/*) echo "platform/platform\.h|platform/windows/[a-z0-9_]+\.h" ;;
    platform/*) echo "$platform_view" ;;
    display/backends/desktop*) echo "display/backends/[a-z0-9_/]+\.h|$backend_view" ;;
    display/backends/*/*)
      local own=${1%/*}
      echo "$own/[a-z0-9_]+\.h|$backend_view|$platform_view|platform/(posix|windows)/[a-z0-9_]+\.h" ;;
    display/backends/*) echo "$backend_view" ;;
    display/*) echo "$core|$platform_view" ;;
    app/furniture/*) echo "app/furniture/[a-z0-9_]+\.h|$core" ;;
    calculators/*) echo "calculators/[a-z0-9_]+\.h|app/furniture/[a-z0-9_]+\.h|$core" ;;
    app/shell/*) echo "app/shell/[a-z0-9_]+\.h|calculators/[a-z0-9_]+\.h|app/furniture/[a-z0-9_]+\.h|$core" ;;
    app/main.cpp) echo "app/shell/[a-z0-9_]+\.h|$core|display/backends/desktop\.h|$platform_view" ;;
  esac
}

status=0
while IFS= read -r file; do
  pattern=$(allowed "$file")
  while IFS= read -r line; do
    header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"${line#*:}")
    if ! grep -qxE "$pattern" <<<"$header"; then
      echo "$file:${line%%:*}: includes \"$header\", which its layer may not see" >&2
      status=1
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
  case "$file" in
    platform/* | display/backends/*) ;;
    *)
      while IFS= read -r line; do
        echo "$file:${line%%:*}: includes a system header of the platform layer or a back end: ${line#*:}" >&2
        status=1
      done < <(grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*$system_headers" "$file") ;;
  esac
done < <(find platform display app calculators -name '*.cpp' -o -name '*.h' | sort)
# No circle among the files of display/: a file and its header count as one, and each
# includes only those whose work it uses.
pairs=$(find display -name '*.cpp' -o -name '*.h' | sort | while IFS= read -r file; do
  grep -hE '^#include "display/' "$file" | sed -E 's/.*"(.*)\.h".*/\1/' |
    while IFS= read -r header; do
      [ "$header" != "${file%.*}" ] && echo "${file%.*} $header"
    done
done)
if ! loop=$(tsort <<<"$pairs" 2>&1 >/dev/null) || [ -n "$loop" ]; then
  echo "display/ has an include circle:" >&2
  echo "$loop" >&2
  status=1
fi
[ "$status" -eq 0 ] && echo "Layers: every include points down, and display/ has no include circle"
exit "$status"
