#!/usr/bin/env bash
# kx760ctl --hosts against the usual ways of asking many switches: one kx760sim --agents N
# process serves the fleet, and in the same run we time
#   - one page of one switch (a single kx760ctl),
#   - the page over the whole fleet in one kx760ctl --hosts,
#   - a shell loop of single kx760ctl calls, one per switch,
#   - a shell loop of snmpbulkwalk of the same table, one per switch,
#   - the fleet again with one more switch that never answers (its time-out is the floor),
#   - snapshot save of one switch, of the whole fleet into a directory in one kx760ctl --hosts, and
#     a shell loop of single kx760ctl snapshot save calls;
#   - snapshot save again from a second kx760sim --agents N that answers every request 2 ms late
#     (a round trip over a network rather than loopback): one switch, and the whole fleet.
# usage: bench/fleet_bench.sh BINDIR [SWITCHES]   (default 200)
set -euo pipefail
bin=${1:?usage: fleet_bench.sh BINDIR [SWITCHES]}
count=${2:-200}
page=PortInformation1
table=1.3.6.1.4.1.48213.11.63.2.2.2.1.1  # the table that page shows

work=$(mktemp -d)
cleanup() {
  for pid in ${simPid:-} ${silentPid:-}; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Starts kx760sim with the arguments given, waits for its first "listening on" line, and sets
# $startedPid and $startedPort.
startSim() {
  local out=$work/sim.$RANDOM
  "$bin/kx760sim" --led-period 0 "$@" >"$out" 2>"$out.err" &
  startedPid=$!
  for _ in $(seq 600); do
    grep -q "listening on" "$out" 2>/dev/null && break
    sleep 0.1
  done
  startedPort=$(head -1 "$out" | sed 's/.*://')
}

startSim --agents "$count"; simPid=$startedPid; base=$startedPort
startSim --fault silent; silentPid=$startedPid; silent=$startedPort

export KX760_REGISTRY=$work/registry.ini XDG_STATE_HOME=$work/state
export KX760_READ_COMMUNITY=public KX760_WRITE_COMMUNITY=private
hosts=$work/hosts
for i in $(seq 0 $((count - 1))); do echo "127.0.0.1:$((base + i)) /v1"; done >"$hosts"
{ cat "$hosts"; echo "127.0.0.1:$silent /v1"; } >"$work/hosts-silent"

now() { date +%s.%N; }
elapsed() { echo "$(now) - $1" | bc; }

t=$(now); "$bin/kx760ctl" /I127.0.0.1 /v1 --port "$base" page "$page" >/dev/null; one=$(elapsed "$t")
t=$(now); "$bin/kx760ctl" --hosts "$hosts" page "$page" >"$work/fleet.out" 2>/dev/null; fleet=$(elapsed "$t")
t=$(now)
for i in $(seq 0 $((count - 1))); do
  "$bin/kx760ctl" /I127.0.0.1 /v1 --port $((base + i)) page "$page" >/dev/null
done
ctlLoop=$(elapsed "$t")
t=$(now)
for i in $(seq 0 $((count - 1))); do
  snmpbulkwalk -v2c -c public -Cr10 "127.0.0.1:$((base + i))" "$table" >/dev/null
done
bulkLoop=$(elapsed "$t")
t=$(now)
"$bin/kx760ctl" --hosts "$work/hosts-silent" page "$page" >/dev/null 2>&1 && status=0 || status=$?
withSilent=$(elapsed "$t")
t=$(now); "$bin/kx760ctl" /I127.0.0.1 /v1 --port "$silent" page "$page" >/dev/null 2>&1 || true
silentAlone=$(elapsed "$t")

t=$(now); "$bin/kx760ctl" /I127.0.0.1 /v1 --port "$base" snapshot save "$work/one.json" >/dev/null 2>&1; snapOne=$(elapsed "$t")
t=$(now); "$bin/kx760ctl" --hosts "$hosts" snapshot save "$work/snapshots" >/dev/null 2>&1; snapFleet=$(elapsed "$t")
mkdir "$work/loop"
t=$(now)
for i in $(seq 0 $((count - 1))); do
  "$bin/kx760ctl" /I127.0.0.1 /v1 --port $((base + i)) snapshot save "$work/loop/$i.json" >/dev/null 2>&1
done
snapLoop=$(elapsed "$t")
kill "$simPid"; wait "$simPid" 2>/dev/null || true
startSim --agents "$count" --delay 2; simPid=$startedPid; base=$startedPort
for i in $(seq 0 $((count - 1))); do echo "127.0.0.1:$((base + i)) /v1"; done >"$hosts"
t=$(now); "$bin/kx760ctl" /I127.0.0.1 /v1 --port "$base" snapshot save "$work/late.json" >/dev/null 2>&1; lateOne=$(elapsed "$t")
t=$(now); "$bin/kx760ctl" --hosts "$hosts" snapshot save "$work/late" >/dev/null 2>&1; lateFleet=$(elapsed "$t")

lines=$(grep -c "" "$work/fleet.out")
printf '%s switches, page %s (%s output lines over the fleet)\n' "$count" "$page" "$lines"
printf '%-52s %8.2f s\n' "one switch, one kx760ctl" "$one"
printf '%-52s %8.2f s  (%.1fx one switch)\n' "fleet, one kx760ctl --hosts" "$fleet" "$(echo "$fleet / $one" | bc -l)"
printf '%-52s %8.2f s  (%.1fx the fleet run)\n' "shell loop of single kx760ctl calls" "$ctlLoop" "$(echo "$ctlLoop / $fleet" | bc -l)"
printf '%-52s %8.2f s  (%.1fx the fleet run)\n' "shell loop of snmpbulkwalk of the table" "$bulkLoop" "$(echo "$bulkLoop / $fleet" | bc -l)"
printf '%-52s %8.2f s  (exit status %s)\n' "fleet plus one silent switch, one kx760ctl --hosts" "$withSilent" "$status"
printf '%-52s %8.2f s\n' "the silent switch alone (its own time-out)" "$silentAlone"
printf '%-52s %8.2f s\n' "snapshot save, one switch" "$snapOne"
printf '%-52s %8.2f s  (%.1fx one switch; %s files)\n' "snapshot save, fleet, one kx760ctl --hosts" "$snapFleet" \
  "$(echo "$snapFleet / $snapOne" | bc -l)" "$(ls "$work/snapshots" | wc -l)"
printf '%-52s %8.2f s  (%.1fx the fleet run)\n' "shell loop of single kx760ctl snapshot save calls" "$snapLoop" \
  "$(echo "$snapLoop / $snapFleet" | bc -l)"
printf '%-52s %8.2f s\n' "snapshot save, one switch answering 2 ms late" "$lateOne"
printf '%-52s %8.2f s  (%.1fx one switch; a loop: about %.0f s)\n' "snapshot save, fleet answering 2 ms late, --hosts" \
  "$lateFleet" "$(echo "$lateFleet / $lateOne" | bc -l)" "$(echo "$lateOne * $count" | bc -l)"
