#!/usr/bin/env bash
# Reads the 32-bit card and the stand-in chat library with the cross tools,
# without running either: the card is a 32-bit GUI program with ASLR and DEP
# that imports system libraries only, and the stand-in exports the chat
# library's functions under the plain names the card looks up.
# Usage: check_images.sh OBJDUMP CARD_EXE STANDIN_DLL
set -uo pipefail
objdump=$1
card=$2
standin=$3
failures=0

check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}

headers=$("$objdump" -p "$card")
has_line() { grep -qE "$1" <<<"$headers"; }
check "the card is a 32-bit PE image" has_line '^Magic[[:space:]]+010b'
check "the card is a GUI program" has_line '^Subsystem[[:space:]]+00000002'
check "the card allows ASLR" has_line '^[[:space:]]+DYNAMIC_BASE'
check "the card keeps its relocations for ASLR" \
  has_line '^Entry 5 [0-9a-f]+ 0*[1-9a-f][0-9a-f]* Base Relocation Directory'
check "the card asks for DEP" has_line '^[[:space:]]+NX_COMPAT'

# What Windows itself provides; a runtime DLL of the compiler is not there.
system_libraries='^(kernel32|user32|gdi32|advapi32|msvcrt|comdlg32|ole32|shell32|comctl32|winmm|version|shlwapi)\.dll$'
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z')
echo "the card imports: $(echo $imports)"
foreign=$(grep -vE "$system_libraries" <<<"$imports")
check "the card imports system libraries only${foreign:+, not: $(echo $foreign)}" \
  test -z "$foreign"

exports=$("$objdump" -p "$standin" |
  sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -nE 's/^[[:space:]]*\[[[:space:]]*[0-9]+\][[:space:]]+//p')
for name in InitDDE KillDDE DapiRegister DapiCommunicate DapiGetAllText; do
  check "the card looks up $name" grep -qaF "$name" "$card"
  check "the stand-in exports $name undecorated" grep -qxF "$name" <<<"$exports"
done
decorated=$(grep -F '@' <<<"$exports")
check "the stand-in exports no decorated name${decorated:+: $(echo $decorated)}" \
  test -z "$decorated"

exit $((failures > 0))
