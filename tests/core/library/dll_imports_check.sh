#!/usr/bin/env bash
# Fails when Kelvra.dll imports a DLL that a plain Windows machine does not have
# (the C++ runtime, libgcc, winpthread, or anything else outside the system's own).
# Usage: dll_imports_check.sh OBJDUMP Kelvra.dll
set -euo pipefail
objdump="$1" dll="$2"
names=$("$objdump" -p "$dll" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' | tr 'A-Z' 'a-z')
if [ -z "$names" ]; then
  echo "no imports found in $dll" >&2
  exit 1
fi
allowed='^(kernel32|user32|gdi32|comctl32|msimg32|advapi32|shell32|ole32|oleaut32|shlwapi|uxtheme|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+|ws2_32|version|imm32|winmm|comdlg32)\.dll$'
status=0
while read -r name; do
  if [[ ! "$name" =~ $allowed ]]; then
    echo "not a system DLL: $name" >&2
    status=1
  fi
done <<< "$names"
echo "imports: $(echo $names)"
exit $status
