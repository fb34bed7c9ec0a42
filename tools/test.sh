#!/usr/bin/env bash
# Installs what is missing, builds (the benchmarks too, so they keep compiling),
# starts a private database server and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
werror=OFF; [ -n "${CI:-}" ] && werror=ON
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=ON -DVELMORA_BENCH=ON -DVELMORA_WERROR=$werror
cmake --build "$root/build" -j"$(nproc)"
cd "$root/build"
ctest --output-on-failure -j"$(nproc)"
