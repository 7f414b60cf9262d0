#!/usr/bin/env bash
# Installs the Debian packages that building and testing tabulon need, if any are missing.
set -euo pipefail
# man-db, desktop-file-utils, dpkg-dev and file check the man page, the desktop
# entry and the Debian package; libwxgtk3.2-dev builds the window; xvfb, xauth
# and the DejaVu fonts run its tests.
packages=(cmake make g++ pkg-config libgtest-dev libgmock-dev libxml2-utils tidy
  man-db desktop-file-utils dpkg-dev file
  libwxgtk3.2-dev xvfb xauth fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [[ $(id -u) -eq 0 ]]; then
    echo "Installing missing packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}"
  else
    echo "Missing packages (install them as root): ${missing[*]}" >&2
    exit 1
  fi
fi
