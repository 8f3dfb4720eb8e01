#!/usr/bin/env bash
# Runs a command in a user and mount namespace of its own where every 32-bit
# program, children included, runs under QEMU's user-mode i386 emulator, with
# the mends that let Wine start there preloaded (tools/wine_under_qemu).
# Nothing changes for the rest of the machine: the emulator is registered
# with a binfmt_misc of the namespace's own, which kernels from 6.7 on allow.
# Usage: run-emulated.sh [--probe] COMMAND [ARGUMENTS...]
#   --probe: only tells, by the exit status, whether the emulation starts
#            here; without it the mends are built first (build/wine-under-qemu).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mends="$root/build/wine-under-qemu"
qemu=/usr/bin/qemu-i386-static

# An i386 ELF header, executables (e_type 2) and position-independent ones
# (e_type 3); the mask lets the OS/ABI bytes and the low bit of e_type vary.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

namespaces() { echo "$(readlink /proc/self/ns/user) $(readlink /proc/self/ns/mnt)"; }

# --inside mounts and registers for its whole mount namespace: it runs only in
# the user and mount namespaces this script made, never in the machine's own
# (whose user namespace maps every id to itself) nor in the caller's.
in_own_namespaces() {
  local started_user started_mount user mount
  read -r started_user started_mount <<<"${SLOTS_EMULATION_STARTED_FROM:-}"
  read -r user mount <<<"$(namespaces)"
  [[ -n "$started_mount" && $user != "$started_user" && $mount != "$started_mount" &&
    $(awk '{ print $1, $2, $3 }' /proc/self/uid_map) != "0 0 4294967295" ]]
}

if [[ "${1:-}" == --inside ]]; then
  shift
  if ! in_own_namespaces; then
    echo "run-emulated.sh --inside runs only in the namespaces run-emulated.sh makes" >&2
    exit 2
  fi
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  # F: the emulator is opened now, so it runs whatever the namespace sees.
  printf ':slots-i386:M::%s:%s:%s:F' "$magic" "$mask" "$qemu" \
    >/proc/sys/fs/binfmt_misc/register
  exec "$@"
fi

if [[ "${1:-}" == --probe ]]; then
  shift
  [[ -x $qemu ]] && command -v unshare >/dev/null || exit 1
  server=$(dpkg -L wine32:i386 2>/dev/null | grep '/wineserver32$' | head -n 1)
  [[ -n "$server" ]] || exit 1
  SLOTS_EMULATION_STARTED_FROM=$(namespaces) exec unshare --user --map-root-user --mount --propagation private \
    bash "$0" --inside "$server" --version >/dev/null 2>&1
fi

cmake -S "$root/tools/wine_under_qemu" -B "$mends" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$mends" -j"$(nproc)" >/dev/null
# A literal $LIB: the loader names the folder of each program's word size,
# so the 32-bit processes get the mends and the 64-bit ones an empty library.
export SLOTS_I386_EMULATED=1
export LD_PRELOAD="$mends/\$LIB/wine_qemu_mends.so"
SLOTS_EMULATION_STARTED_FROM=$(namespaces) exec unshare --user --map-root-user --mount --propagation private \
  bash "$0" --inside "$@"
