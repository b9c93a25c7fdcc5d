#!/usr/bin/python3
"""Builds a zip archive for the tests with Python's zipfile: make_zip.py OUT ENTRIES.json
ENTRIES is a list of {"name": path in the archive, "text": content, "repeat": n (optional,
content repeated n times), "mode": unix permissions (optional)}."""
import json
import sys
import zipfile

out, entries = sys.argv[1], json.load(open(sys.argv[2]))
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
    for e in entries:
        info = zipfile.ZipInfo(e["name"])
        info.compress_type = zipfile.ZIP_DEFLATED
        if "mode" in e:
            info.external_attr = (0o100000 | e["mode"]) << 16
            info.create_system = 3
        z.writestr(info, e.get("text", "") * e.get("repeat", 1))
