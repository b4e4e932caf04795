#!/usr/bin/env bash
# Installs the Debian packages Vantorel needs to build, run and test.
# Safe to run again: only missing packages are installed.
set -euo pipefail
PKGS=(cmake g++ make pkg-config ccache
      libwxgtk3.2-dev portaudio19-dev libsndfile1-dev libsamplerate0-dev
      libgtest-dev libgmock-dev libbenchmark-dev
      xvfb xauth imagemagick socat clang libclang-rt-14-dev)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
