#!/usr/bin/env bash
# Builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/build.sh
app=$(find build -type f -perm -u+x -name "Orlune Editor" | head -n 1)
if [ -z "$app" ]; then
    echo "The libraries are built; the editor itself is not built yet."
    exit 0
fi
exec "$app"
