#!/usr/bin/env bash
# Builds the test suite with ThreadSanitizer into build-tsan/ and runs the
# tests labelled "threads": those in which the MIDI input thread, the message
# thread and other senders share the controller link (detection, the read
# chain, queries, parallel sends, the panel's read chain and buttons). Each
# runs TSAN_REPEAT times (5 by default); a label that selects no test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
flags="-fsanitize=thread -g -O1"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" > /dev/null
cmake --build build-tsan --parallel "$(nproc)"

export TSAN_OPTIONS="halt_on_error=1 ${TSAN_OPTIONS:-}"
cd build-tsan
ctest --label-regex '^threads$' --no-tests=error --output-on-failure --parallel "$(nproc)" \
    --repeat until-fail:"${TSAN_REPEAT:-5}" --timeout 600
