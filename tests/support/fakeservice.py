#!/usr/bin/python3
'''fakeservice.py SERVICE run COMMAND [ARGS...]: runs COMMAND against python-dbusmock's stand-in
for SERVICE on a private bus (DBUS_SYSTEM_BUS_ADDRESS or DBUS_SESSION_BUS_ADDRESS set for it),
then stops both; exits with COMMAND's status. The calls the mock received are read with
org.freedesktop.DBus.Mock.GetCalls on its objects.
  logind         the template, with sessions "auto" and "c1" of this user; GetSessionByPID gives c1
  trayhost       a StatusNotifierWatcher that says a notification area is there
  notifications  the notification_daemon template, with actions'''
import os
import signal
import subprocess
import sys

import dbus
from dbusmock import MOCK_IFACE, DBusTestCase


def logind():
    _, mock = DBusTestCase.spawn_server_template('logind', stdout=subprocess.DEVNULL)
    for session in ('auto', 'c1'):
        mock.AddSession(session, 'seat0', dbus.UInt32(os.getuid()), 'user', True, dbus_interface=MOCK_IFACE)
    mock.AddMethod('org.freedesktop.login1.Manager', 'GetSessionByPID', 'u', 'o',
                   "ret = '/org/freedesktop/login1/session/c1'", dbus_interface=MOCK_IFACE)
    mock.ClearCalls(dbus_interface=MOCK_IFACE)


def trayhost():
    name = 'org.kde.StatusNotifierWatcher'
    DBusTestCase.spawn_server(name, '/StatusNotifierWatcher', name, stdout=subprocess.DEVNULL)
    mock = DBusTestCase.get_dbus().get_object(name, '/StatusNotifierWatcher')
    for method in ('RegisterStatusNotifierItem', 'RegisterStatusNotifierHost'):
        mock.AddMethod(name, method, 's', '', '', dbus_interface=MOCK_IFACE)
    mock.AddProperty(name, 'IsStatusNotifierHostRegistered', True, dbus_interface=MOCK_IFACE)
    mock.AddProperty(name, 'ProtocolVersion', dbus.Int32(0), dbus_interface=MOCK_IFACE)


def notifications():
    DBusTestCase.spawn_server_template('notification_daemon', {'capabilities': 'body actions'},
                                       stdout=subprocess.DEVNULL)


if len(sys.argv) < 4 or sys.argv[2] != 'run' or sys.argv[1] not in ('logind', 'trayhost', 'notifications'):
    sys.exit(__doc__)
signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
try:  # the mock ends with its bus
    if sys.argv[1] == 'logind':
        DBusTestCase.start_system_bus()
    else:
        DBusTestCase.start_session_bus()
    globals()[sys.argv[1]]()
    sys.exit(subprocess.call(sys.argv[3:]))
finally:
    DBusTestCase.tearDownClass()
