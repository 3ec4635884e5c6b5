#!/usr/bin/env bash
# The documented commands, run as a reader would type them. Every fenced command block of
# README.md and docs/*.md that the line before its fence marks as runnable:
#
#   <!-- run -->            the block must end with exit status 0
#   <!-- run exit=N -->     the block must end with exit status N (a documented failure)
#   <!-- run gui -->        kx760 and kx760mib in it also get --screenshot FILE, so a window
#                           that would stay open draws itself once and ends
#   <!-- run output -->     the fenced block that follows (after blank lines only) is what the
#                           block prints: each of its lines must be a line of the output
#                           (stdout and stderr together), the port and address substituted
#
# Options combine: <!-- run exit=1 output -->.
#
# is run with bash -e against one kx760sim on a free loopback port, in a fresh home directory
# (HOME, XDG_CONFIG_HOME, XDG_STATE_HOME; no KX760_REGISTRY), offscreen, the blocks of a file in
# order and sharing that home, so a block can write the registry file or a profile that the next
# block uses. Until a document's registry file names a profile directory, its kx760, kx760ctl and
# kx760mib commands get --port with the simulator's port. Before a block runs: "build-run/bin/" is taken away (the programs of this build are
# on PATH), the switch address 10.0.0.5 becomes 127.0.0.1, and the port placeholders PORT, 16100,
# 40312, "AgentPort=161" and "--port 161" become the simulator's port.
#
# Besides, no document may name a program path that no documented command creates: only
# build-run/bin/ (scripts/run.sh, with the programs it builds) and build-asan/ (scripts/test.sh).
#
# usage: docs_check.sh SOURCE_DIR BIN_DIR [DOCUMENT...]   (default: README.md docs/*.md)
# KX_DOCS_VERBOSE=1 shows the output of the blocks that passed too.
set -uo pipefail

src=$(cd "$1" && pwd)
bin=$(cd "$2" && pwd)
shift 2
cd "$src"
if [ $# -gt 0 ]; then docs=("$@"); else docs=(README.md docs/*.md); fi

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# --- Paths: every build path in the documents is one a documented command creates.
built=$(sed -n 's/.*cmake --build build-run --target \(.*\)$/\1/p' scripts/run.sh)
[ -n "$built" ] || fail "scripts/run.sh: no 'cmake --build build-run --target ...' line"
for doc in "${docs[@]}"; do
  while IFS=: read -r line text; do
    fail "$doc:$line: a build path no documented command creates: $text"
  done < <(grep -noE '(^|[^-[:alnum:]_<])build(-[[:alnum:]]+)?/bin/[[:alnum:]_.-]*' "$doc" |
           grep -vE ':[^:]*build-(run|asan)/bin/')
  while IFS=: read -r line program; do
    program=${program#build-run/bin/}
    case " $built kx760-guide.html kx760.data kx760-catalogue.data " in
      *" $program "*) ;;
      *) fail "$doc:$line: build-run/bin/$program is not built by scripts/run.sh ($built)" ;;
    esac
  done < <(grep -noE 'build-run/bin/[[:alnum:]_.-]+' "$doc")
done

# --- The runnable blocks.
work=$(mktemp -d)
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The documents' SNMPv3 user "admin" and the simulator's own users that they name.
"$bin/kx760sim" --led-period 0 \
  --user admin:SHA:authpass123:AES:privpass123 \
  --user sha256aes:SHA-256:authpass123:AES:privpass123 \
  --user md5des:MD5:authpass123:DES:privpass123 \
  >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
port=""
for _ in $(seq 1 600); do
  port=$(sed -n 's/.*listening on udp:127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/sim.out")
  [ -n "$port" ] && break
  kill -0 "$sim_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$port" ]; then
  cat "$work/sim.err" >&2
  echo "FAIL: kx760sim did not start" >&2
  exit 1
fi

# The programs as the blocks call them. A document that has set up no profile directory in its
# registry file talks to a switch on port 161: those get --port (when they give none). In "gui"
# blocks kx760 and kx760mib also get --screenshot (when they give none), so they end.
mkdir -p "$work/wrap"
for program in kx760 kx760ctl kx760mib; do
  cat >"$work/wrap/$program" <<SH
#!/usr/bin/env bash
extra=()
case " \$* " in *" --port "*) ;; *)
  grep -qs MibFile "\$HOME/.config/maravel/registry.ini" || extra+=(--port $port) ;;
