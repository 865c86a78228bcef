#!/usr/bin/env bash
# Builds the controller link's and the panel's tests with ThreadSanitizer into
# build-tsan/ and runs the ones in which the MIDI input thread, the message
# thread and other senders share the link: detection, the read chain, queries,
# parallel sends, and the panel's read chain and buttons.
set -euo pipefail
cd "$(dirname "$0")/.."

flags="-fsanitize=thread -g -O1"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" > /dev/null
cmake --build build-tsan --parallel "$(nproc)" --target link_tests panel_tests

TSAN_OPTIONS="halt_on_error=1 ${TSAN_OPTIONS:-}" \
    build-tsan/tests/controller/link/link_tests \
    --gtest_filter='DetectionTest.*:EndToEndTest.*:QueryTest.*:SendersTest.SendsFromSeveralThreads*' \
    --gtest_repeat="${TSAN_REPEAT:-5}"

TSAN_OPTIONS="halt_on_error=1 ${TSAN_OPTIONS:-}" \
    build-tsan/tests/panel/panel_tests \
    --gtest_filter='PanelReadChain.*:PanelButtons.*:PanelLifecycle.*' \
    --gtest_repeat="${TSAN_REPEAT:-5}"
