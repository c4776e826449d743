#!/usr/bin/python3
"""Works the real program as a screen reader user would, through the accessibility bus.

Every window it meets is walked: each window, control, tab and link must carry a name
and the role a screen reader announces it by, and each picture a description. The main
flow (enter the birth data, calculate, switch tabs, open the report, save the reading,
go back, reopen it, exit) is done with AT-SPI actions, text and keyboard events only.

    screen_reader.py PROGRAM WORK_FOLDER [--no-keyboard]

--no-keyboard: for sessions where the accessibility bus cannot make key presses (a
Wayland compositor). The entries keep their first values, and as nothing but a key
press closes the modal report window, the first run is ended from outside after
saving and the reading is reopened in a second run.

Must run inside a D-Bus session with the display (DISPLAY or WAYLAND_DISPLAY) set.
"""
import os
import signal
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

import pyatspi  # noqa: E402

TIMEOUT = float(os.environ.get("E2E_TIMEOUT", "20"))
CAPTION = "Zarvo Tibetan Astrology v2.20"
TAB = 0xFF09
ESCAPE = 0xFF1B

# The roles a screen reader must hear for each kind of control.
NAMED_ROLES = {
    pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_LINK, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PAGE_TAB_LIST,
    pyatspi.ROLE_IMAGE, pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
    pyatspi.ROLE_LABEL, pyatspi.ROLE_PANEL,
}

failures = []
RUNS = []  # every run started, ended with the walk whatever its outcome


def log(message):
    print("[screen_reader %s] %s" % (time.strftime("%H:%M:%S"), message), file=sys.stderr, flush=True)


def fail(message):
    # What a screen reader would find at that moment, to see why.
    for run in RUNS:
        app = application(run.name)
        for window in windows(app) if app else []:
            print_tree(window)
    raise SystemExit("FAIL: " + message)


def print_tree(node, depth=0):
    try:
        print("%s%s '%s' (%s)" % ("  " * depth, node.getRoleName(), node.name, node.description), file=sys.stderr)
    except Exception:
        return
    for child in children(node):
        if child is not None and showing(child):
            print_tree(child, depth + 1)


