#!/usr/bin/env bash
# Installs what is needed, builds kx760 and the simulated switch (build-run/), starts kx760sim on
# a free loopback port and kx760 on it. Without a display the main window is rendered offscreen
# after start-up and saved as out/kx760-main.png (or $KX_SCREENSHOT); the path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_BUILD_TESTS=OFF >/dev/null
cmake --build build-run --target kx760 kx760sim

work=$(mktemp -d)
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

build-run/bin/kx760sim >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
port=""
for _ in $(seq 1 300); do
  port=$(sed -n 's/.*listening on udp:127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/sim.out")
  [ -n "$port" ] && break
  kill -0 "$sim_pid" 2>/dev/null || { cat "$work/sim.err" >&2; exit 1; }
  sleep 0.1
done
[ -n "$port" ] || { echo "kx760sim did not start" >&2; exit 1; }
echo "kx760sim listening on udp:127.0.0.1:$port"

# The program's registry file and SNMP state stay in the temporary directory.
export KX760_REGISTRY="$work/registry.ini"
export XDG_STATE_HOME="$work/state"
args=(/I127.0.0.1 /Rpublic /Wprivate /v1 --port "$port")

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  shot=${KX_SCREENSHOT:-$root/out/kx760-main.png}
  mkdir -p "$(dirname "$shot")"
  QT_QPA_PLATFORM=offscreen build-run/bin/kx760 "${args[@]}" --screenshot "$shot" --open-menu Configuration1
  echo "No display: the main window was rendered offscreen to $shot"
else
  build-run/bin/kx760 "${args[@]}"
fi