esac
if [ -n "\${KX_DOCS_GUI:-}" ] && [ "$program" != kx760ctl ]; then
  case " \$* " in *" --screenshot "*) ;; *) extra+=(--screenshot "$work/gui-$program.png") ;; esac
fi
if [ "$program" = kx760ctl ]; then
  # kx760ctl reads options only before its command word; Net-SNMP's form names the port itself.
  case " \$* " in *" -v"*) extra=() ;; esac
  exec "$bin/$program" "\${extra[@]}" "\$@"
fi
exec "$bin/$program" "\$@" "\${extra[@]}"
SH
  chmod +x "$work/wrap/$program"
done

# What a document's text becomes before it runs (see the head of this file).
substitute() {
  sed -e 's#build-run/bin/##g' -e 's/10\.0\.0\.5/127.0.0.1/g' \
    -e "s/\\bPORT\\b/$port/g" -e "s/\\b16100\\b/$port/g" -e "s/\\b40312\\b/$port/g" \
    -e "s/AgentPort=161\$/AgentPort=$port/" -e "s/--port 161\\b/--port $port/g"
}

blocks=0
for doc in "${docs[@]}"; do
  home="$work/home-$(basename "$doc" .md)"
  mkdir -p "$home/cwd"
  # One block per file: its first line "#" LINE OPTIONS, then the block's text.
  rm -rf "$work/blocks" && mkdir -p "$work/blocks"
  awk -v out="$work/blocks" '
    /^<!-- run( [^>]*)? -->[[:space:]]*$/ { marked = $0; markLine = NR; next }
    inOutput && /^```/ { inOutput = 0; close(file ".out"); next }
    inOutput { print > (file ".out"); next }
    wantOutput && /^```/ { wantOutput = 0; inOutput = 1; next }
    wantOutput && !/^[[:space:]]*$/ { wantOutput = 0 }
    /^```/ {
      if (inBlock) { inBlock = 0; close(file); wantOutput = (options ~ /(^| )output( |$)/); next }
      if (marked != "" && markLine == NR - 1) {
        inBlock = 1; n++
        file = sprintf("%s/%03d", out, n)
        options = marked
        sub(/^<!-- run ?/, "", options); sub(/ ?-->[[:space:]]*$/, "", options)
        print "# " NR + 1 " " options > file
      }
      marked = ""
      next
    }
    inBlock { print > file; next }
    { if (NR != markLine) marked = "" }
  ' "$doc"
  for block in "$work"/blocks/*; do
    [ -e "$block" ] || continue
    case "$block" in *.out) continue ;; esac
    blocks=$((blocks + 1))
    read -r _ line options < "$block"
    want=0
    gui=""
    for option in $options; do
      case "$option" in
        exit=*) want=${option#exit=} ;;
        gui) gui=1 ;;
        output) [ -e "$block.out" ] || fail "$doc:$line: \"output\" but no fenced block follows" ;;
        *) fail "$doc:$line: unknown marker option \"$option\"" ;;
      esac
    done
    script=$(tail -n +2 "$block" | substitute)
    (
      cd "$home/cwd"
      unset KX760_REGISTRY DISPLAY WAYLAND_DISPLAY
      export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_STATE_HOME="$home/.local/state"
      export PATH="$work/wrap:$bin:$PATH" QT_QPA_PLATFORM=offscreen KX_DOCS_GUI="$gui"
      timeout 180 bash -e -o pipefail -c "$script"
    ) >"$work/out" 2>&1
    status=$?
    missing=""
    if [ -e "$block.out" ]; then
      while IFS= read -r expected; do
        expected=$(printf '%s\n' "$expected" | substitute)
        [ -z "$expected" ] || grep -qxF -- "$expected" "$work/out" || missing+="    missing: $expected"$'\n'
      done < "$block.out"
    fi
    if [ -n "$missing" ]; then
      fail "$doc:$line: the output lacks documented lines"
      printf '%s' "$missing" >&2
      sed 's/^/    > /' "$work/out" >&2
    elif [ "$status" -ne "$want" ]; then
      fail "$doc:$line: exit status $status, documented $want"
      printf '%s\n' "$script" | sed 's/^/    | /' >&2
      sed 's/^/    > /' "$work/out" >&2
    else
      echo "ok   $doc:$line"
      [ -z "${KX_DOCS_VERBOSE:-}" ] || sed 's/^/    > /' "$work/out"
    fi
  done
done

[ "$blocks" -gt 0 ] || fail "no runnable block found"
if [ "$failures" -gt 0 ]; then
  echo "$failures documented command(s) failed" >&2
  exit 1
fi
echo "$blocks documented command blocks ran as documented"
