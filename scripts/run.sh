#!/usr/bin/env bash
# Builds lorvex and starts it, installing what is missing first. Arguments are
# handed to the program (a matrix file to open).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target lorvex

program="$root/build/src/app/lorvex"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display is available, so lorvex cannot open its windows here."
    echo "To start it on a virtual display: xvfb-run -a $program"
    exit 1
fi
exec "$program" "$@"
