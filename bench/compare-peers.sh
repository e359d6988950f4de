#!/usr/bin/env bash
# Times `nudgely --list` against remind on the reference workload, process against process,
# with hyperfine, and prints the ratio. Usage: bench/compare-peers.sh
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"

. "$top/bench/workload.sh"

"$top/scripts/install-deps" remind hyperfine python3 >&2
build_release nudgely

work="$build/peers"
mkdir -p "$work"
# Nudgely must not touch the user's own configuration or registry file.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"

compare() {
  local name="$1"; shift
  local data="$work/$name"
  make_workload "$data" "$@"
  write_workload_config "$data" "$data/Nudgely.ini"

  hyperfine --warmup 3 --min-runs 20 --style basic --export-json "$data/times.json" \
    -n nudgely "'$build/nudgely' --list /I '$data/Nudgely.ini' > /dev/null 2>&1" \
    -n remind "remind -q -g -b1 -t42 '$data/reminders.rem' > /dev/null 2>&1" >&2

  python3 - "$name" "$data/times.json" <<'PY'
import json, sys
name, path = sys.argv[1], sys.argv[2]
runs = {r["command"]: r["mean"] for r in json.load(open(path))["results"]}
n, r = runs["nudgely"], runs["remind"]
print(f"{name}: nudgely {n*1000:.1f} ms, remind {r*1000:.1f} ms, ratio {n/r:.3f} (goal: at most 0.5)")
PY
}

compare reference
compare old --old
