"""Writes a program's accessible tree (roles, names, texts, states): what a
scenario can find. Kept beside the screenshot when a step fails."""
import sys

from . import desktop


def dump(node, depth=0, out=sys.stdout, cells=False):
    text = desktop.text_of(node)
    name = desktop.name_of(node)
    flags = []
    if not desktop.is_enabled(node):
        flags.append("disabled")
    if desktop.is_focused(node):
        flags.append("focused")
    shown = f" text={text!r}" if text and text != name else ""
    out.write(f"{'  ' * depth}{desktop.role_of(node)} {name!r}{shown} {' '.join(flags)}\n")
    if desktop.role_of(node) in ("table", "tree table") and not cells:
        return
    for child in desktop._children(node):
        if desktop.is_showing(child):
            dump(child, depth + 1, out, cells)

