#!/usr/bin/env bash
# Builds the Debian package build/torvik-cps_<version>_<arch>.deb (or into $TORVIK_BUILD_DIR)
# with CPack's DEB generator; its dependencies are computed from the binaries by
# dpkg-shlibdeps. Reuses the build folder of scripts/build.sh: an existing folder is only
# reconfigured for the /usr prefix the package installs into, not built anew.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TORVIK_BUILD_DIR:-build}"
bash scripts/install-deps.sh
bash scripts/install-package-deps.sh

# The programs are built knowing where the package puts their shipped files, so the prefix
# is set before building. Under the lock scripts/build.sh takes, as a reconfigure may start
# the build system's own regeneration.
(
    exec 9>"${TMPDIR:-/tmp}/torvik-build.lock"
    flock 9
    if [ -f "$build/CMakeCache.txt" ]; then
        cmake -S . -B "$build" -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
    fi
)
TORVIK_CMAKE_OPTIONS="${TORVIK_CMAKE_OPTIONS:-} -DCMAKE_INSTALL_PREFIX=/usr" bash scripts/build.sh

rm -f "$build"/torvik-cps_*.deb
(
    exec 9>"${TMPDIR:-/tmp}/torvik-build.lock"
    flock 9
    cd "$build"
    cpack -G DEB
)
ls "$build"/torvik-cps_*.deb
