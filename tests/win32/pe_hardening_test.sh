#!/usr/bin/env bash
# The Windows program keeps what Windows hardens a program with: it loads at a random
# address, from the whole 64-bit range (dynamic base, high-entropy addresses, and the
# relocations that need), and its data is never run as code (NX compatible). Its functions
# check their stack frames against a guard (the stack protector, from the static libssp).
# Usage: pe_hardening_test.sh OBJDUMP PROGRAM.exe
set -euo pipefail
objdump=$1 program=$2
headers=$("$objdump" -p "$program")
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
  grep -q -E "^\s+$flag$" <<<"$headers" || { echo "FAIL: the program is not marked $flag"; exit 1; }
done
grep -q ' \.reloc ' <<<"$("$objdump" -h "$program")" ||
  { echo "FAIL: no relocations to move it by"; exit 1; }
grep -q '__stack_chk_guard' <<<"$("$objdump" -t "$program")" ||
  { echo "FAIL: no stack protector guard in the program"; exit 1; }
echo "ok   dynamic base, high-entropy addresses, relocations, NX compatible, stack protector"
