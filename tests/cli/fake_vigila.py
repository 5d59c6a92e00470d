'''A stand-in for the tray's com.quillmere.Vigila1: Hold hands out one id, Release answers, and
ListReasons lists one reason whose label carries an escape sequence, a line break and a direction
override, as a label from another program or an older Vigila might.
'''

BUS_NAME = 'com.quillmere.Vigila'
MAIN_OBJ = '/com/quillmere/Vigila'
MAIN_IFACE = 'com.quillmere.Vigila1'
SYSTEM_BUS = False

HOSTILE_LABEL = 'Terminal: a\x1b]0;owned\x07b\x1b[2J\nc\u202Ed'


def load(mock, parameters):
    reason = {'id': '9E2B0D59-0000-4000-8000-000000000001', 'type': 'command', 'mode': 'system',
              'label': HOSTILE_LABEL}
    mock.AddMethods(MAIN_IFACE, [
        ('Hold', 'ss', 's', 'ret = "9E2B0D59-0000-4000-8000-000000000002"'),
        ('Release', 's', '', ''),
        ('ListReasons', '', 'aa{sv}', f'ret = [{reason!r}]'),
    ])
