#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh built: the files it must hold, the
# programs run from an unpacked copy (the command-line tool makes and shows a codeplug, the
# window starts with the virtual radio), the desktop entry, the software-centre description
# and the manual pages are valid, and lintian finds no error and no binary without the
# hardening flags.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TORVIK_BUILD_DIR:-build}"
fail() {
    echo "check-package: $*" >&2
    exit 1
}

shopt -s nullglob
debs=("$build"/torvik-cps_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one $build/torvik-cps_*.deb, found ${#debs[@]} (run scripts/package.sh)"
deb="${debs[0]}"
echo "Checking $deb"

# The files the package must hold.
contents="$(dpkg-deb --contents "$deb" | awk '{print $6}')"
expected=(
    usr/bin/torvik usr/bin/torvik-cli usr/bin/torvik-radio
    usr/share/torvik/language/english.ini usr/share/torvik/language/chinese.ini
    usr/share/torvik/Init/MERLAN_3.dat usr/share/torvik/Init/MERLAN_3.fre
    usr/share/torvik/StartE.jpg usr/share/torvik/StartC.jpg usr/share/torvik/screenshot.png
    usr/share/applications/org.torvik.cps.desktop
    usr/share/metainfo/org.torvik.cps.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/org.torvik.cps.svg
    usr/share/man/man1/torvik.1.gz usr/share/man/man1/torvik-cli.1.gz
    usr/share/man/man1/torvik-radio.1.gz
    usr/share/doc/torvik-cps/copyright usr/share/doc/torvik-cps/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/org.torvik.cps.png")
done
for file in "${expected[@]}"; do
    grep -qx "\./$file" <<<"$contents" || fail "the package lacks /$file"
done
# Dependencies come from the binaries, so the Qt libraries must be among them.
depends="$(dpkg-deb -f "$deb" Depends)"
grep -q 'libqt6serialport6' <<<"$depends" || fail "Depends lacks the Qt libraries: $depends"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
dpkg -x "$deb" "$work/root"
root="$work/root"
# The unpacked programs use the unpacked data folder, and write nothing outside $work.
export TORVIK_HOME="$root/usr/share/torvik"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME"

"$root/usr/bin/torvik-cli" --help >"$work/help.txt" || fail "torvik-cli --help failed"
grep -q '^usage: torvik-cli' "$work/help.txt" || fail "torvik-cli --help says no usage"
"$root/usr/bin/torvik-cli" new --band 48 "$work/my.dat" || fail "torvik-cli new failed"
"$root/usr/bin/torvik-cli" show "$work/my.dat" >"$work/show.txt" || fail "torvik-cli show failed"
[ -s "$work/show.txt" ] || fail "torvik-cli show printed nothing"
"$root/usr/bin/torvik" --help >/dev/null || fail "torvik --help failed"
"$root/usr/bin/torvik-radio" --help >/dev/null || fail "torvik-radio --help failed"
# The window starts with the virtual radio beside it and shows.
QT_QPA_PLATFORM=offscreen timeout 120 "$root/usr/bin/torvik" --demo --screenshot "$work/window.png" \
    >/dev/null 2>&1 || fail "the window did not start with the demo radio"
[ -s "$work/window.png" ] || fail "the window left no picture"

# Desktop entry, software-centre description, manual pages.
desktop-file-validate "$root/usr/share/applications/org.torvik.cps.desktop" ||
    fail "desktop-file-validate found faults"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.torvik.cps.metainfo.xml" ||
    fail "appstreamcli found faults"
for page in torvik torvik-cli torvik-radio; do
    warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l -Tutf8 \
        "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "the manual page of $page has faults: $warnings"
done

# Debian's rules: errors fail, warnings and notes are shown; the binaries must carry the
# hardening flags (no hardening-* tag).
lint="$(lintian --display-info --fail-on error "$deb" 2>&1)" || {
    echo "$lint" >&2
    fail "lintian found errors"
}
echo "$lint"
if grep -q ' hardening-' <<<"$lint"; then fail "lintian finds the hardening flags missing"; fi
echo "The package is sound."
