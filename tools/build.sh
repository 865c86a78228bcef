#!/usr/bin/env bash
# Installs what is missing, configures and builds into build/ (targets as arguments).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Debug}" > /dev/null
cmake --build build --parallel "$(nproc)" ${1:+--target "$@"}
