#!/usr/bin/env python3
"""Writes the icons of resources/icons into the form descriptions as hex blocks.

Run it after redrawing an icon; it rewrites only the blocks named below.
"""
import pathlib
import re

HERE = pathlib.Path(__file__).resolve().parent
ICONS = HERE.parent / "icons"
# (form description, property holding the icon, icon file)
BLOCKS = [
    ("MainForm.qpf", "Icon.Data", "tray16.ico"),
    ("AboutBox.qpf", "Picture.Data", "about32.ico"),
]
BYTES_PER_LINE = 32


def hex_block(data, indent):
    lines = [data[i:i + BYTES_PER_LINE].hex().upper() for i in range(0, len(data), BYTES_PER_LINE)]
    return "{\n" + "\n".join(indent + "  " + line for line in lines) + "}"


for form, prop, icon in BLOCKS:
    path = HERE / form
    text = path.read_text(encoding="latin-1")
    data = (ICONS / icon).read_bytes()
    pattern = re.compile(r"^( *)" + re.escape(prop) + r" = \{[^}]*\}", re.MULTILINE)
    text, count = pattern.subn(lambda m: m.group(1) + prop + " = " + hex_block(data, m.group(1)), text)
    if count != 1:
        raise SystemExit(f"{form}: expected one {prop} block, found {count}")
    path.write_text(text, encoding="latin-1")
