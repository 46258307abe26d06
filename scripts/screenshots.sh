#!/usr/bin/env bash
# Refreshes the README's screenshots in docs/ (main window, Simple mode, Advanced mode),
# taken on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --tests
scripts/install-deps.sh --screenshots
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug > /dev/null
cmake --build build/test --target take_screenshots -j "$(nproc)"
xvfb-run -a -s "-screen 0 1280x1024x24" build/test/tests/tools/take_screenshots docs
