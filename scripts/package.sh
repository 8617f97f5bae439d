#!/usr/bin/env bash
# Builds the Debian package: a stripped Release build without tests, packed by CPack, its
# dependencies read from the binary by dpkg-shlibdeps. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# Built with Debian's hardening flags, as every package of the distribution is.
CPPFLAGS=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS)
CXXFLAGS="$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS) $CPPFLAGS"
LDFLAGS=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)
# Configured for /usr, as the package installs it: the sound module goes to the multiarch
# library folder's strumix/, a private folder the dynamic linker's cache has no business with.
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
    -DCMAKE_SHARED_LINKER_FLAGS="$LDFLAGS" -DCMAKE_MODULE_LINKER_FLAGS="$LDFLAGS"
cmake --build build/package -j "$(nproc)"
(cd build/package && cpack -G DEB)
ls build/package/strumix_*.deb
