#!/usr/bin/python3
'''A system service for tests: a python-dbusmock mock on a private D-Bus of its own.

    fakeservice.py SERVICE start [--owner PID] [DIR]
        Starts the bus and the mock and prints NAME=value lines: the bus address
        (DBUS_SYSTEM_BUS_ADDRESS or DBUS_SESSION_BUS_ADDRESS), the state folder to pass to
        stop (FAKE_<SERVICE>_DIR), and what the service adds. With --owner, both end by
        themselves when process PID ends.
    fakeservice.py SERVICE stop DIR
    fakeservice.py SERVICE run COMMAND [ARGS...]
        Runs COMMAND with those variables set, then stops the fake; exits with COMMAND's status.

SERVICE is one of:
    logind         the logind template, with two sessions of the calling user: "c1", which
                   GetSessionByPID returns for any process (FAKE_LOGIND_SESSION), and "auto",
                   the name real logind resolves to the caller's session
    trayhost       a StatusNotifierWatcher that says a notification area is there
    notifications  the notification_daemon template, with actions
What was called is read with org.freedesktop.DBus.Mock.GetCalls on the mock's objects.
'''
import os
import pwd
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import dbus
from dbusmock import MOCK_IFACE, DBusTestCase


def logind(system_bus):
    _, manager = DBusTestCase.spawn_server_template('logind', system_bus=system_bus)
    user = pwd.getpwuid(os.getuid()).pw_name
    for session in ('auto', 'c1'):
        manager.AddSession(session, 'seat0', dbus.UInt32(os.getuid()), user, True, dbus_interface=MOCK_IFACE)
    own = '/org/freedesktop/login1/session/c1'
    manager.AddMethod('org.freedesktop.login1.Manager', 'GetSessionByPID', 'u', 'o', f"ret = '{own}'",
                      dbus_interface=MOCK_IFACE)
    manager.ClearCalls(dbus_interface=MOCK_IFACE)
    return {'FAKE_LOGIND_SESSION': own}


def trayhost(system_bus):
    name = 'org.kde.StatusNotifierWatcher'
    DBusTestCase.spawn_server(name, '/StatusNotifierWatcher', name, system_bus)
    watcher = DBusTestCase.get_dbus(system_bus).get_object(name, '/StatusNotifierWatcher')
    for method in ('RegisterStatusNotifierItem', 'RegisterStatusNotifierHost'):
        watcher.AddMethod(name, method, 's', '', '', dbus_interface=MOCK_IFACE)
    watcher.AddProperty(name, 'IsStatusNotifierHostRegistered', True, dbus_interface=MOCK_IFACE)
    watcher.AddProperty(name, 'ProtocolVersion', dbus.Int32(0), dbus_interface=MOCK_IFACE)
    return {}


def notifications(system_bus):
    DBusTestCase.spawn_server_template('notification_daemon', {'capabilities': 'body actions'},
                                       system_bus=system_bus)
    return {}


def running(pid):
    '''Whether process `pid` runs (a zombie has ended).'''
    try:
        with open(f'/proc/{pid}/stat') as stat:
            return stat.read().rsplit(')', 1)[1].split()[0] != 'Z'
    except OSError:
        return False


SERVICES = {'logind': (logind, True), 'trayhost': (trayhost, False), 'notifications': (notifications, False)}


def serve(service, owner, folder, ready):
    '''The supervisor, in a session of its own: the bus, the mock, then waiting for the end.'''
    set_up, system_bus = SERVICES[service]
    tempfile.tempdir = folder  # the bus configuration goes where stop removes it
    bus_type = 'SYSTEM' if system_bus else 'SESSION'
    with open(os.path.join(folder, 'mock.log'), 'w') as log:
        os.dup2(log.fileno(), 1)
        os.dup2(log.fileno(), 2)
    try:
        if system_bus:
            DBusTestCase.start_system_bus()
        else:
            DBusTestCase.start_session_bus()
        settings = {f'DBUS_{bus_type}_BUS_ADDRESS': os.environ[f'DBUS_{bus_type}_BUS_ADDRESS'],
                    f'FAKE_{service.upper()}_DIR': folder}
        settings.update(set_up(system_bus))
        os.write(ready, ''.join(f'{key}={value}\n' for key, value in settings.items()).encode())
        os.close(ready)
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
        while owner == 0 or running(owner):
            time.sleep(0.2)
    finally:
        bus = getattr(DBusTestCase, f'{bus_type.lower()}_bus_pid', None)
        if bus:
            os.kill(bus, signal.SIGTERM)
        os.killpg(0, signal.SIGKILL)  # the mock and this process


def start(service, arguments):
    owner = 0
    if arguments[:1] == ['--owner']:
        owner = int(arguments[1])
        arguments = arguments[2:]
    folder = arguments[0] if arguments else tempfile.mkdtemp(prefix=f'fake-{service}.')
    os.makedirs(folder, exist_ok=True)
    ready, written = os.pipe()
    supervisor = os.fork()
    if supervisor == 0:
        os.close(ready)
        os.setsid()
        os.closerange(3, written)
        serve(service, owner, folder, written)
        os._exit(0)
    os.close(written)
    with open(os.path.join(folder, 'pid'), 'w') as pid:
        pid.write(str(supervisor))
    with os.fdopen(ready) as settings:
        text = settings.read()
    if not text:
        with open(os.path.join(folder, 'mock.log')) as log:
            sys.exit(f'{sys.argv[0]}: the fake {service} did not start\n{log.read()}')
    return text


def stop(folder):
    try:
        with open(os.path.join(folder, 'pid')) as file:
            supervisor = int(file.read())
        os.kill(supervisor, signal.SIGTERM)
        for _ in range(100):  # the bus and the mock go with the supervisor
            time.sleep(0.02)
            try:
                os.waitpid(supervisor, os.WNOHANG)  # when this process started it
            except ChildProcessError:
                pass
            if not running(supervisor):
                break
    except (OSError, ValueError):
        pass
    shutil.rmtree(folder, ignore_errors=True)


def main():
    service, command, arguments = sys.argv[1], sys.argv[2], sys.argv[3:]
    if command == 'start':
        print(start(service, arguments), end='')
    elif command == 'stop':
        stop(arguments[0])
    elif command == 'run':
        settings = dict(line.split('=', 1) for line in start(service, ['--owner', str(os.getpid())]).splitlines())
        status = subprocess.call(arguments, env={**os.environ, **settings})
        stop(settings[f'FAKE_{service.upper()}_DIR'])
        sys.exit(status)
    else:
        sys.exit(__doc__)


if __name__ == '__main__':
    main()
