#!/usr/bin/env bash
# Builds the package with scripts/package.sh, runs lintian on it, unpacks it with dpkg -x and
# tries what it installed: --version of the four programs, man -l on every page, the simulator
# and kx760ctl from the unpacked tree, the completion of kx760ctl.
# usage: package_test.sh SOURCE_DIR WORK_DIR
set -euo pipefail
src=$1
work=$2
fails=0
fail() { echo "FAIL: $*" >&2; fails=$((fails + 1)); }

deb=$(KX_PACKAGE_NO_DEPS=1 KX_PACKAGE_BUILD_DIR="$work/build" KX_PACKAGE_OUT_DIR="$work/out" \
      bash "$src/scripts/package.sh" | tail -n 1)
echo "package: $deb"
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "kx760-manager_${version}_${arch}.deb" ] || fail "package name $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libc6 libqt6core6 libqt6widgets6 libsnmp40; do
  [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib"
done

# lintian: errors fail the test; warnings are printed for the record.
lintian_out=$(lintian --tag-display-limit 0 "$deb" 2>&1) || true
[ -z "$lintian_out" ] || printf 'lintian:\n%s\n' "$lintian_out"
if grep -q '^E: ' <<<"$lintian_out"; then fail "lintian reports errors"; fi

root=$(mktemp -d)
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  rm -rf "$root"
}
trap cleanup EXIT
dpkg -x "$deb" "$root"

for f in usr/bin/kx760 usr/bin/kx760ctl usr/bin/kx760sim usr/bin/kx760mib \
         usr/share/kx760-manager/kx760.data usr/share/kx760-manager/kx760-catalogue.data \
         usr/share/kx760-manager/errmsg/common.err usr/share/kx760-manager/kx760-guide.html \
         usr/share/applications/kx760.desktop usr/share/icons/hicolor/scalable/apps/kx760.svg \
         usr/share/bash-completion/completions/kx760ctl \
         usr/share/doc/kx760-manager/copyright usr/share/doc/kx760-manager/changelog.gz; do
  [ -s "$root/$f" ] || fail "the package lacks /$f"
done

# One version from the build, on every program; the window programs answer without a display.
for program in kx760 kx760ctl kx760sim kx760mib; do
  got=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/$program" --version 2>&1) || fail "$program --version failed"
  [ "$got" = "$program (KX-760 Manager) $version" ] || fail "$program --version printed \"$got\""
done

for page in kx760 kx760ctl kx760sim kx760mib; do
  file=$root/usr/share/man/man1/$page.1.gz
  text=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$file" 2>"$root/man.err") || fail "man -l $page.1"
  [ ! -s "$root/man.err" ] || { cat "$root/man.err" >&2; fail "man -l $page.1 warned"; }
  grep -q "^NAME" <<<"$text" || fail "$page(1) has no NAME section"
  grep -q -- "--version" <<<"$text" || fail "$page(1) does not mention --version"
done

# The unpacked simulator finds its data under share/, and the unpacked kx760ctl reads it in both
# forms of the command line.
export KX760_REGISTRY=$root/registry.ini XDG_STATE_HOME=$root/state
"$root/usr/bin/kx760sim" >"$root/sim.out" 2>"$root/sim.err" &
sim_pid=$!
port=""
for _ in $(seq 1 300); do
  port=$(sed -n 's/.*listening on udp:127\.0\.0\.1:\([0-9]*\).*/\1/p' "$root/sim.out")
  [ -n "$port" ] && break
  kill -0 "$sim_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$port" ]; then
  cat "$root/sim.err" >&2
  fail "the unpacked kx760sim did not start"
else
  expected="1.3.6.1.2.1.1.5.0 = kx760-sim"
  got=$("$root/usr/bin/kx760ctl" -v2c -c public "127.0.0.1:$port" get 1.3.6.1.2.1.1.5.0 2>&1) || true
  [ "$got" = "$expected" ] || fail "kx760ctl with Net-SNMP's options printed \"$got\""
  got=$("$root/usr/bin/kx760ctl" /I127.0.0.1 /Rpublic /v1 --port "$port" get 1.3.6.1.2.1.1.5.0 2>&1) || true
  [ "$got" = "$expected" ] || fail "kx760ctl with the module's switches printed \"$got\""
fi

# The completion offers commands, option values and menu entries for page.
if [ -r /usr/share/bash-completion/bash_completion ]; then
  completions=$(PATH="$root/usr/bin:$PATH" bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    complete_line() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
                      COMPREPLY=(); _kx760ctl; printf "%s|" "${COMPREPLY[@]}"; echo; }
    complete_line kx760ctl -v2c -c public host wa
    complete_line kx760ctl -l authP
    complete_line kx760ctl -v2c -c public host page SNTP
    complete_line kx760ctl -v2c -c public host page "Configuration\\ ›\\ Time\\ Manage"
  ' _ "$root/usr/share/bash-completion/completions/kx760ctl")
  echo "completions:"; echo "$completions"
  mapfile -t lines <<<"$completions"
  [ "${lines[0]}" = "walk|" ] || fail "completion of a command: ${lines[0]}"
  [ "${lines[1]}" = "authPriv|" ] || fail "completion of -l: ${lines[1]}"
  [[ ${lines[2]} == *"SNTP1|"* ]] || fail "completion of a page item: ${lines[2]}"
  [[ ${lines[3]} == *'Configuration\ ›\ Time\ Management\ ›\ SNTP|'* ]] || fail "completion of a page path: ${lines[3]}"
else
  fail "bash-completion is not installed (scripts/install-deps.sh installs it)"
fi

[ "$fails" -eq 0 ] || { echo "$fails check(s) failed" >&2; exit 1; }
echo "package checks passed"
