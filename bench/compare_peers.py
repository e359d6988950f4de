#!/usr/bin/env python3
"""Times `nudgely --list` against remind and BSD calendar, process against process, and prints
one table. Figures are medians of paired, interleaved runs: each round runs every command of a
workload once, in an order rotated each round, so slow spells on a shared machine hit all of them.

usage: compare_peers.py NUDGELY [--runs N] [--floor PROGRAM] WORKLOAD-DIR...
  A workload folder is named EVENTS or EVENTS-old and holds Nudgely.ini, reminders.rem and
  calendar.txt (bench/compare-peers.sh makes them). PROGRAM is an empty program that loads Qt
  Core: it runs in the same rounds, and its time is the floor under every run of the command
  module, to be read beside the targets in milliseconds.
"""
import argparse, os, shutil, statistics, subprocess, sys, time

MIN_RUNS = 21
# Targets as the most nudgely may take, as a share of a peer's time, by workload size.
TARGETS = {32767: {"remind -g": 0.3, "remind": 0.4}, 1000: {"remind -g": 2.0}}
VERSION_TARGET_MS = 5.0
PEERS = ["remind -g", "remind", "calendar"]
# Every child's output and messages go to /dev/null.
QUIET = [(os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0), (os.POSIX_SPAWN_DUP2, 1, 2)]


def run_once(argv):
    """Wall time of one process in ns, from spawn to reaped; its output goes to /dev/null."""
    t0 = time.perf_counter_ns()
    pid = os.posix_spawn(argv[0], argv, os.environ, file_actions=QUIET)
    _, status = os.waitpid(pid, 0)
    elapsed = time.perf_counter_ns() - t0
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        # Run it again with its messages shown, so the reason is on screen.
        err = subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True).stderr
        how = f"exited with status {code}" if code > 0 else f"was killed by signal {-code}"
        sys.exit(f"compare_peers: {' '.join(argv)} {how}\n{err.strip()}")
    return elapsed


def rounds(commands, runs):
    """Times {name: argv} in `runs` rounds after a warm-up round; returns {name: [ns per round]}."""
    names = list(commands)
    times = {n: [] for n in names}
    for r in range(-1, runs):  # round -1 is the warm-up
        k = r % len(names)
        for n in names[k:] + names[:k]:
            t = run_once(commands[n])
            if r >= 0:
                times[n].append(t)
    return times


def ms(ns_list):
    return statistics.median(ns_list) / 1e6


def cpu_model():
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    return line.split(":", 1)[1].strip()
    except OSError:
        pass
    return "unknown"


def mark(ok):
    return "pass" if ok else "FAIL"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("nudgely")
    ap.add_argument("workloads", nargs="+")
    ap.add_argument("--runs", type=int, default=int(os.environ.get("NUDGELY_PEER_RUNS", 31)))
    ap.add_argument("--floor")
    a = ap.parse_args()
    if a.runs < MIN_RUNS:
        sys.exit(f"compare_peers: at least {MIN_RUNS} runs are needed for a median worth reading")
    remind, calendar = shutil.which("remind"), shutil.which("calendar")
    if not remind or not calendar:
        sys.exit("compare_peers: remind and calendar must be installed (scripts/install-deps)")

    header = ["workload", "nudgely ms", "remind -g ms", "remind ms", "calendar ms",
              "/remind -g", "/remind", "/calendar", "floor ms (2)", "targets"]
    rows, failed = [], False
    for folder in a.workloads:
        events, _, old = os.path.basename(folder.rstrip("/")).partition("-")
        events = int(events)
        data = lambda name: os.path.join(folder, name)
        times = rounds({
            "nudgely": [a.nudgely, "--list", "/I", data("Nudgely.ini")],
            "remind -g": [remind, "-q", "-g", "-b1", "-t42", data("reminders.rem")],
            "remind": [remind, "-q", "-b1", "-t42", data("reminders.rem")],
            "calendar": [calendar, "-f", data("calendar.txt"), "-A", "42"],
            **({"floor": [a.floor]} if a.floor else {}),
        }, a.runs)
        # Ratios pair the runs of one round, so a slow round slows both sides of its ratio.
        ratio = {p: statistics.median(n / q for n, q in zip(times["nudgely"], times[p]))
                 for p in PEERS}
        checks = []
        for peer, most in TARGETS.get(events, {}).items():
            ok = ratio[peer] <= most
            failed |= not ok
            checks.append(f"<= {most:g} x {peer}{' (1)' if events == 1000 else ''}"
                          f" = {most * ms(times[peer]):.1f} ms: {mark(ok)}")
        rows.append([f"{events:,} events{' --old' if old else ''}",
                     *(f"{ms(times[c]):.1f}" for c in ["nudgely", *PEERS]),
                     *(f"{ratio[p]:.3f}" for p in PEERS),
                     f"{ms(times['floor']):.1f}" if a.floor else "-", "; ".join(checks)])

    version = ms(rounds({"nudgely": [a.nudgely, "--version"]}, a.runs)["nudgely"])
    ok = version <= VERSION_TARGET_MS
    failed |= not ok
    rows.append(["nudgely --version", f"{version:.1f}", *["-"] * 7,
                 f"<= {VERSION_TARGET_MS:g} ms: {mark(ok)}"])

    print(f"CPU: {cpu_model()}, {os.cpu_count()} cores; {a.runs} runs per command after a warm-up round")
    print("Figures are medians of paired, interleaved runs (ratios: median of per-round ratios).")
    widths = [max(len(r[i]) for r in [header, *rows]) for i in range(len(header))]
    for r in [header, ["-" * w for w in widths], *rows]:
        print("  ".join(c.ljust(w) if i in (0, 9) else c.rjust(w)
                        for i, (c, w) in enumerate(zip(r, widths))).rstrip())
    print("(1) At 1,000 events the target compares with the sorted `remind -q -g -b1 -t42`;"
          " the ratio to plain remind is shown beside it.")
    print("(2) An empty program that loads Qt Core, as the command module does for --list, timed in"
          " the same rounds: a target below it cannot be met by loading Qt Core.")
    print("Commands: nudgely --list /I Nudgely.ini; remind -q [-g] -b1 -t42 reminders.rem;"
          " calendar -f calendar.txt -A 42.")
    if failed:
        print("FAIL: at least one target was missed (see the targets column).")


if __name__ == "__main__":
    main()
