#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/build.sh
cd build
ctest --no-tests=error --output-on-failure --parallel "$(nproc)" --timeout 600
