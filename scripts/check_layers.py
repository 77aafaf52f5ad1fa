#!/usr/bin/env python3
"""Checks that every folder under src/ includes only from the folders below it.

Each library sits on the ones it may use; an include line that reaches up
(the engine reaching for the address file, the object model for a widget)
ties the layers into a knot that no later change can untie. The table names
what each folder may use directly; what those may use is allowed too. A
folder missing from the table fails the check, so a new library is placed
on purpose.

Usage: check_layers.py SRC_DIR
"""
import pathlib
import re
import sys

# folder -> the folders it may include from directly (its own always).
LAYERS = {
    "xbase/core": [],
    "xbase/dbf": ["xbase/core"],
    "xbase/cdx": ["xbase/core"],
    "xbase/expr": ["xbase/core"],
    "xbase": ["xbase/dbf", "xbase/cdx", "xbase/expr"],
    "store": ["xbase"],
    "ui": ["store"],
    "output": ["store"],
    "picture": ["store"],
    "design/model": ["picture", "output"],
    "design/file": ["design/model"],
    "design/surface": ["design/file"],
    "design/dialogs": ["design/model", "ui"],
    "design/panels": ["design/surface", "design/dialogs"],
    "labels": ["design/surface"],
    "labels/windows": ["labels", "design/panels"],
    "envelopes": ["labels"],
    "envelopes/windows": ["envelopes", "labels/windows"],
    "reports": ["labels"],
    "reports/windows": ["reports", "labels/windows"],
    "letters": ["labels"],
    "letters/windows": ["letters", "labels/windows"],
    "app": ["design/panels", "labels/windows", "envelopes/windows", "reports/windows", "letters/windows"],
    "cli": ["labels", "envelopes", "reports", "letters"],
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def folder_of(relative_path):
    """The table's folder holding a path: the longest entry that is a prefix."""
    parts = relative_path.split("/")
    for length in range(len(parts) - 1, 0, -1):
        candidate = "/".join(parts[:length])
        if candidate in LAYERS:
            return candidate
    return None


def allowed_closure():
    closure = {}

    def visit(folder, seen):
        for below in LAYERS[folder]:
            if below not in seen:
                seen.add(below)
                visit(below, seen)
        return seen

    for folder in LAYERS:
        closure[folder] = visit(folder, {folder})
    # A folder may use the subfolders of what it may use (store uses the
    # engine's dbf layer through "xbase").
    for folder, allowed in closure.items():
        closure[folder] = {f for f in LAYERS if any(f == a or f.startswith(a + "/") for a in allowed)}
    return closure


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    src = pathlib.Path(sys.argv[1])
    closure = allowed_closure()
    problems = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = path.relative_to(src).as_posix()
        folder = folder_of(relative)
        if folder is None:
            problems.append(f"{relative}: its folder has no row in the layer table")
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match or "/" not in match.group(1):
                continue
            target = folder_of(match.group(1))
            if target is None or target not in closure[folder]:
                problems.append(f"{relative}:{number}: {folder} may not include \"{match.group(1)}\"")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
