#!/usr/bin/env python3
"""Fails when a file under src/ includes a header of a layer its target may not use.

The arrows are the ones the CMake files already declare: a target may use the
targets it links, and what those link publicly. Each folder of src/ builds one
library (an executable may sit beside it and uses that library); a header
belongs to the target of its folder. Qt headers are allowed only in targets
that link a Qt module, directly or through a public arrow.
"""

import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SRC = ROOT / "src"

TARGET_RE = re.compile(r"\badd_(library|executable)\(\s*([\w.-]+)")
LINK_RE = re.compile(r"\btarget_link_libraries\(\s*([\w.-]+)([^)]*)\)", re.S)
INCLUDE_RE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
QT_HEADER_RE = re.compile(r"^Q[A-Za-z]|^Qt[A-Za-z]*/")
SOURCE_SUFFIXES = {".cpp", ".hpp", ".h"}


def cmake_files():
    for path in sorted(SRC.rglob("*")):
        if path.name == "CMakeLists.txt" or path.suffix == ".cmake":
            yield path


def strip_comments(text):
    return "\n".join(line.split("#", 1)[0] for line in text.splitlines())


def read_targets():
    """Returns (folder -> library, target -> {PUBLIC: set, PRIVATE: set}, problems)."""
    libraries = {}
    executables = {}
    links = {}
    problems = []
    for path in cmake_files():
        text = strip_comments(path.read_text())
        folder = path.parent.relative_to(SRC).parts[0] if path.parent != SRC else None
        for kind, name in TARGET_RE.findall(text):
            if folder is None:
                continue
            if kind == "library":
                if folder in libraries and libraries[folder] != name:
                    problems.append(
                        f"src/{folder} builds two libraries, {libraries[folder]} and {name}: "
                        "give each its own folder")
                libraries.setdefault(folder, name)
            else:
                executables.setdefault(folder, []).append(name)
        for name, items in LINK_RE.findall(text):
            entry = links.setdefault(name, {"PUBLIC": set(), "PRIVATE": set()})
            mode = "PUBLIC"
            for item in items.split():
                if item in ("PUBLIC", "INTERFACE"):
                    mode = "PUBLIC"
                elif item == "PRIVATE":
                    mode = "PRIVATE"
                else:
                    entry[mode].add(item)
    return libraries, executables, links, problems


def public_closure(target, links, seen=None):
    seen = set() if seen is None else seen
    for dep in links.get(target, {}).get("PUBLIC", ()):
        if dep not in seen:
            seen.add(dep)
            public_closure(dep, links, seen)
    return seen


def usable(target, links):
    """Targets whose headers `target` may include."""
    allowed = {target}
    entry = links.get(target, {"PUBLIC": set(), "PRIVATE": set()})
    for dep in entry["PUBLIC"] | entry["PRIVATE"]:
        allowed.add(dep)
        allowed |= public_closure(dep, links)
    return allowed


def main():
    libraries, executables, links, problems = read_targets()
    folder_of = {lib: folder for folder, lib in libraries.items()}
    for folder, names in executables.items():
        for name in names:
            folder_of.setdefault(name, folder)

    for path in sorted(SRC.rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES:
            continue
        rel = path.relative_to(SRC)
        folder = rel.parts[0]
        target = libraries.get(folder)
        if target is None:
            names = executables.get(folder, [])
            target = names[0] if names else None
        if target is None:
            problems.append(f"src/{rel}: its folder builds no target")
            continue
        allowed = usable(target, links)
        # An executable beside the library uses that library.
        for name in executables.get(folder, []):
            allowed |= usable(name, links)
        allowed_folders = {folder_of[t] for t in allowed if t in folder_of}
        qt_allowed = any(t.startswith("Qt6::") for t in allowed)
        for quote, header in INCLUDE_RE.findall(path.read_text(errors="replace")):
            if quote == "<":
                if QT_HEADER_RE.match(header) and not qt_allowed:
                    problems.append(f"src/{rel}: includes <{header}>, but {target} links no Qt module")
                continue
            parts = pathlib.PurePosixPath(header).parts
            if len(parts) < 2 or not (SRC / header).exists():
                continue
            if parts[0] not in allowed_folders:
                problems.append(
                    f"src/{rel}: includes \"{header}\", but {target} does not depend on "
                    f"{libraries.get(parts[0], 'src/' + parts[0])}")

    for problem in problems:
        print(f"check-layers: {problem}", file=sys.stderr)
    if problems:
        print(f"check-layers: {len(problems)} problem(s)", file=sys.stderr)
        return 1
    print("check-layers: every include follows the arrows of the CMake targets")
    return 0


if __name__ == "__main__":
    sys.exit(main())
