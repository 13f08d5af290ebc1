#!/usr/bin/python3
"""Prints what the game tells the accessibility bus, one line an element: its role, its name
and whether it has the focus.

accessible.py APPLICATION   walks the application's windows (not its menus); exit status 1
                            when the application is not on the bus.
"""

import sys

import pyatspi


def walk(node, depth=0):
    if node is None or depth > 8:
        return
    focused = " [focused]" if node.getState().contains(pyatspi.STATE_FOCUSED) else ""
    print(f"{node.getRoleName()}: {node.name}{focused}")
    if node.getRole() != pyatspi.ROLE_MENU_BAR:
        for child in node:
            walk(child, depth + 1)


def main(name):
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == name:
            walk(application)
            return 0
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
