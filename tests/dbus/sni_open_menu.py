#!/usr/bin/python3
"""Opens the menu of every registered StatusNotifierItem the given number of times, as a panel
does when the user clicks: AboutToShow on the root, then the whole layout.

With --sessions, each time starts a 15-minute session from the menu and stops it again, as a user
does, opening the menu until it shows the change and fetching the tray icon that changed with it.

With --print, prints the labels of the last menu opened, one per line, submenus indented; with
--click LABEL, then clicks the first entry whose label starts with LABEL.

Usage: sni_open_menu.py times [--sessions] [--print] [--click LABEL]"""
import sys
import time

from gi.repository import Gio, GLib

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(name, path, interface, method, args, reply=None):
    return bus.call_sync(name, path, interface, method, args, reply and GLib.VariantType(reply),
                         Gio.DBusCallFlags.NONE, 10000, None).unpack()


def prop(name, path, interface, key):
    return call(name, path, "org.freedesktop.DBus.Properties", "Get", GLib.Variant("(ss)", (interface, key)),
                "(v)")[0]


items = prop("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher", "org.kde.StatusNotifierWatcher",
             "RegisteredStatusNotifierItems")
if not items:
    sys.exit("no StatusNotifierItem is registered")


def find(node, label):
    """The id of the first entry under node whose label starts with label, or None."""
    entry, properties, children = node
    if properties.get("label", "").startswith(label):
        return entry
    return next((found for child in children if (found := find(child, label)) is not None), None)


def open_menu(item, menu):
    call(item, menu, "com.canonical.dbusmenu", "AboutToShow", GLib.Variant("(i)", (0,)), "(b)")
    return call(item, menu, "com.canonical.dbusmenu", "GetLayout", GLib.Variant("(iias)", (0, -1, [])),
                "(u(ia{sv}av))")[1]


def click(item, menu, entry):
    call(item, menu, "com.canonical.dbusmenu", "Event", GLib.Variant("(isvu)", (entry, "clicked", GLib.Variant("i", 0), 0)))


def print_labels(node, depth=0):
    for child in node[2]:
        _, properties, _ = child
        if properties.get("type") != "separator":
            print("  " * depth + properties.get("label", ""))
        print_labels(child, depth + 1)


def start_and_stop_session(item, menu):

    def open_until(shows_stop):
        for _ in range(500):
            node = open_menu(item, menu)
            if (find(node, "Stop Current Session") is not None) == shows_stop:
                return node
            time.sleep(0.01)
        sys.exit("the menu did not change after a click")

    def fetch_icon():  # as a panel does when the item announces a new icon
        prop(item, "/StatusNotifierItem", "org.kde.StatusNotifierItem", "IconPixmap")

    click(item, menu, find(open_until(False), "15 minutes"))
    fetch_icon()
    click(item, menu, find(open_until(True), "Stop Current Session"))
    open_until(False)
    fetch_icon()


options = sys.argv[2:]
for item in items:
    menu = prop(item, "/StatusNotifierItem", "org.kde.StatusNotifierItem", "Menu")
    node = None
    for _ in range(int(sys.argv[1])):
        if "--sessions" in options:
            start_and_stop_session(item, menu)
        else:
            node = open_menu(item, menu)
    if "--print" in options and node:
        print_labels(node)
    if "--click" in options:
        label = options[options.index("--click") + 1]
        entry = find(node, label) if node else None
        if entry is None:
            sys.exit(f"no menu entry starts with {label!r}")
        click(item, menu, entry)
