'''Shared by our inhibitor mock templates: the inhibitions a mock holds right now, listed over
D-Bus so a test sees a release take effect, the "Refuse" parameter that makes Inhibit fail and
the "Delay" parameter (seconds) that makes it answer late, as a service slow to start does.

Templates import it from their own directory; dbusmock picks up the mock method below.
'''

import time

import dbus

from dbusmock import MOCK_IFACE


def setup(mock, parameters):
    mock.inhibitions = {}
    mock.next_cookie = 1
    mock.refuse = bool(parameters.get('Refuse', False))
    mock.delay = float(parameters.get('Delay', 0))


def delay_if_asked(mock):
    '''Blocks the whole mock, as a busy single-threaded service would.'''
    if mock.delay:
        time.sleep(mock.delay)


def refuse_if_asked(mock):
    if mock.refuse:
        raise dbus.exceptions.DBusException('inhibition refused by the mock',
                                            name='org.freedesktop.DBus.Error.AccessDenied')


def add(mock, fields):
    '''Records a live inhibition; returns its cookie (counting from 1 in every new mock).'''
    cookie = mock.next_cookie
    mock.next_cookie += 1
    mock.inhibitions[cookie] = dict(fields, cookie=dbus.UInt32(cookie))
    return cookie


def remove(mock, cookie, error_name):
    if mock.inhibitions.pop(int(cookie), None) is None:
        raise dbus.exceptions.DBusException(f'no inhibition with cookie {cookie}', name=error_name)


@dbus.service.method(MOCK_IFACE, in_signature='', out_signature='aa{sv}')
def ListInhibitions(self):
    '''The live inhibitions, each a dictionary of what Inhibit received plus its cookie.'''
    return [dbus.Dictionary(fields, signature='sv') for fields in self.inhibitions.values()]
