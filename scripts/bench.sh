#!/usr/bin/env bash
# Builds the benchmarks without sanitizers and runs them; results go into docs/performance.md.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKX_SANITIZE=OFF
cmake --build build-bench -j"$(nproc)" --target engine_walk_bench bind_list_view_bench forwarding_form_bench snapshot_bench wire_speed_bench kx760sim kx760ctl
build-bench/bin/engine_walk_bench
build-bench/bin/bind_list_view_bench
build-bench/bin/forwarding_form_bench
build-bench/bin/snapshot_bench
build-bench/bin/wire_speed_bench
bash bench/fleet_bench.sh build-bench/bin 200
