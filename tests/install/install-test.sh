#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file is in its place, that
# the installed program finds its user guide and sample, and where its first run stores settings. Usage: install-test.sh BUILD-FOLDER
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null
for file in bin/nudgely libexec/nudgely/nudgely-command.so libexec/nudgely/nudgely-full libexec/nudgely/nudgely-window share/nudgely/Nudgely.html share/applications/nudgely.desktop \
            share/icons/hicolor/scalable/apps/nudgely.svg share/nudgely/dates.txt; do
  [ -f "$prefix/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
[ -x "$prefix/bin/nudgely" ] || { echo "not executable: bin/nudgely" >&2; exit 1; }

expected="The user guide: $prefix/share/nudgely/Nudgely.html"
actual="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/nudgely" --help | tail -n 1)"
[ "$actual" = "$expected" ] || { echo "expected '$expected', got '$actual'" >&2; exit 1; }
# A first run in a fresh world lists the sample's events.
config="$(mktemp -d)"
trap 'rm -rf "$prefix" "$config"' EXIT
listed="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$config" \
  "$prefix/bin/nudgely" --list --today=2026-12-20 2> /dev/null)"
grep -q "Office party" <<< "$listed" || { echo "the sample is not listed on a first run: $listed" >&2; exit 1; }
# A calendar comes from the installed full program, which still finds the command's sample.
calendar="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$config" \
  "$prefix/bin/nudgely" --format=ics --today=2026-12-20 2> /dev/null)"
grep -q "SUMMARY:Office party" <<< "$calendar" || { echo "no calendar of the sample: $calendar" >&2; exit 1; }

# A first window run from a writable program folder, closed with Escape, stores its
# configuration in the user's folder and nothing beside the program. No session bus: what is
# due must not pop up on the desktop of whoever runs the tests.
xdg="$(mktemp -d)"
trap 'rm -rf "$prefix" "$config" "$xdg"' EXIT
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$xdg" DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent \
  timeout 120 xvfb-run -a bash -c '
  "$0" > /dev/null 2>&1 &
  for _ in $(seq 300); do
    id="$(xdotool search --onlyvisible --name "^Nudgely" 2> /dev/null | head -n 1)" && [ -n "$id" ] && break
    sleep 0.2
  done
  xdotool windowfocus --sync "$id" key Escape
  wait' "$prefix/bin/nudgely" || true
[ -f "$xdg/Nudgely/Nudgely.ini" ] || { echo "no configuration in \$XDG_CONFIG_HOME/Nudgely after a first run" >&2; exit 1; }
[ ! -e "$prefix/bin/Nudgely.ini" ] || { echo "a configuration was written beside the program" >&2; exit 1; }
# One beside the program is still used first: a portable set-up.
printf '01/01/XXXX Portable event\n' > "$prefix/bin/portable.txt"
printf '[DataFiles]\n1File=%s\n' "$prefix/bin/portable.txt" > "$prefix/bin/Nudgely.ini"
listed="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$xdg" \
  "$prefix/bin/nudgely" --list --today=2026-12-20 2> /dev/null)"
grep -q "Portable event" <<< "$listed" || { echo "the configuration beside the program is not used: $listed" >&2; exit 1; }
echo "installed, finds its guide, lists the sample and stores its configuration in the user's folder"
