#!/usr/bin/python3
"""Opens the menu of every registered StatusNotifierItem the given number of times, as a panel
does when the user clicks: AboutToShow on the root, then the whole layout."""
import sys

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
for item in items:
    menu = prop(item, "/StatusNotifierItem", "org.kde.StatusNotifierItem", "Menu")
    for _ in range(int(sys.argv[1])):
        call(item, menu, "com.canonical.dbusmenu", "AboutToShow", GLib.Variant("(i)", (0,)), "(b)")
        call(item, menu, "com.canonical.dbusmenu", "GetLayout", GLib.Variant("(iias)", (0, -1, [])), "(u(ia{sv}av))")
