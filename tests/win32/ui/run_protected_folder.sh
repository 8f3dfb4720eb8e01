#!/usr/bin/env bash
# Runs the protected-folder UI tests with the card's folder read-only for
# real. The tests run as root, whom permission bits do not stop, so the folder
# is bind-mounted read-only in a user and mount namespace of the test's own.
# Wine opens files in its wineserver, so the namespace runs a wineserver of
# its own, on a Wine prefix of its own (made once beside the driver): the test
# run's server lives outside and would not see the mount. Runs inside the X
# server of the test run.
# Usage: run_protected_folder.sh win32|win64 DRIVER_EXE
set -euo pipefail

if [[ "${1:-}" == --inside ]]; then
  folder=$2
  driver=$3
  mount --bind -o ro "$folder" "$folder"
  wineserver -p
  trap 'wineserver -k || true' EXIT
  "$SLOTS_WINE" cmd /c exit </dev/null >/dev/null 2>&1
  SLOTS_PROTECTED_FOLDER=1 "$SLOTS_WINE" "$driver" \
    --gtest_filter='ProtectedFolderUi.*:-*Nowhere*'
  # Then the player's local application-data folder refuses files as well.
  local_app_data=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Local | head -n 1)
  mount --bind -o ro "$local_app_data" "$local_app_data"
  SLOTS_PROTECTED_FOLDER=1 "$SLOTS_WINE" "$driver" \
    --gtest_filter='ProtectedFolderUi.*Nowhere*'
  exit
fi

export SLOTS_WINE_ARCH=$1
unset SLOTS_WINE
driver=$2

if ! unshare --user --map-root-user --mount --propagation private true 2>/dev/null; then
  echo "no user and mount namespace can be made here: the protected-folder tests are skipped"
  exit 77
fi

source "$(dirname "$0")/../../../scripts/wine-env.sh" \
  "$(dirname "$driver")/wineprefix_protected"
export SLOTS_WINE

# The card alone, as unzipped into a folder its player may not write in.
folder="$(dirname "$driver")/protected_card"
rm -rf "$folder"
mkdir -p "$folder"
cp "$(dirname "$driver")/slotscard.exe" "$folder/"

unshare --user --map-root-user --mount --propagation private \
  bash "$0" --inside "$folder" "$driver"
