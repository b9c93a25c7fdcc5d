#!/usr/bin/python3
"""Every text the program passes through Translate has an entry in the translation table."""
import os
import re
import sys

top = sys.argv[1]
sys.path.insert(0, os.path.join(top, "translations"))
from texts import T  # noqa: E402

keys = set()
for folder, _, files in os.walk(os.path.join(top, "src")):
    for name in files:
        if name.endswith(".cpp"):
            text = open(os.path.join(folder, name), encoding="utf-8").read()
            keys.update(re.findall(r'Translate\(QStringLiteral\("((?:[^"\\]|\\.)*)"\)\)', text))
            if name == "uRasError.cpp":
                keys.update(k for k in re.findall(r'text = "([^"]*)"', text) if k)
# Captions built with the version number are keys that only match by accident.
keys -= {"Zelmor ", "Zelmor (0.45 EPM) "}
missing = sorted(k for k in keys if k not in T)
for k in missing:
    print("no translation: %r" % k)
for k, v in T.items():
    if len(v) != 3 or any(not x for x in v):
        print("incomplete row: %r" % k)
        missing.append(k)
print("%d texts, %d missing" % (len(keys), len(missing)))
sys.exit(1 if missing else 0)
