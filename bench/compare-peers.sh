#!/usr/bin/env bash
# Times `nudgely --list` against remind and BSD calendar on 1,000 and 32,767 events (each also
# with --old dates), and `nudgely --version`, in paired interleaved runs; prints one table.
# Usage: bench/compare-peers.sh [--runs N]   (or NUDGELY_PEER_RUNS=N; default 31, at least 21)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"

. "$top/bench/workload.sh"

"$top/scripts/install-deps" remind calendar hyperfine python3 >&2
build_release nudgely nudgely-window nudgely_floor_qtcore

work="$build/peers"
# Nudgely must not touch the user's own configuration or registry file.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"

# Folder names carry the event count and --old; compare_peers.py reads them back.
folders=()
for events in 1000 32767; do
  for old in "" --old; do
    data="$work/$events${old:+-old}"
    make_workload "$data" --events "$events" $old
    write_workload_config "$data" "$data/Nudgely.ini"
    folders+=("$data")
  done
done

exec python3 "$top/bench/compare_peers.py" "$build/nudgely" --floor "$build/bench/nudgely_floor_qtcore" \
  "${folders[@]}" "$@"
