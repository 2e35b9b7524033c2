"""Reads Quillary's windows over AT-SPI, as a screen reader does."""
import time

import pyatspi


def application():
    for _ in range(50):
        for app in pyatspi.Registry.getDesktop(0):
            if app and app.name.lower() == "quillary":
                return app
        time.sleep(0.2)
    raise SystemExit("Quillary is not on the accessibility bus")


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def heard(node):
    words = [node.getRoleName(), repr(node.name)]
    if node.description:
        words.append("(" + node.description + ")")
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            words.append("labelled by " + repr(relation.getTarget(0).name))
    return " ".join(words)


def read_window(window):
    print("window", repr(window.name), "-", window.description)
    for node in walk(window):
        states = node.getState()
        if states.contains(pyatspi.STATE_FOCUSABLE) and node.getRole() not in (
                pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TABLE_ROW, pyatspi.ROLE_LIST_ITEM,
                pyatspi.ROLE_TABLE_COLUMN_HEADER, pyatspi.ROLE_COLUMN_HEADER):
            print("  ", heard(node))


def find(root, role, name):
    for node in walk(root):
        if node.getRole() == role and node.name == name:
            return node
    raise SystemExit(f"no {role} named {name!r}")


def press(root, name):
    action = find(root, pyatspi.ROLE_PUSH_BUTTON, name).queryAction()
    action.doAction(0)
    time.sleep(2)


app = application()
entry = app.getChildAtIndex(0)
read_window(entry)
press(entry, "Load Sample/Example Data")
press(entry, "Start Creating Template")
preview = next(w for w in app if w.getState().contains(pyatspi.STATE_SHOWING)
               and w.name == "Quillary" and w != entry)
read_window(preview)
pages = next(n for n in walk(preview) if n.name == "Pages")
page = find(preview, pyatspi.ROLE_FILLER, "Page view")
print("page view:", repr(page.description))
table = pages.queryTable()
if table.nRows > 1:
    table.addRowSelection(1)
    time.sleep(1)
    print("after choosing page 2 in the list:", repr(page.description))
