#!/usr/bin/env bash
# Installs the Debian 12 packages the program, its tests and its benchmarks need.
# A second run with everything present takes a second and installs nothing.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config libgtest-dev
  qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools
  firebird3.0-server-core libfbclient2 firebird-dev firebird3.0-utils firebird3.0-server
  libqrencode-dev libzint-dev
  cups cups-daemon cups-client cups-bsd libcups2-dev
  socat xvfb poppler-utils zbar-tools
  openbox x11-utils
  oxygen-icon-theme qt6-translations-l10n
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
