#!/usr/bin/env bash
# Installs the Debian packages that building and checking the Debian package needs: dpkg-dev
# and file (dpkg-shlibdeps computes the package's dependencies from the binaries), librsvg2-bin
# (the icon's PNG sizes), lintian, desktop-file-utils, appstream and man-db. Idempotent: when
# everything is present it does nothing and needs no network.
set -euo pipefail

packages=(
    dpkg-dev file librsvg2-bin lintian desktop-file-utils appstream man-db
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
$sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
