#!/usr/bin/env bash
# Installs the Debian packages the suite builds, tests and runs with.
# Quiet and quick when everything is already there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql qt6-serialport-dev
  libgl-dev libzint-dev libsodium-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-thai-tlwg poppler-utils socat
  postgresql
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
