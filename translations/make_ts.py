#!/usr/bin/python3
# Writes the .ts files from the table in texts.py (Dutch key -> English, German, Danish).
import html
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)
from texts import T  # noqa: E402

for code, loc, idx in [("en", "en_GB", 0), ("de", "de_DE", 1), ("da", "da_DK", 2)]:
    out = ['<?xml version="1.0" encoding="utf-8"?>', '<!DOCTYPE TS>',
           f'<TS version="2.1" language="{loc}" sourcelanguage="nl_NL">', '<context>', '    <name>Zelmor</name>']
    for k, v in T.items():
        out += ['    <message>', f'        <source>{html.escape(k, quote=False)}</source>',
                f'        <translation>{html.escape(v[idx], quote=False)}</translation>', '    </message>']
    out += ['</context>', '</TS>', '']
    with open(os.path.join(here, f'zelmor_{code}.ts'), 'w', encoding='utf-8') as f:
        f.write('\n'.join(out))
print(f'{len(T)} texts')
