#!/usr/bin/env bash
# Builds the Debian package: a stripped Release build without tests, packed by CPack, its
# dependencies read from the binary by dpkg-shlibdeps. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build/package -j "$(nproc)"
(cd build/package && cpack -G DEB)
ls build/package/strumix_*.deb
