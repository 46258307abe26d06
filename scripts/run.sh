#!/usr/bin/env bash
# Installs what is missing, builds the programmer (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release \
      -DTARNEL_BUILD_TESTS=OFF -DTARNEL_BUILD_BENCHMARKS=OFF
cmake --build build/release --target tarnel-feeder-programmer -j "$(nproc)"
exec build/release/src/tarnel-feeder-programmer "$@"
