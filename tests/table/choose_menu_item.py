#!/usr/bin/python3
"""Chooses a menu entry of a running program through AT-SPI, as a screen reader's user may, with
no popup menu open.
Usage: choose_menu_item.py APPLICATION-NAME ENTRY"""
import sys

import pyatspi


def walk(node):
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i))


application, entry = sys.argv[1:3]
desktop = pyatspi.Registry.getDesktop(0)
app = next(a for a in (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
           if a and a.name == application)
item = next(n for n in walk(app) if n.getRoleName() == "menu item" and n.name == entry)
actions = item.queryAction()
actions.doAction(next(i for i in range(actions.nActions) if actions.getName(i) == "Press"))
