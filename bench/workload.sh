# Shared by the benchmark scripts: the Release build and the reference workload.
# Source it after setting $top to the repository.

# Builds the given targets in build/release and sets $build.
build_release() {
  build="$top/build/release"
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >&2
  cmake --build "$build" --target "$@" >&2
}

# Makes the workload in a folder once: make_workload FOLDER [--old]
make_workload() {
  local folder="$1"; shift
  [ -f "$folder/events01.txt" ] || python3 "$top/bench/gen_workload.py" "$folder" "$@" >&2
}

# A configuration naming the workload's 20 files, after any [Display] lines given:
# write_workload_config FOLDER INI [DISPLAY-LINE...]
write_workload_config() {
  local folder="$1" ini="$2"; shift 2
  {
    if [ $# -gt 0 ]; then echo "[Display]"; printf '%s\n' "$@"; fi
    echo "[DataFiles]"
    for n in $(seq 1 20); do printf '%dFile=%s/events%02d.txt\n' "$n" "$folder" "$n"; done
  } > "$ini"
}
