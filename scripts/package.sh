#!/usr/bin/env bash
# Installs what is missing, builds a Release and makes the Debian package
# build/package/tarnel-feeder-programmer_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --package
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release \
      -DTARNEL_BUILD_TESTS=OFF -DTARNEL_BUILD_BENCHMARKS=OFF
cmake --build build/package --target tarnel-feeder-programmer -j "$(nproc)"
(cd build/package && cpack -G DEB)
ls build/package/*.deb
