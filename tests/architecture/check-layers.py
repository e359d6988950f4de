#!/usr/bin/env python3
"""Checks that each folder of src/ includes only its own layer and the layers below it,
so that the include graph between folders has no cycle.

usage: check-layers.py SRC-FOLDER
"""
import pathlib
import re
import sys

# Each layer with the layers it may include, besides itself.
ALLOWED = {
    "text": set(),
    "config": {"text"},
    "events": {"text"},
    "eventlist": {"text", "config", "events"},
    "app": {"text", "config", "events", "eventlist"},
    "ui/common": {"text", "config", "events", "eventlist", "app"},
    "ui/about": {"text", "config", "events", "eventlist", "app", "ui/common"},
    "ui/preferences": {"text", "config", "events", "eventlist", "app", "ui/common"},
    "ui/main": {"text", "config", "events", "eventlist", "app", "ui/common", "ui/about", "ui/preferences"},
    ".": {"app", "ui/main"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def layer_of(path):
    parts = path.split("/")
    if len(parts) == 1:
        return "."
    if parts[0] == "ui":
        return "/".join(parts[:2])
    return parts[0]


def main():
    src = pathlib.Path(sys.argv[1])
    faults = []
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp", ".in"):
            continue
        relative = file.relative_to(src).as_posix()
        layer = layer_of(relative)
        if layer not in ALLOWED:
            faults.append(f"{relative}: folder {layer} is not in the layer table")
            continue
        for included in INCLUDE.findall(file.read_text(encoding="utf-8")):
            target = layer_of(included)
            if target != layer and target not in ALLOWED[layer]:
                faults.append(f"{relative}: {layer} must not include {included}")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
