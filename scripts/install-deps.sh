#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, as root,
# and any further packages named as arguments. Packages already present are
# not fetched again.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth openbox x11-utils xdotool
  python3 valgrind
  desktop-file-utils appstream dpkg-dev file librsvg2-bin
  lintian man-db groff-base
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages: ${missing[*]}; run this as root (or with sudo)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
