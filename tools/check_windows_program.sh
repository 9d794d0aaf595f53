#!/usr/bin/env bash
# Checks the Windows program as it is handed out: one file that imports DLLs of Windows
# itself and no other (no C++ runtime, libgcc or winpthreads DLL), so that it runs on a
# bare Windows 10 or 11; and its resources: the icon at 16 to 256 pixels, the version,
# and the manifest that declares per-monitor DPI awareness and Windows 10 and 11.
#   tools/check_windows_program.sh OBJDUMP PROGRAM.exe VERSION
set -euo pipefail
objdump=$1 program=$2 version=$3
failed=0
fail() {
  echo "$(basename "$program"): $*" >&2
  failed=1
}

imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
system='^(kernel32|user32|gdi32|msvcrt|advapi32|shell32|ole32|shcore|ntdll)\.dll$'
foreign=$(grep -viE "$system" <<<"$imports" || true)
echo "$(basename "$program") imports:" $imports
[ -n "$imports" ] || fail "no imports found"
[ -z "$foreign" ] || fail "imports DLLs that are not Windows' own:" $foreign

workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
wrestool --extract --type=14 "$program" >"$workdir/icon.ico" 2>/dev/null || true
sizes=$(icotool --list "$workdir/icon.ico" 2>/dev/null | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | paste -sd ' ')
[ "$sizes" = "16 24 32 48 64 128 256" ] || fail "icon sizes are '$sizes'"
# Each name and its value, with the padding and the lengths between them left out.
wrestool --extract --raw --type=16 "$program" 2>/dev/null | tr -dc '[:print:]' >"$workdir/version"
for value in "ProductNameTABLOX" "FileVersion$version" "ProductVersion$version"; do
  grep -qF "$value" "$workdir/version" || fail "no $value in the version resource"
done
grep -q "LegalCopyright.*GNU General Public License" "$workdir/version" ||
  fail "no licence in the version resource"
wrestool --extract --raw --type=24 --name=1 "$program" >"$workdir/manifest" 2>/dev/null || true
for value in "PerMonitorV2" "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"; do
  grep -q "$value" "$workdir/manifest" || fail "no $value in the manifest"
done
[ "$failed" -eq 0 ] && echo "$(basename "$program") has its icon ($sizes), version $version and manifest"
exit "$failed"
