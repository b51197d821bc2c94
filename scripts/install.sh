#!/usr/bin/env bash
# Installs every package the project builds and tests with. Idempotent and
# non-interactive; returns at once when everything is already there.
set -euo pipefail

packages=(
  make cmake ninja-build g++ clang libclang-rt-14-dev clang-format
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64 xvfb x11-apps imagemagick xdotool
  googletest nlohmann-json3-dev python3 python3-aiosmtpd hyperfine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
