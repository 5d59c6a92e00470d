'''Desktop portal mock: org.freedesktop.portal.Inhibit on org.freedesktop.portal.Desktop.

Inhibit returns a request handle; Close on it ends the inhibition and removes the object.
Parameters: "Refuse" (Inhibit raises AccessDenied), "Delay" (Inhibit answers after so many
seconds), "NoBackend" (the portal runs but nothing implements Inhibit: no version property,
Inhibit fails).
'''

import os
import sys

import dbus

sys.path.insert(0, os.path.dirname(__file__))
import inhibitions  # noqa: E402 pylint: disable=wrong-import-position
from inhibitions import ListInhibitions  # noqa: E402,F401 pylint: disable=wrong-import-position,unused-import

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.Inhibit'
SYSTEM_BUS = False
REQUEST_IFACE = 'org.freedesktop.portal.Request'


def load(mock, parameters):
    inhibitions.setup(mock, parameters)
    mock.has_backend = not parameters.get('NoBackend', False)
    if mock.has_backend:
        mock.AddProperties(MAIN_IFACE, dbus.Dictionary({'version': dbus.UInt32(3)}, signature='sv'))


@dbus.service.method(MAIN_IFACE, in_signature='sua{sv}', out_signature='o')
def Inhibit(self, window, flags, options):
    if not self.has_backend:
        raise dbus.exceptions.DBusException('no backend implements Inhibit',
                                            name='org.freedesktop.DBus.Error.UnknownMethod')
    inhibitions.delay_if_asked(self)
    inhibitions.refuse_if_asked(self)
    cookie = inhibitions.add(self, {'window': window, 'flags': dbus.UInt32(flags),
                                    'reason': options.get('reason', '')})
    handle = f'{MAIN_OBJ}/request/1_0/vigila{cookie}'
    self.inhibitions[cookie]['handle'] = dbus.ObjectPath(handle)

    def close(_request):
        inhibitions.remove(self, cookie, 'org.freedesktop.DBus.Error.UnknownObject')
        self.RemoveObject(handle)

    self.AddObject(handle, REQUEST_IFACE, {}, [('Close', '', '', close)])
    return dbus.ObjectPath(handle)
