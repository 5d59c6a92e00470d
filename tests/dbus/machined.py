'''systemd-machined mock: the machine manager on the system bus.

ListMachines answers a(ssso) (name, class, service, object path) for the machines registered;
each machine is an object with the org.freedesktop.machine1.Machine properties a client reads.

Test helpers on org.freedesktop.DBus.Mock:
- AddMachine(name, class, service): registers a machine and sends MachineNew, as machined does
  when a VM or container registers.
- RemoveMachine(name): the machine goes (MachineRemoved).
'''

import dbus

from dbusmock import MOCK_IFACE

BUS_NAME = 'org.freedesktop.machine1'
MAIN_OBJ = '/org/freedesktop/machine1'
MAIN_IFACE = 'org.freedesktop.machine1.Manager'
MACHINE_IFACE = 'org.freedesktop.machine1.Machine'
SYSTEM_BUS = True


def load(mock, _parameters):
    mock.machines = {}


def machine_path(name):
    '''The object path machined gives a machine: every byte but letters and digits as _xx.'''
    label = ''.join(c if c.isalnum() else f'_{ord(c):02x}' for c in name)
    return f'{MAIN_OBJ}/machine/{label}'


@dbus.service.method(MAIN_IFACE, in_signature='', out_signature='a(ssso)')
def ListMachines(self):
    return dbus.Array([(name, cls, service, dbus.ObjectPath(machine_path(name)))
                       for name, (cls, service) in self.machines.items()], signature='(ssso)')


@dbus.service.method(MOCK_IFACE, in_signature='sss', out_signature='')
def AddMachine(self, name, cls, service):
    path = machine_path(name)
    self.AddObject(path, MACHINE_IFACE, {'Name': name, 'Class': cls, 'Service': service,
                                         'State': 'running', 'Leader': dbus.UInt32(1)}, [])
    self.machines[name] = (cls, service)
    self.EmitSignal(MAIN_IFACE, 'MachineNew', 'so', [name, dbus.ObjectPath(path)])


@dbus.service.method(MOCK_IFACE, in_signature='s', out_signature='')
def RemoveMachine(self, name):
    del self.machines[name]
    path = machine_path(name)
    self.RemoveObject(path)
    self.EmitSignal(MAIN_IFACE, 'MachineRemoved', 'so', [name, dbus.ObjectPath(path)])
