#!/bin/sh
# Usage: check-command-libraries.sh NUDGELY NUDGELY-COMMAND.SO NUDGELY-FULL
# Fails, saying which, when a program needs a library it must not load.
set -eu
needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
refuse() { # FILE PATTERN WHY
  if needed "$1" | grep -E "$2"; then echo "$1 needs the above: $3" >&2; exit 1; fi
}
require() {
  if ! needed "$1" | grep -qE "$2"; then echo "$1 does not need $2" >&2; exit 1; fi
}
refuse "$1" 'libQt6' 'the command answers --version without Qt'
require "$2" 'libQt6Core'
refuse "$2" 'libQt6(Gui|Widgets|DBus)|libical' 'its runs use Qt Core only'
require "$3" 'libQt6DBus'
require "$3" 'libical'
refuse "$3" 'libQt6(Gui|Widgets)' 'notifications and calendars need no window'
echo "command: $(needed "$1" | tr '\n' ' ')"
echo "module: $(needed "$2" | tr '\n' ' ')"
