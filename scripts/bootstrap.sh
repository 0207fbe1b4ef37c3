#!/usr/bin/env bash
# Installs every Debian package needed to build, test and run Plioscope.
# Idempotent: apt-get install of a fixed list; already-installed packages are left alone.
set -euo pipefail

PACKAGES=(
  build-essential g++ cmake ninja-build pkg-config git
  libgtest-dev libgmock-dev
  nlohmann-json3-dev libcli11-dev libcurl4-openssl-dev
  libdds-dev
  qt6-base-dev fonts-dejavu-core fonts-dejavu-extra xvfb xauth
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "bootstrap: all packages present"
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
