#!/usr/bin/env python3
"""Cuts one of Qt's translations (qtbase_<language>.qm) down to the texts the wizard can show, for the Windows
executable, which carries them inside itself: the message boxes' buttons, the line edits' menu with its shortcuts, and
the menu of control characters that the menu offers in right-to-left languages.
    shown-qt-texts.py LCONVERT IN.qm OUT.qm"""
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SHOWN = {
    "QPlatformTheme": {"OK", "&Yes", "&No"},
    "QLineEdit": {"&Undo", "&Redo", "Cu&t", "&Copy", "&Paste", "Delete", "Select All"},
    "QShortcut": {"Ctrl", "Shift", "Del", "+"},
    "QUnicodeControlCharacterMenu": None,  # every text
}

lconvert, source, target = sys.argv[1:]
with tempfile.TemporaryDirectory() as work:
    whole, cut = f"{work}/whole.ts", f"{work}/cut.ts"
    subprocess.run([lconvert, "-i", source, "-o", whole], check=True)
    tree = ET.parse(whole)
    root = tree.getroot()
    for context in list(root.iter("context")):
        kept = SHOWN.get(context.findtext("name"), set())
        for message in list(context.iter("message")):
            if kept is not None and message.findtext("source") not in kept:
                context.remove(message)
        if context.find("message") is None:
            root.remove(context)
    tree.write(cut, encoding="utf-8", xml_declaration=True)
    subprocess.run([lconvert, "-i", cut, "-o", target], check=True)
