#!/usr/bin/python3
'''fakeservice.py SERVICE[+SERVICE...] run COMMAND [ARGS...]: runs COMMAND against python-dbusmock's
stand-ins on a private bus: on the system bus logind (GetSessionByPID gives session "c1"; "auto" exists too) and
timedated, or on the session bus trayhost (a StatusNotifierWatcher) and notifications. Exits with COMMAND's status.'''
import os, signal, subprocess, sys
from dbusmock import MOCK_IFACE, DBusTestCase as Bus

def logind():
    mock = Bus.spawn_server_template('logind', stdout=subprocess.DEVNULL)[1]
    for session in ('c1', 'auto'):  # "auto": logind's name for the caller's own session
        mock.AddSession(session, 'seat0', os.getuid(), 'user', True, dbus_interface=MOCK_IFACE)
    mock.AddMethod('org.freedesktop.login1.Manager', 'GetSessionByPID', 'u', 'o',
                   "ret = '/org/freedesktop/login1/session/c1'", dbus_interface=MOCK_IFACE)
    mock.ClearCalls(dbus_interface=MOCK_IFACE)

def timedated():  # SetTimezone and SetNTP change their properties and announce them
    Bus.spawn_server_template('timedated', stdout=subprocess.DEVNULL)

def trayhost():
    name = 'org.kde.StatusNotifierWatcher'
    Bus.spawn_server(name, '/StatusNotifierWatcher', name, stdout=subprocess.DEVNULL)
    mock = Bus.get_dbus().get_object(name, '/StatusNotifierWatcher')
    mock.AddMethod(name, 'RegisterStatusNotifierItem', 's', '', '', dbus_interface=MOCK_IFACE)
    mock.AddProperty(name, 'IsStatusNotifierHostRegistered', True, dbus_interface=MOCK_IFACE)

def notifications():
    Bus.spawn_server_template('notification_daemon', {'capabilities': 'body actions'}, stdout=subprocess.DEVNULL)

services = sys.argv[1].split('+')
system = {'logind', 'timedated'}
if sys.argv[2:3] != ['run'] or not set(services) <= system | {'trayhost', 'notifications'}:
    sys.exit(__doc__)
signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
try:  # the mocks end with their bus
    Bus.start_system_bus() if set(services) <= system else Bus.start_session_bus()
    for service in services:
        globals()[service]()
    sys.exit(subprocess.call(sys.argv[3:]))
finally:
    Bus.tearDownClass()