def wait_for(what, condition, timeout=TIMEOUT):
    """Polls condition until it gives something true; fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
        except Exception as error:  # an object may vanish while it is looked at
            value = None
            last_error = error
        if value:
            return value
        if time.monotonic() > deadline:
            fail("timed out waiting for %s%s" % (what, " (last error: %s)" % last_error if last_error else ""))
        time.sleep(0.05)


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def showing(node):
    try:
        states = node.getState()
        return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)
    except Exception:
        return False


def descendants(node):
    """Every showing object below node, in the order a screen reader reads them."""
    for child in children(node):
        if child is None or not showing(child):
            continue
        yield child
        yield from descendants(child)


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        try:
            if app is not None and app.name == name:
                app.clear_cache()
                return app
        except Exception as error:  # an application that is busy or gone
            log("application %s: %s" % (app, error))
    return None


def windows(app):
    return [w for w in children(app) if w is not None and showing(w)]


def find(node, role, name=None):
    """The first showing object below node with that role (and name)."""
    for item in descendants(node):
        if item.getRole() == role and (name is None or item.name == name):
            return item
    return None


def window_with(app, role, name):
    """The showing window that holds an object of that role and name."""
    for window in windows(app):
        if find(window, role, name):
            return window
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in ("press", "Press", "click", "activate", "Toggle", "toggle"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    fail("%s '%s' offers no press action (only %s)" % (node.getRoleName(), node.name, names))


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return ""


def has_state(node, state):
    return node.getState().contains(state)


def wait_active(window, what):
    """Key presses go to the window that has the keyboard focus: the window manager gives
    it to a new window once it has mapped it, and to the window below when one closes."""
    wait_for(what + " to have the keyboard focus", lambda: has_state(window, pyatspi.STATE_ACTIVE))


def key(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def type_text(text):
    pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)


def check_window(window):
    """What a screen reader announces must say what each thing is."""
    role = window.getRole()
    title = window.name
    if role not in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW):
        failures.append("window '%s' is announced as %s" % (title, window.getRoleName()))
    if not title:
        failures.append("a %s has no name" % window.getRoleName())
    for item in descendants(window):
        role = item.getRole()
        where = "%s in '%s'" % (item.getRoleName(), title)
        if role in (pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID):
            failures.append("%s '%s' has no role" % (where, item.name))
        # Labels speak their text; panels and frames inside a window only group.
        if role in NAMED_ROLES and role not in (pyatspi.ROLE_LABEL, pyatspi.ROLE_PANEL, pyatspi.ROLE_FRAME) \
                and not item.name.strip():
            # Pop-up lists and menus of a combo box take their name from it.
            parent = item.parent
            if not (parent is not None and parent.getRole() == pyatspi.ROLE_COMBO_BOX):
                failures.append("%s has no name" % where)
        if role == pyatspi.ROLE_LABEL and not (item.name.strip() or text_of(item).strip()):
            failures.append("%s says nothing" % where)
        if role == pyatspi.ROLE_IMAGE and not item.description.strip():
            failures.append("picture '%s' in '%s' has no description" % (item.name, title))
        if role == pyatspi.ROLE_LINK:
            try:
                action = item.queryAction()
                if action.nActions == 0:
                    failures.append("link '%s' in '%s' cannot be pressed" % (item.name, title))
            except NotImplementedError:
                failures.append("link '%s' in '%s' cannot be pressed" % (item.name, title))


class Run:
    """One run of the program, attached to on the accessibility bus."""

    def __init__(self, program, environment, work):
        self.name = os.path.basename(program)
        self.process = subprocess.Popen([program], env=environment, cwd=work)
        RUNS.append(self)
        self.app = wait_for("the program on the accessibility bus", lambda: application(self.name))
        log("attached to %s (pid %d)" % (self.name, self.process.pid))

    def refresh(self):
        if self.process.poll() is not None:
            fail("the program ended unexpectedly with status %d" % self.process.returncode)
        self.app = wait_for("the program on the accessibility bus", lambda: application(self.name))
        return self.app

    def window(self, what, role, name):
        return wait_for(what, lambda: window_with(self.refresh(), role, name))

    def gone(self, window_title_role, name):
        return wait_for("the window to close", lambda: not window_with(self.refresh(), window_title_role, name))

    def end(self, timeout=TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            fail("the program did not end")

    def kill(self):
        self.process.send_signal(signal.SIGTERM)
        self.process.wait(TIMEOUT)


def is_file_name_box(item):
    return item.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY) \
        and item.name.replace("&", "").lower().startswith("file name")


def file_dialog_accept(run, path, button):
    """Types the path into the file dialog and presses its button. The dialog is Qt's
    own, so its parts are not walked."""
    dialog = wait_for("the file dialog", lambda: next(
        (w for w in windows(run.refresh()) if any(is_file_name_box(i) for i in descendants(w))), None))
    entry = next(i for i in descendants(dialog) if is_file_name_box(i))
    entry.queryEditableText().setTextContents(path)
    # The box may complete the name as it arrives; what counts is the file opened.
    wait_for("the typed path", lambda: text_of(entry).endswith(os.path.basename(path)))
    press(find(dialog, pyatspi.ROLE_PUSH_BUTTON, button))


def read_pages(run, result):
    """Shows each page of the result window through its tab, as a screen reader user
    would, and reads it: the labels of all pages, and each picture's description."""
    check_window(result)
    tabs = find(result, pyatspi.ROLE_PAGE_TAB_LIST)
    tab_names = [t.name for t in children(tabs) if t.getRole() == pyatspi.ROLE_PAGE_TAB]
    if tab_names != ["Tibetan Astrology", "Tibetan Sun Sign", "Tibetan Animal Sign", "Tibetan Birth Chart"]:
        fail("the result window's tabs are %s" % tab_names)
    labels, pictures = set(), {}
    for tab in [t for t in children(tabs) if t.getRole() == pyatspi.ROLE_PAGE_TAB]:
        press(tab)
        # Only the page in front is read out, and it is the one the tab names.
        wait_for("the page '%s' alone" % tab.name, lambda: [
            page.name for page in descendants(run.refresh()) if page.name in tab_names
            and page.getRole() in (pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL)] == [tab.name])
        check_window(result)
        for item in descendants(result):
            if item.getRole() == pyatspi.ROLE_LABEL:
                labels.add(item.name)
            elif item.getRole() == pyatspi.ROLE_IMAGE:
                pictures[item.name] = item.description
    return sorted(labels), pictures


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    program, work = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    keyboard = "--no-keyboard" not in sys.argv[3:]
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    saved = os.path.join(work, "anna.tib")
    if os.path.exists(saved):
        os.remove(saved)

    run = Run(program, environment, work)
    main_window = run.window("the main window", pyatspi.ROLE_PUSH_BUTTON, "Get My Tibetan Astrology Result")
    check_window(main_window)
    # Its emblem is a picture, and its links (the forum and the offer in front) are links.
    roles = [item.getRole() for item in descendants(main_window)]
    if roles.count(pyatspi.ROLE_IMAGE) != 1 or roles.count(pyatspi.ROLE_LINK) != 2:
        fail("the main window shows %d pictures and %d links to a screen reader, not 1 and 2"
             % (roles.count(pyatspi.ROLE_IMAGE), roles.count(pyatspi.ROLE_LINK)))
    log("main window walked")

    name_box = find(main_window, pyatspi.ROLE_TEXT, "Name") or find(main_window, pyatspi.ROLE_ENTRY, "Name")
    if not name_box:
        fail("no text box named 'Name' on the main window")
    name_box.queryEditableText().setTextContents("Anna")
    wait_for("the typed name", lambda: text_of(name_box) == "Anna")
    female = find(main_window, pyatspi.ROLE_RADIO_BUTTON, "Female")
    press(female)
    wait_for("Female chosen", lambda: female.getState().contains(pyatspi.STATE_CHECKED))
    if keyboard:
        # 25 March 1984, chosen in the lists by typing, as a keyboard user would. A list
        # is announced by the entry it shows (its label comes from the frame).
        lists = [item for item in descendants(main_window) if item.getRole() == pyatspi.ROLE_COMBO_BOX]
        if [box.name for box in lists] != ["January", "1", "1930"]:
            fail("the date lists show %s" % [box.name for box in lists])
        wait_active(main_window, "the main window")
        female.queryComponent().grabFocus()
        wait_for("focus on Female", lambda: has_state(female, pyatspi.STATE_FOCUSED))
        for box, typed in zip(lists, ("March", "25", "1984")):
            key(TAB)
            wait_for("focus on the list of " + typed, lambda: has_state(box, pyatspi.STATE_FOCUSED))
            type_text(typed)
            wait_for("%s chosen" % typed, lambda: box.name == typed)
    press(find(main_window, pyatspi.ROLE_PUSH_BUTTON, "Get My Tibetan Astrology Result"))

    result = run.window("the result window", pyatspi.ROLE_PAGE_TAB_LIST, None)
    run.gone(pyatspi.ROLE_PUSH_BUTTON, "Get My Tibetan Astrology Result")
    first_labels, pictures = read_pages(run, result)
    if keyboard:
        for expected in ("Nya", "Fish", "Pisces", "Rat", "Wood"):
            if expected not in first_labels:
                fail("the reading of 25 March 1984 does not show '%s' (labels: %s)" % (expected, first_labels))
    if sorted(pictures) != ["Picture of your Tibetan animal sign", "Picture of your sun sign"]:
        fail("the result window's pictures are %s" % pictures)
    if keyboard and sorted(pictures.values()) != ["The animal Rat", "The western sign Pisces"]:
        fail("the pictures are described as %s" % pictures)
    log("result window walked: %d labels" % len(first_labels))

    press(find(result, pyatspi.ROLE_PUSH_BUTTON, "Save"))
    report = run.window("the report window", pyatspi.ROLE_PUSH_BUTTON, "Print")
    check_window(report)
    report_text = text_of(find(report, pyatspi.ROLE_TEXT, "Report"))
    if "Anna" not in report_text:
        fail("the report does not name Anna: %r" % report_text[:200])
    press(find(report, pyatspi.ROLE_PUSH_BUTTON, "Save"))
    file_dialog_accept(run, saved, "Save")
    wait_for("the saved reading", lambda: os.path.exists(saved) and open(saved, "rb").read().count(b"\n") == 5)
    log("reading saved")

    if keyboard:
        # The report closes with Escape; Back leads to a fresh main window.
        report.queryComponent().grabFocus()
        wait_active(report, "the report window")
        key(ESCAPE)
        run.gone(pyatspi.ROLE_PUSH_BUTTON, "Print")
        result = run.window("the result window", pyatspi.ROLE_PAGE_TAB_LIST, None)
        press(find(result, pyatspi.ROLE_PUSH_BUTTON, "Back"))
    else:
        log("ending the first run from outside: no key press can close the report")
        run.kill()
        run = Run(program, environment, work)
    main_window = run.window("a fresh main window", pyatspi.ROLE_PUSH_BUTTON, "Open Previously Saved Reading")
    check_window(main_window)

    press(find(main_window, pyatspi.ROLE_PUSH_BUTTON, "Open Previously Saved Reading"))
    file_dialog_accept(run, saved, "Open")
    result = run.window("the reopened reading", pyatspi.ROLE_PAGE_TAB_LIST, None)
    reopened, _ = read_pages(run, result)
    if reopened != first_labels:
        fail("the reopened reading differs: %s, saved %s" % (reopened, first_labels))
    log("reading reopened")

    # File, Exit: the support screen appears, and its Exit ends the program.
    exit_item = wait_for("the Exit menu item", lambda: next(
        (m for m in pyatspi.findAllDescendants(result, lambda o: o.getRole() == pyatspi.ROLE_MENU_ITEM)
         if m.name.replace("&", "") == "Exit"), None))
    press(exit_item)
    support = run.window("the support screen", pyatspi.ROLE_PUSH_BUTTON, "Exit")
    check_window(support)
    press(find(support, pyatspi.ROLE_PUSH_BUTTON, "Exit"))
    status = run.end()
    if status != 0:
        fail("the program ended with status %d" % status)

    if failures:
        for failure in failures:
            print("FAIL: " + failure, file=sys.stderr)
        raise SystemExit("FAIL: %d things a screen reader cannot announce" % len(failures))
    log("PASS")


if __name__ == "__main__":
    Atspi.set_timeout(int(TIMEOUT * 1000), -1)
    try:
        main()
    finally:
        for run in RUNS:
            if run.process.poll() is None:
                run.process.kill()
                run.process.wait()
