#!/usr/bin/env bash
# Builds the benchmark optimised (Release, framework assertions off) into
# build-release/, with the editor and the bare window whose start-up times it
# compares, and runs it. Without an X display it runs under a virtual X
# server, so that the start-up figure is measured too. A measurement that
# reports itself skipped fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DORLUNE_BUILD_TESTS=OFF > /dev/null
cmake --build build-release --parallel "$(nproc)" --target orlune_benchmark

run=()
if [ -z "${DISPLAY:-}" ]; then
    run=(xvfb-run -a)
fi

output=$(mktemp)
trap 'rm -f "$output"' EXIT
"${run[@]}" build-release/tests/bench/orlune_benchmark | tee "$output"

if grep -q '^  skipped:' "$output"; then
    echo "bench.sh: a measurement was skipped, so its figures are missing." >&2
    exit 1
fi
