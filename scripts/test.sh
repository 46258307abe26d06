#!/usr/bin/env bash
# Installs what is missing, builds everything with assertions on, and runs every test headless
# under Xvfb. Ends with CTest's summary line.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --tests
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug
cmake --build build/test -j "$(nproc)"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir build/test --output-on-failure -j "$(nproc)" "$@"
