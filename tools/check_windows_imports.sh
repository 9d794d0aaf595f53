#!/usr/bin/env bash
# Fails unless the Windows program imports only DLLs of Windows itself, so that the one
# file runs on a bare Windows 10 or 11: no C++ runtime, libgcc or winpthreads DLL.
#   tools/check_windows_imports.sh OBJDUMP PROGRAM.exe
set -euo pipefail
imports=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$imports" ] || { echo "$2: no imports found" >&2; exit 1; }
system='^(kernel32|user32|gdi32|msvcrt|advapi32|shell32|ole32|shcore|ntdll)\.dll$'
foreign=$(grep -viE "$system" <<<"$imports" || true)
echo "$(basename "$2") imports:" $imports
[ -z "$foreign" ] || { echo "not DLLs of Windows itself:" $foreign >&2; exit 1; }
