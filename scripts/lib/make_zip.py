#!/usr/bin/env python3
"""Writes a zip of a folder that depends only on the files' names and bytes: entries in name
order, one fixed time on all of them, fixed attributes, no extra fields.

    make_zip.py FOLDER ZIP     (FOLDER's own name is the zip's top folder)
"""
import sys
import zipfile
from pathlib import Path

# The release's date, on every entry: a zip keeps local times, and an unzipped file would
# otherwise carry the build's.
WHEN = (2025, 1, 1, 12, 0, 0)


def entry(name, mode):
    info = zipfile.ZipInfo(name, WHEN)
    info.create_system = 3  # Unix, so that the attributes below are read as such
    info.external_attr = mode << 16
    info.compress_type = zipfile.ZIP_DEFLATED
    return info


def main():
    folder, target = Path(sys.argv[1]), Path(sys.argv[2])
    paths = [folder, *sorted(folder.rglob("*"))]
    with zipfile.ZipFile(target, "w") as zf:
        for path in paths:
            name = path.relative_to(folder.parent).as_posix()
            if path.is_dir():
                zf.writestr(entry(name + "/", 0o40755), b"")
            else:
                zf.writestr(entry(name, 0o100644), path.read_bytes(), compresslevel=9)


if __name__ == "__main__":
    main()
