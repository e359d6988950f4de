#!/usr/bin/env bash
# Times the main window on the reference workload with every event listed (Filter 0):
# the load chain with the view update, the process from start to a painted window with
# its rows, and its peak memory. Runs on Xvfb when there is no display.
# Usage: bench/window-timing.sh
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"

. "$top/bench/workload.sh"

"$top/scripts/install-deps" hyperfine python3 xvfb time >&2
build_release nudgely_window_startup

work="$build/window-timing"
data="$work/reference"
mkdir -p "$work"
export XDG_CONFIG_HOME="$work/config"
make_workload "$data"
write_workload_config "$data" "$work/Nudgely.ini" "Filter=0"

program="$build/bench/nudgely_window_startup"
measure() {
  "$program" "$work/Nudgely.ini" --reload
  /usr/bin/time -f "peak memory: %M KiB" "$program" "$work/Nudgely.ini" 2>&1 | tail -1
  hyperfine --warmup 2 --min-runs 10 --style basic "'$program' '$work/Nudgely.ini'" | grep -E "Time|Range"
}

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
measure
