#!/usr/bin/env bash
# Times the real program (nudgely, handing over to nudgely-window) from the process start to
# the first paint of the list's rows, on one Xvfb started here with -noreset (and openbox when
# installed), for two cases: the reference workload with every event listed (Filter 0), and a
# first run with a fresh configuration folder, which shows the sample dates.txt beside the
# program. The window writes the time of that paint when NUDGELY_FIRST_PAINT_REPORT names a
# file, and ends. Also times a bare Qt main window the same way (the floor under both), and
# prints the window's reload with the view update, and peak memory.
# Usage: bench/window-timing.sh [RUNS]   (21 runs at least)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-21}"
[ "$runs" -ge 21 ] || runs=21

. "$top/bench/workload.sh"

"$top/scripts/install-deps" python3 xvfb time dbus-daemon >&2
build_release nudgely nudgely-window nudgely_window_startup nudgely_floor_window

work="$build/window-timing"
data="$work/reference"
mkdir -p "$work"
make_workload "$data"
write_workload_config "$data" "$work/Nudgely.ini" "Filter=0"

# One X server for every run: no server reset between runs. -displayfd picks a free display
# and tells it once the server accepts connections.
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT
rm -f "$work/display"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { echo "window-timing: Xvfb did not start (see $work/xvfb.log)" >&2; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
unset WAYLAND_DISPLAY
# A desktop has a session bus: without one, every start would try to launch one.
bus_note="no session bus"
if command -v dbus-daemon >/dev/null 2>&1; then
  bus_note="a session bus"
  bus="$(dbus-daemon --session --fork --print-address=1 --print-pid=1)"
  export DBUS_SESSION_BUS_ADDRESS="$(echo "$bus" | head -1)"
  pids+=("$(echo "$bus" | sed -n 2p)")
fi
manager="no window manager"
if command -v openbox >/dev/null 2>&1; then
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 0.5
  manager="openbox"
fi
echo "display $DISPLAY (Xvfb -noreset, $manager, $bus_note), $runs runs each"

# The window program reads the clock the report uses (CLOCK_MONOTONIC) just before the spawn.
# A target of - prints the time alone.
time_first_paint() { # PROGRAM NAME TARGET-MS ARGS...
  python3 - "$1" "$work" "$runs" "${@:2}" <<'EOF'
import os, statistics, sys, tempfile, time
program, work, runs, name, target, *args = sys.argv[1:]
report = os.path.join(work, "first-paint")
times = []
for run in range(int(runs) + 2):  # two warm-up runs
    with tempfile.TemporaryDirectory(dir=work) as config:
        env = dict(os.environ, XDG_CONFIG_HOME=config, NUDGELY_FIRST_PAINT_REPORT=report)
        if os.path.exists(report):
            os.remove(report)
        start = time.monotonic_ns()
        pid = os.posix_spawn(program, [program, *args], env)
        deadline = time.monotonic() + 30  # a window that never shows rows would not end
        while (status := os.waitpid(pid, os.WNOHANG))[0] == 0 and time.monotonic() < deadline:
            time.sleep(0.01)
        if status[0] == 0:
            os.kill(pid, 9)
            os.waitpid(pid, 0)
        status = status[1] if status[0] else "killed after 30 s"
        if status != 0 or not os.path.exists(report):
            sys.exit(f"window-timing: {name}: no first paint reported (status {status})")
        if run >= 2:
            times.append((int(open(report).read()) - start) / 1e6)
median = statistics.median(times)
quartiles = statistics.quantiles(times, n=4)
verdict = "" if target == "-" else (", target < %s ms: %s" % (target, "pass" if median < float(target) else "FAIL"))
print(f"{name}: median {median:.1f} ms, spread {min(times):.1f}..{max(times):.1f} ms "
      f"(quartiles {quartiles[0]:.1f}..{quartiles[2]:.1f}){verdict}")
EOF
}

time_first_paint "$build/nudgely" "all 32,767 events listed, to the first painted rows" 80 /I "$work/Nudgely.ini"
time_first_paint "$build/nudgely" "sample data file on a first run, to the first painted rows" 60
# The floor under both: no program with a Qt main window paints its rows sooner here.
time_first_paint "$build/bench/nudgely_floor_window" "floor: a bare Qt main window with a 10-row table" -

program="$build/bench/nudgely_window_startup"
"$program" "$work/Nudgely.ini" --reload
/usr/bin/time -f "peak memory, all events listed: %M KiB" "$program" "$work/Nudgely.ini" 2>&1 | tail -1
