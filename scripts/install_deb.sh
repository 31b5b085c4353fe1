#!/usr/bin/env bash
# Builds the Debian package of lorvex (cpack -G DEB, in build-deb), shows its
# control data, installs it with dpkg -i and runs the installed lorvex-cli.
# Run by hand, not by the test command: it changes the system. `dpkg -r
# lorvex` removes the package again.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/setup.sh

build=build-deb
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DLORVEX_BUILD_TESTS=OFF -DLORVEX_BUILD_BENCHMARKS=OFF
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/lorvex_*.deb
(cd "$build" && cpack -G DEB)
package=$(echo "$build"/lorvex_*.deb)

echo "== dpkg-deb --info $package"
dpkg-deb --info "$package"

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
echo "== dpkg -i $package"
"${as_root[@]}" dpkg -i "$package"

echo "== lorvex-cli --help"
lorvex-cli --help
