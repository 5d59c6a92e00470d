'''GNOME session manager mock: Inhibit/Uninhibit with cookies, IsInhibited, and GetInhibitors with
one org.gnome.SessionManager.Inhibitor object (GetAppId, GetReason, GetFlags) per live inhibitor.

Parameters: "Refuse" (Inhibit raises AccessDenied), "Delay" (Inhibit answers after so many seconds).
'''

import os
import sys

import dbus

sys.path.insert(0, os.path.dirname(__file__))
import inhibitions  # noqa: E402 pylint: disable=wrong-import-position
from inhibitions import ListInhibitions  # noqa: E402,F401 pylint: disable=wrong-import-position,unused-import

BUS_NAME = 'org.gnome.SessionManager'
MAIN_OBJ = '/org/gnome/SessionManager'
MAIN_IFACE = 'org.gnome.SessionManager'
INHIBITOR_IFACE = 'org.gnome.SessionManager.Inhibitor'
SYSTEM_BUS = False


def load(mock, parameters):
    inhibitions.setup(mock, parameters)


@dbus.service.method(MAIN_IFACE, in_signature='susu', out_signature='u')
def Inhibit(self, app_id, toplevel_xid, reason, flags):
    inhibitions.delay_if_asked(self)
    inhibitions.refuse_if_asked(self)
    cookie = inhibitions.add(self, {'app_id': app_id, 'toplevel_xid': dbus.UInt32(toplevel_xid),
                                    'reason': reason, 'flags': dbus.UInt32(flags)})
    # The texts go into the methods' code as Python literals, whatever they hold.
    self.AddObject(inhibitor_path(cookie), INHIBITOR_IFACE, {}, [
        ('GetAppId', '', 's', f'ret = {str(app_id)!r}'),
        ('GetReason', '', 's', f'ret = {str(reason)!r}'),
        ('GetFlags', '', 'u', f'ret = {int(flags)}'),
    ])
    return cookie


@dbus.service.method(MAIN_IFACE, in_signature='u', out_signature='')
def Uninhibit(self, cookie):
    inhibitions.remove(self, cookie, 'org.gnome.SessionManager.GeneralError')
    self.RemoveObject(inhibitor_path(cookie))


@dbus.service.method(MAIN_IFACE, in_signature='', out_signature='ao')
def GetInhibitors(self):
    return dbus.Array([inhibitor_path(cookie) for cookie in self.inhibitions], signature='o')


def inhibitor_path(cookie):
    return f'{MAIN_OBJ}/Inhibitor{int(cookie)}'


@dbus.service.method(MAIN_IFACE, in_signature='u', out_signature='b')
def IsInhibited(self, flags):
    return any(int(i['flags']) & flags for i in self.inhibitions.values())
