#!/usr/bin/env python3
"""Drives the running program through the accessibility bus, the way a screen reader does.

Argument: the program's process id. Every wait polls with a generous deadline: on a busy machine
a window may take seconds to appear on the bus."""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

DEADLINE = 30.0

MAIN_MENU_ITEMS = [
    "File", "Create new key list", "Open key list...", "Save key list...", "Save key list as...",
    "Recent key lists", "Site...", "Print key list...", "Exit",
    "Dallas", "Select COM port", "Line Test", "Read Controller Data", "Write Controller Data",
    "Compare key list with controller", "Write changes to controller", "Controller history...",
    "Read master keys", "Read slave keys", "Read controller information", "Read all controller data",
    "Write master keys", "Write slave keys", "Write controller information",
    "Write all data to controller",
    "Help", "About...",
]
KEY_PAGE_BUTTONS = ["First Record", "Privios Record", "Next Record", "Last Record", "Edit Key Info",
                    "Deactivate Key", "Find Key"]
KEY_DIALOG_ACTIONS = ["First key", "Previous key", "Next key", "Last key", "OK", "Active Key"]
KEY_DIALOG_FIELDS = ["Record #", "Key Type", "Key Code", "Engraved", "Key Info"]


class Failure(Exception):
    pass


def poll(what, probe, deadline=DEADLINE):
    """The probe's first true answer; a failure naming what was awaited after the deadline."""
    end = time.monotonic() + deadline
    while True:
        try:
            answer = probe()
        except GLib.Error:
            answer = None  # an object that went away while it was asked
        if answer:
            return answer
        if time.monotonic() > end:
            raise Failure("waited %.0f s in vain for %s" % (deadline, what))
        time.sleep(0.2)


def children(node):
    try:
        count = node.get_child_count()
    except GLib.Error:
        return []
    found = []
    for i in range(count):
        try:
            child = node.get_child_at_index(i)
        except GLib.Error:
            child = None
        if child is not None:
            found.append(child)
    return found


def walk(node, into_tables=False):
    """Every object under node; the grids' cells are left out unless asked for."""
    stack = [node]
    while stack:
        current = stack.pop()
        yield current
        if not into_tables and current.get_role() == Atspi.Role.TABLE:
            continue
        stack.extend(reversed(children(current)))


def showing(node):
    try:
        return node.get_state_set().contains(Atspi.StateType.SHOWING)
    except GLib.Error:
        return False


def find_application(pid):
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        try:
            if app.get_process_id() == pid:
                return app
        except GLib.Error:
            pass
    return None


def window(app, name):
    for top in children(app):
        if top.get_name() == name and showing(top):
            return top
    return None


def find(node, name, roles=None, visible=True):
    for item in walk(node):
        if item.get_name() == name and (roles is None or item.get_role() in roles):
            if not visible or showing(item):
                return item
    return None


def action_count(item):
    """How many actions the object offers; 0 without the Action interface."""
    try:
        if "Action" not in item.get_interfaces():
            return 0
        return Atspi.Action.get_n_actions(item)
    except GLib.Error:
        return 0


def press(item, label):
    """Runs the object's first action. An action that opens a modal dialog may answer late; the
    effect is checked on the bus afterwards, not by the reply."""
    if action_count(item) == 0:
        raise Failure("%s has no action" % label)
    try:
        Atspi.Action.do_action(item, 0)
    except GLib.Error as error:
        if "Did not receive a reply" not in str(error) and "Timeout" not in str(error):
            raise


