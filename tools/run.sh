#!/usr/bin/env bash
# Builds the optimised editor (Release, framework assertions off) into
# build-release/, apart from the Debug test build in build/, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DORLUNE_BUILD_TESTS=OFF > /dev/null
cmake --build build-release --parallel "$(nproc)" --target OrluneEditor

app=$(find build-release -type f -perm -u+x -name "Orlune Editor" | head -n 1)
if [ -z "$app" ]; then
    echo "run.sh: the build finished but left no \"Orlune Editor\" program in build-release/." >&2
    exit 1
fi
exec "$app"
