'''systemd manager mock, for the system bus or (with --session) a user's own manager.

GetUnit answers for units in memory (else NoSuchUnit); LoadUnit puts a unit in memory, a stub with
LoadState "not-found" when there is no such unit. As systemd does, the manager sends UnitNew,
UnitRemoved and its units' PropertiesChanged only while a client is subscribed (Subscribe).

Test helpers on org.freedesktop.DBus.Mock:
- AddUnit(name, active_state): the unit is installed and loaded (a stub turns real).
- SetActiveState(name, active_state).
- UnloadUnit(name): the unit leaves memory (UnitRemoved), as systemd's clean-up does.
'''

import dbus

from dbusmock import MOCK_IFACE, mockobject

BUS_NAME = 'org.freedesktop.systemd1'
MAIN_OBJ = '/org/freedesktop/systemd1'
MAIN_IFACE = 'org.freedesktop.systemd1.Manager'
UNIT_IFACE = 'org.freedesktop.systemd1.Unit'
SYSTEM_BUS = True


def load(mock, _parameters):
    mock.units = {}
    mock.subscribers = set()
    mock.AddProperties(MAIN_IFACE, {'Version': '252'})


def unit_path(name):
    '''The object path systemd gives a unit: every byte but letters and digits as _xx.'''
    label = ''.join(c if c.isalnum() else f'_{ord(c):02x}' for c in name)
    return f'{MAIN_OBJ}/unit/{label}'


def emit(mock, obj, interface, signal, signature, args):
    if mock.subscribers:
        obj.EmitSignal(interface, signal, signature, args)


def set_properties(mock, name, properties):
    obj = mockobject.objects[mock.units[name]]
    obj.props[UNIT_IFACE].update(properties)
    emit(mock, obj, dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as',
         [UNIT_IFACE, dbus.Dictionary(properties, signature='sv'), dbus.Array([], signature='s')])


def add_object(mock, name, load_state, active_state):
    path = unit_path(name)
    mock.AddObject(path, UNIT_IFACE, {'Id': name, 'Names': dbus.Array([name], signature='s'),
                                      'LoadState': load_state, 'ActiveState': active_state}, [])
    mock.units[name] = path
    emit(mock, mock, MAIN_IFACE, 'UnitNew', 'so', [name, dbus.ObjectPath(path)])
    return path


@dbus.service.method(MAIN_IFACE, in_signature='', out_signature='', sender_keyword='sender')
def Subscribe(self, sender=None):
    if sender in self.subscribers:
        raise dbus.exceptions.DBusException('Client is already subscribed.',
                                            name='org.freedesktop.systemd1.AlreadySubscribed')
    self.subscribers.add(sender)


@dbus.service.method(MAIN_IFACE, in_signature='', out_signature='', sender_keyword='sender')
def Unsubscribe(self, sender=None):
    self.subscribers.discard(sender)


@dbus.service.method(MAIN_IFACE, in_signature='s', out_signature='o')
def GetUnit(self, name):
    if name not in self.units:
        raise dbus.exceptions.DBusException(f'Unit {name} not loaded.', name='org.freedesktop.systemd1.NoSuchUnit')
    return dbus.ObjectPath(self.units[name])


@dbus.service.method(MAIN_IFACE, in_signature='s', out_signature='o')
def LoadUnit(self, name):
    if name not in self.units:
        add_object(self, name, 'not-found', 'inactive')
    return dbus.ObjectPath(self.units[name])


@dbus.service.method(MOCK_IFACE, in_signature='ss', out_signature='')
def AddUnit(self, name, active_state):
    if name in self.units:
        set_properties(self, name, {'LoadState': 'loaded', 'ActiveState': active_state})
    else:
        add_object(self, name, 'loaded', active_state)


@dbus.service.method(MOCK_IFACE, in_signature='ss', out_signature='')
def SetActiveState(self, name, active_state):
    set_properties(self, name, {'ActiveState': active_state})


@dbus.service.method(MOCK_IFACE, in_signature='s', out_signature='')
def UnloadUnit(self, name):
    path = self.units.pop(name)
    self.RemoveObject(path)
    emit(self, self, MAIN_IFACE, 'UnitRemoved', 'so', [name, dbus.ObjectPath(path)])
