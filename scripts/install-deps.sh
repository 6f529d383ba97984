#!/usr/bin/env bash
# Installs the Debian packages TORVIK CPS needs to build, test and run. Idempotent: when
# everything is present it does nothing and needs no network.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-serialport-dev qt6-translations-l10n
    libbenchmark-dev clang clang-format llvm
    xvfb xauth fonts-wqy-zenhei poppler-utils socat
    locales bc
)

# A comma-decimal locale, so the tests can show that numbers never follow the user's locale.
ensure_test_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
    command -v localedef >/dev/null || return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: could not generate de_DE.UTF-8"
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    ensure_test_locale
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
$sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
ensure_test_locale
