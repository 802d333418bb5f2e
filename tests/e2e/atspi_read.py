#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads what assistive tools read of a running program, over AT-SPI.

Talks to the accessibility bus with gdbus alone (no Python bindings needed).

  atspi_read.py table WINDOW NAME
                                one line per row: the row header, then each
                                cell's text, tab-separated; a first line with
                                the column headers; a last line "#" and the
                                newest cell's description of the first row
  atspi_read.py text WINDOW NAME
                                the text of the first text field named NAME

The accessible NAME is looked for in the program's window titled WINDOW.

Exits 1, saying why, when no accessible of that name is found.
"""
import re
import subprocess
import sys

ROOT = "/org/a11y/atspi/accessible/root"
REF = re.compile(r"\('([^']*)', (?:objectpath )?'([^']*)'\)")


def gdbus(*args):
    out = subprocess.run(["gdbus", "call", *args], capture_output=True, text=True, timeout=20)
    if out.returncode != 0:
        raise RuntimeError(f"gdbus call {' '.join(args)}: {out.stderr.strip().splitlines()[0]}")
    return out.stdout.strip()


def bus_address():
    reply = gdbus("--session", "-d", "org.a11y.Bus", "-o", "/org/a11y/bus", "-m",
                  "org.a11y.Bus.GetAddress")
    return re.match(r"\('(.*)',\)", reply).group(1)


class Bus:
    def __init__(self):
        self.address = bus_address()

    def call(self, ref, interface, method, *args):
        return gdbus("--address", self.address, "-d", ref[0], "-o", ref[1], "-m",
                     f"org.a11y.atspi.{interface}.{method}", *args)

    def prop(self, ref, interface, name):
        return gdbus("--address", self.address, "-d", ref[0], "-o", ref[1], "-m",
                     "org.freedesktop.DBus.Properties.Get", f"org.a11y.atspi.{interface}", name)

    def string(self, ref, interface, name):
        reply = self.prop(ref, interface, name)
        match = re.match(r"\(<'(.*)'>,\)$", reply, re.S) or re.match(r'\(<"(.*)">,\)$', reply, re.S)
        return match.group(1) if match else ""

    def number(self, ref, interface, name):
        return int(re.search(r"-?\d+", self.prop(ref, interface, name)).group(0))

    def name(self, ref):
        return self.string(ref, "Accessible", "Name")

    def children(self, ref):
        return REF.findall(self.call(ref, "Accessible", "GetChildren"))

    def role(self, ref):
        return re.match(r"\('(.*)',\)$", self.call(ref, "Accessible", "GetRoleName")).group(1)

    def find(self, ref, name, roles, depth=0):
        if depth > 0 and self.name(ref) == name and self.role(ref) in roles:
            return ref
        if depth > 25:
            return None
        try:
            kids = self.children(ref)
        except RuntimeError:
            return None
        for kid in kids:
            if kid[1] == "/org/a11y/atspi/null":
                continue
            found = self.find(kid, name, roles, depth + 1)
            if found:
                return found
        return None


def main():
    what, window, name = sys.argv[1:4]
    bus = Bus()
    registry = ("org.a11y.atspi.Registry", ROOT)
    node = None
    for app in bus.children(registry):
        for top in bus.children(app):
            if bus.name(top) == window:
                node = bus.find(top, name, ("table",) if what == "table" else ("text", "entry"))
                break
        if node:
            break
    if not node:
        print(f"no accessible named '{name}'", file=sys.stderr)
        return 1
    if what == "text":
        count = bus.number(node, "Text", "CharacterCount")
        reply = bus.call(node, "Text", "GetText", "0", str(count))
        print(re.match(r"\('(.*)',\)$", reply, re.S).group(1))
        return 0
    rows = bus.number(node, "Table", "NRows")
    columns = bus.number(node, "Table", "NColumns")
    header = lambda method, i: bus.name(REF.search(bus.call(node, "Table", method, str(i))).groups())
    cell = lambda r, c: REF.search(bus.call(node, "Table", "GetAccessibleAt", str(r), str(c))).groups()
    print("\t".join([""] + [header("GetColumnHeader", c) for c in range(columns)]))
    for r in range(rows):
        print("\t".join([header("GetRowHeader", r)] + [bus.name(cell(r, c)) for c in range(columns)]))
    if rows and columns:
        print("#\t" + bus.string(cell(0, columns - 1), "Accessible", "Description"))
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (RuntimeError, AttributeError) as error:
        print(error, file=sys.stderr)
        sys.exit(1)
