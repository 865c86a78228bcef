#!/usr/bin/env bash
# Builds the test suite with ThreadSanitizer into build-tsan/ and runs every
# test once, then repeats TSAN_REPEAT times (5 by default) the tests labelled
# "threads": those in which the MIDI input thread, the message thread and
# other senders share the controller link. The label goes with whole test
# binaries, and the first run takes every test, so a renamed test still runs
# under the sanitizer. Races inside the framework's own code are suppressed in
# tools/tsan-framework.supp; any other report fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
flags="-fsanitize=thread -g -O1"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" > /dev/null
cmake --build build-tsan --parallel "$(nproc)"

export TSAN_OPTIONS="halt_on_error=1:suppressions=$PWD/tools/tsan-framework.supp:${TSAN_OPTIONS:-}"
cd build-tsan
ctest --no-tests=error --output-on-failure --parallel "$(nproc)" --timeout 600
ctest --label-regex '^threads$' --no-tests=error --output-on-failure --parallel "$(nproc)" \
    --repeat until-fail:"${TSAN_REPEAT:-5}" --timeout 600
