#!/usr/bin/env bash
# Installs what is missing, configures and builds the Debug test build into
# build/ (targets as arguments); tools/run.sh keeps its optimised build apart.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Debug}" -DORLUNE_WARNINGS_AS_ERRORS=ON > /dev/null
cmake --build build --parallel "$(nproc)" ${1:+--target "$@"}
