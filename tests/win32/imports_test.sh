#!/usr/bin/env bash
# The program imports system libraries only, so the one file runs on a clean Windows: no
# C++ runtime, thread library or toolkit DLL may be needed beside it. It is a GUI program.
# Usage: imports_test.sh OBJDUMP PROGRAM.exe
set -euo pipefail
objdump=$1 program=$2
headers=$("$objdump" -p "$program")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || { echo "not a GUI-subsystem program"; exit 1; }
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort -u)
allowed='^(kernel32|user32|gdi32|comctl32|msvcrt|advapi32|shell32|ole32|oleaut32|uxtheme)\.dll$'
unexpected=$(grep -v -E "$allowed" <<<"$imports" || true)
[ -z "$unexpected" ] || { echo "imports beyond the system's libraries: $unexpected"; exit 1; }
echo "imports: $(tr '\n' ' ' <<<"$imports")"
