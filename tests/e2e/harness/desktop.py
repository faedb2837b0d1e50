"""The desktop as a person meets it: windows and controls found through the
accessibility bus by their roles and names, the mouse and the keyboard driven
through the X server (xdotool), screenshots of the whole screen.

Only what a user sees is used: captions, labels, texts, states. Nothing here
reaches into the program's process.
"""
import os
import subprocess
import time

import pyatspi

DEFAULT_TIMEOUT = 10.0


class NotFound(AssertionError):
    pass


def _children(node):
    try:
        count = node.childCount
    except Exception:
        return []
    kids = []
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            kids.append(child)
    return kids


def role_of(node):
    try:
        return node.getRoleName()
    except Exception:
        return ""


def name_of(node):
    try:
        return node.name or ""
    except Exception:
        return ""


def has_state(node, state):
    try:
        return node.getState().contains(state)
    except Exception:  # the node went away while we looked
        return False


def is_showing(node):
    return has_state(node, pyatspi.STATE_SHOWING)


def is_enabled(node):
    return has_state(node, pyatspi.STATE_ENABLED)


def is_focused(node):
    return has_state(node, pyatspi.STATE_FOCUSED)


def text_of(node):
    """The text a control holds: an edit's contents, a label's caption."""
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except Exception:
        return name_of(node)


def labelled_by(label):
    """The controls a label is the caption of (its label-for relations)."""
    targets = []
    try:
        for relation in label.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
                targets.extend(relation.getTarget(i) for i in range(relation.getNTargets()))
    except Exception:
        pass
    return targets


def walk(root, skip_tables=True):
    """Every showing node under root, depth first. The cells of grids are
    skipped unless asked for: a long grid would make every search slow."""
    stack = [root]
    while stack:
        node = stack.pop()
        yield node
        if skip_tables and role_of(node) in ("table", "tree table"):
            continue
        kids = _children(node)
        stack.extend(reversed([k for k in kids if is_showing(k)]))


def matches(node, role, name, contains):
    if role is not None and role_of(node) != role:
        return False
    node_name = name_of(node)
    if name is not None and node_name != name:
        return False
    if contains is not None and contains not in node_name:
        return False
    return True


def find_all(root, role=None, name=None, contains=None, skip_tables=True):
    return [n for n in walk(root, skip_tables) if matches(n, role, name, contains)]


def wait_for(predicate, what, timeout=DEFAULT_TIMEOUT, interval=0.1):
    """Polls predicate until it returns something true; that is returned."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        try:
            last = predicate()
        except Exception as error:  # the tree changes while we look at it
            last = None
            failure = error
        else:
            failure = None
        if last:
            return last
        if time.monotonic() > deadline:
            detail = f" ({failure})" if failure else ""
            raise NotFound(f"waited {timeout:.0f} s for {what}{detail}")
        time.sleep(interval)


def extents(node):
    """x, y, width, height on the screen."""
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def centre(node):
    x, y, width, height = extents(node)
    return x + width // 2, y + height // 2


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def click(node):
    x, y = centre(node)
    xdotool("mousemove", "--sync", str(x), str(y), "click", "1")


def type_text(text, delay_ms=25):
    """Types text with real key events of the current keyboard layout."""
    xdotool("type", "--delay", str(delay_ms), "--", text)


def keys(*names):
    """Presses keys by their X names, e.g. Return, Tab, Escape, ctrl+a, KP_Decimal."""
    for name in names:
        xdotool("key", "--delay", "40", name)
        time.sleep(0.05)


def screenshot(path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    subprocess.run(["import", "-window", "root", path], check=False,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def applications():
    desktop = pyatspi.Registry.getDesktop(0)
    return _children(desktop)


def application_of(pid, timeout=DEFAULT_TIMEOUT):
    def look():
        for app in applications():
            try:
                if app.get_process_id() == pid:
                    return app
            except Exception:
                continue
        return None
    return wait_for(look, f"the program (pid {pid}) on the accessibility bus", timeout)