def main_window_checks(app, main):
    menu_bar = poll("the menu bar", lambda: find(main, "", {Atspi.Role.MENU_BAR}, visible=False)
                    or next((x for x in walk(main) if x.get_role() == Atspi.Role.MENU_BAR), None))
    names = {x.get_name() for x in walk(menu_bar)
             if x.get_role() in (Atspi.Role.MENU_ITEM, Atspi.Role.MENU, Atspi.Role.CHECK_MENU_ITEM)}
    missing = [n for n in MAIN_MENU_ITEMS if n not in names]
    if missing:
        raise Failure("menu items not found by name: %s (found: %s)" % (missing, sorted(names)))
    for item in walk(menu_bar):
        if item.get_role() == Atspi.Role.MENU_ITEM and item.get_name() in MAIN_MENU_ITEMS:
            if action_count(item) == 0:
                raise Failure("menu item %r offers no action" % item.get_name())
    # Every control a keyboard user can reach is named and described for the ear.
    unnamed = []
    for item in walk(main):
        states = item.get_state_set()
        if not states.contains(Atspi.StateType.FOCUSABLE) or not showing(item) or item.get_role() in (
                Atspi.Role.MENU_ITEM, Atspi.Role.MENU, Atspi.Role.PAGE_TAB):
            continue
        # Qt says a tab bar as its current tab and gives it no description of its own.
        described = item.get_description() or item.get_role() == Atspi.Role.PAGE_TAB_LIST
        if not item.get_name() or not described:
            unnamed.append("%s %r" % (item.get_role_name(), item.get_name()))
    if unnamed:
        raise Failure("controls without an accessible name or description: %s" % unnamed)
    port = poll("the port label", lambda: find(main, "Controller port", {Atspi.Role.LABEL}))
    # Asked afresh: Qt's change notice for a description carries no text a client could cache.
    port.clear_cache()
    if "Not selected" not in port.get_description():
        raise Failure("the port label's description does not say its state: %r" % port.get_description())


def about_box(app, main):
    press(poll("About...", lambda: find(main, "About...", {Atspi.Role.MENU_ITEM}, visible=False)), "About...")
    about = poll("the About window", lambda: window(app, "About"))
    press(poll("About's OK", lambda: find(about, "OK", {Atspi.Role.PUSH_BUTTON})), "About's OK")
    poll("the About window to close", lambda: window(app, "About") is None)


def key_dialog(app, main):
    new_list = poll("Create new key list",
                    lambda: find(main, "Create new key list", {Atspi.Role.MENU_ITEM}, visible=False))
    press(new_list, "Create new key list")
    # The program tells that the list was made; its box is answered through the bus as well.
    box = poll("the message box", lambda: next(
        (w for w in children(app) if showing(w) and w is not None
         and find(w, "New key list created succesefully.", visible=False)), None))
    press(poll("the box's OK", lambda: find(box, "OK", {Atspi.Role.PUSH_BUTTON})), "the box's OK")
    poll("the message box to close", lambda: not showing(box))

    press(poll("the Master Keys tab", lambda: find(main, "Master Keys", {Atspi.Role.PAGE_TAB})),
          "the Master Keys tab")
    names = set()

    def page_buttons():
        names.clear()
        names.update(x.get_name() for x in walk(main) if x.get_role() == Atspi.Role.PUSH_BUTTON and showing(x))
        return all(n in names for n in KEY_PAGE_BUTTONS)
    poll("the master key page's buttons %s (found %s)" % (KEY_PAGE_BUTTONS, names), page_buttons)
    edit = poll("Edit Key Info enabled", lambda: next(
        (x for x in walk(main) if x.get_name() == "Edit Key Info" and showing(x)
         and x.get_state_set().contains(Atspi.StateType.ENABLED)), None))
    press(edit, "Edit Key Info")

    dialog = poll("the key dialog", lambda: window(app, "Master Key Info"))
    found = {x.get_name(): x for x in walk(dialog)}
    missing = [n for n in KEY_DIALOG_ACTIONS + KEY_DIALOG_FIELDS if n not in found]
    if missing:
        raise Failure("the key dialog has nothing named %s (found: %s)" % (missing, sorted(found)))
    for name in KEY_DIALOG_ACTIONS:
        if action_count(found[name]) == 0:
            raise Failure("the key dialog's %r offers no action" % name)
    for name in KEY_DIALOG_FIELDS:
        if not found[name].get_description():
            raise Failure("the key dialog's field %r has no description" % name)
    press(found["OK"], "the key dialog's OK")
    poll("the key dialog to close", lambda: window(app, "Master Key Info") is None)


def main():
    pid = int(sys.argv[1])
    Atspi.set_timeout(5000, 30000)
    app = poll("the program on the accessibility bus", lambda: find_application(pid), 45.0)
    main = poll("the main window", lambda: window(app, "VELM Tarvikon"))
    main_window_checks(app, main)
    about_box(app, main)
    key_dialog(app, main)
    print("AT-SPI: menu, About window and key dialog found and driven through the accessibility bus")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print("FAIL: %s" % failure)
        sys.exit(1)
