#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest. Wine's helper processes
# (services, the desktop) outlive the program and inherit its output; when
# that is ctest's pipe, ctest waits for them forever. They get a file instead.
log=$(mktemp)
wine "$@" >"$log" 2>&1 </dev/null
status=$?
tr -d '\r' <"$log"
rm -f "$log"
exit $status
