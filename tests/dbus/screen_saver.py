'''The freedesktop screen-saver inhibitor mock: Inhibit(application, reason) returns a cookie for UnInhibit.

Parameters: "Refuse" (Inhibit raises AccessDenied), "Delay" (Inhibit answers after so many seconds).
'''

import os
import sys

import dbus

sys.path.insert(0, os.path.dirname(__file__))
import inhibitions  # noqa: E402 pylint: disable=wrong-import-position
from inhibitions import ListInhibitions  # noqa: E402,F401 pylint: disable=wrong-import-position,unused-import

BUS_NAME = 'org.freedesktop.ScreenSaver'
MAIN_OBJ = '/org/freedesktop/ScreenSaver'
MAIN_IFACE = 'org.freedesktop.ScreenSaver'
SYSTEM_BUS = False


def load(mock, parameters):
    inhibitions.setup(mock, parameters)


@dbus.service.method(MAIN_IFACE, in_signature='ss', out_signature='u')
def Inhibit(self, application, reason):
    inhibitions.delay_if_asked(self)
    inhibitions.refuse_if_asked(self)
    return inhibitions.add(self, {'application': application, 'reason': reason})


@dbus.service.method(MAIN_IFACE, in_signature='u', out_signature='')
def UnInhibit(self, cookie):
    inhibitions.remove(self, cookie, MAIN_IFACE + '.Error.NotFound')
