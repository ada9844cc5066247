#!/usr/bin/python3
'''fakeservice.py SERVICE run COMMAND [ARGS...]: runs COMMAND against python-dbusmock's stand-in
for SERVICE (logind: sessions "auto" and "c1", which GetSessionByPID gives; trayhost: a
StatusNotifierWatcher; notifications) on a private bus, and exits with COMMAND's status.'''
import os, signal, subprocess, sys
import dbus
from dbusmock import MOCK_IFACE, DBusTestCase as Bus


def logind():
    mock = Bus.spawn_server_template('logind', stdout=subprocess.DEVNULL)[1]
    for session in ('auto', 'c1'):
        mock.AddSession(session, 'seat0', dbus.UInt32(os.getuid()), 'user', True, dbus_interface=MOCK_IFACE)
    mock.AddMethod('org.freedesktop.login1.Manager', 'GetSessionByPID', 'u', 'o',
                   "ret = '/org/freedesktop/login1/session/c1'", dbus_interface=MOCK_IFACE)
    mock.ClearCalls(dbus_interface=MOCK_IFACE)


def trayhost():
    name = 'org.kde.StatusNotifierWatcher'
    Bus.spawn_server(name, '/StatusNotifierWatcher', name, stdout=subprocess.DEVNULL)
    mock = Bus.get_dbus().get_object(name, '/StatusNotifierWatcher')
    mock.AddMethods(name, [(method, 's', '', '') for method in ('RegisterStatusNotifierItem',
                                                                'RegisterStatusNotifierHost')], dbus_interface=MOCK_IFACE)
    mock.AddProperties(name, {'IsStatusNotifierHostRegistered': True, 'ProtocolVersion': dbus.Int32(0)},
                       dbus_interface=MOCK_IFACE)


def notifications():
    Bus.spawn_server_template('notification_daemon', {'capabilities': 'body actions'}, stdout=subprocess.DEVNULL)


if sys.argv[2:3] != ['run'] or sys.argv[1] not in ('logind', 'trayhost', 'notifications'):
    sys.exit(__doc__)
signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
try:  # the mock ends with its bus
    Bus.start_system_bus() if sys.argv[1] == 'logind' else Bus.start_session_bus()
    globals()[sys.argv[1]]()
    sys.exit(subprocess.call(sys.argv[3:]))
finally:
    Bus.tearDownClass()
