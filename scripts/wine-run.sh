#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest, with the loader of the build's
# architecture. Wine's helper processes (services, the desktop) outlive the
# program and inherit its output; when that is ctest's pipe, ctest waits for
# them forever. They get a file instead.
# Usage: wine-run.sh win32|win64 PROGRAM [ARGUMENTS...]
SLOTS_WINE_ARCH=$1
shift
unset SLOTS_WINE
source "$(dirname "$0")/wine-arch.sh" || exit 2
log=$(mktemp)
"$SLOTS_WINE" "$@" >"$log" 2>&1 </dev/null
status=$?
tr -d '\r' <"$log"
rm -f "$log"
exit $status
