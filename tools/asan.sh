#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs it; any report fails
# the test that caused it. The framework loads the X11 libraries at run time
# and unloads them before the leak check, which would leave their leaks
# nameless; linking them keeps them loaded, so that tools/lsan-x11.supp can
# suppress their leaks by library name.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g -O1"
x11="-Wl,--no-as-needed -lX11 -lXext -lXrandr -lXinerama -lXcursor -lXrender -Wl,--as-needed"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined $x11" > /dev/null
cmake --build build-asan --parallel "$(nproc)"

export ASAN_OPTIONS="detect_stack_use_after_return=1:strict_init_order=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan-x11.supp:print_suppressions=0:${LSAN_OPTIONS:-}"

cd build-asan
ctest --no-tests=error --output-on-failure --parallel "$(nproc)" --timeout 900
