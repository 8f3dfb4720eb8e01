#!/usr/bin/env bash
# Installs what building, running and testing the card need on Debian 12.
# Run as root; packages already present are left alone.
set -euo pipefail

packages=(
  cmake g++ make googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang-format clang libclang-rt-14-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64
  xvfb xauth imagemagick unzip locales fonts-ipafont-gothic
  qemu-user-static gcc-multilib g++-multilib
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  needs_update=1
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
elif [[ -n "${needs_update:-}" ]]; then
  apt-get update
fi

# The Windows tests run once as on a Japanese Windows.
if ! locale -a | grep -qix 'ja_JP.utf-\?8'; then
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -qx 'ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen
fi
