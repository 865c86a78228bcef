#!/usr/bin/env bash
# Usage: tools/fuzz.sh [seconds] [target ...]
# Builds the libFuzzer targets of tests/fuzz with clang, the address and
# undefined-behaviour sanitizers into build-fuzz/, then runs each named target
# (every target when none is named) for the given seconds (60 by default),
# starting from its seeds in tests/fuzz/seeds/<target>/. What the fuzzer finds
# goes to a scratch corpus under build-fuzz/, so the seeds stay as they are.
# A target that crashes, leaks, hangs, trips a sanitizer or passes its memory
# or time limit has made a finding: the input is kept in
# build-fuzz/artifacts/<target>/, the next target runs, and the script exits
# non-zero at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true

tools/install-deps.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug \
    -DORLUNE_BUILD_FUZZERS=ON -DORLUNE_BUILD_TESTS=OFF > /dev/null

if [ $# -gt 0 ]; then
    targets=("$@")
else
    mapfile -t targets < <(grep -v '^$' build-fuzz/tests/fuzz/fuzzers.txt)
fi

cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]}"

# libFuzzer's own limits for a target: the settings file loader gets inputs
# far longer than the default 4 KiB, at that length from the start, so that a
# file that costs too much memory or time shows, and such a cost counts as a
# finding.
limits_of() {
    case "$1" in
        fuzz_settings_file) echo "-max_len=65536 -len_control=0 -rss_limit_mb=512 -timeout=1" ;;
        *) echo "-timeout=5" ;;
    esac
}

failed=()
for target in "${targets[@]}"; do
    corpus="build-fuzz/corpus/$target"
    artifacts="build-fuzz/artifacts/$target/"
    mkdir -p "$corpus" "$artifacts"

    read -r -a limits <<< "$(limits_of "$target")"
    echo "== $target: ${seconds} s, ${limits[*]}"
    if ! "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" "${limits[@]}" \
            -artifact_prefix="$artifacts" -print_final_stats=1 \
            "$corpus" "tests/fuzz/seeds/$target"; then
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Failed: ${failed[*]} (inputs in build-fuzz/artifacts/)"
    exit 1
fi
