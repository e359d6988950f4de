#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file is in its place and
# that the installed program finds its user guide. Usage: install-test.sh BUILD-FOLDER
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null
for file in bin/nudgely share/nudgely/Nudgely.html share/applications/nudgely.desktop \
            share/icons/hicolor/scalable/apps/nudgely.svg share/doc/nudgely/examples/dates.txt; do
  [ -f "$prefix/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
[ -x "$prefix/bin/nudgely" ] || { echo "not executable: bin/nudgely" >&2; exit 1; }

expected="The user guide: $prefix/share/nudgely/Nudgely.html"
actual="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/nudgely" --help | tail -n 1)"
[ "$actual" = "$expected" ] || { echo "expected '$expected', got '$actual'" >&2; exit 1; }
echo "installed and finds its guide"
