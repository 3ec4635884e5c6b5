#!/usr/bin/env bash
# Installs what is needed, builds the four programs in build-run/bin/ (kx760, the command-line tool
# kx760ctl, the standard-MIB tool kx760mib that the menu's tool entries start, and the simulated
# switch kx760sim), starts kx760sim on a free loopback port and kx760 on it. Without a display the
# main window is rendered offscreen after start-up and saved as out/kx760-main.png (or
# $KX_SCREENSHOT); the path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_BUILD_TESTS=OFF >/dev/null
cmake --build build-run --target kx760 kx760ctl kx760mib kx760sim

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

# The host application's registry entries and the device profile, as on a managed machine: the
# module's support files (message catalogues) lie in resources/, the profile of 127.0.0.1 gives
# the agent's port. The program's SNMP state stays in the temporary directory too.
mkdir -p "$work/profiles"
cat >"$work/registry.ini" <<INI
[SOFTWARE\\Maravel\\Modules\\HelpPath]
1.3.6.1.4.1.48213.10.63.2=$root/resources/KX760Mod.dll
[SOFTWARE\\Maravel\\Panoptra5.1\\MibFile]
Path=$work/profiles/
INI
cat >"$work/profiles/127.0.0.1.cfg" <<CFG
[Program Information]
AgentPort=$port
Version=1
ContextName=
ContextEngineID=
SecurityModel=0
SecurityLevel=0
SecurityName=
AuthProtocol=0
PrivProtocol=0
AuthPassword=
PrivPassword=
CFG
export KX760_REGISTRY="$work/registry.ini"
export XDG_STATE_HOME="$work/state"
args=(/I127.0.0.1 /Rpublic /Wprivate /v1)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  shot=${KX_SCREENSHOT:-$root/out/kx760-main.png}
  mkdir -p "$(dirname "$shot")"
  QT_QPA_PLATFORM=offscreen build-run/bin/kx760 "${args[@]}" --screenshot "$shot" --open-menu Configuration1
  echo "No display: the main window was rendered offscreen to $shot"
else
  build-run/bin/kx760 "${args[@]}"
fi
