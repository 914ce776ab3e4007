#!/usr/bin/python3
"""A desktop's notification service that records what it is sent, one line
each, in LOG: "notify<TAB>APP<TAB>ICON<TAB>SUMMARY<TAB>BODY" for a
notification, and "progress<TAB>URI<TAB>PROGRESS<TAB>VISIBLE" for each
launcher icon update (com.canonical.Unity.LauncherEntry) on the bus.

    record_desktop.py LOG

Runs on the session bus until killed; owns org.freedesktop.Notifications
once it listens."""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

INTERFACE = "org.freedesktop.Notifications"


def record(*fields):
    with open(sys.argv[1], "a", encoding="utf-8") as log:
        log.write("\t".join(str(f) for f in fields) + "\n")


class Notifications(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.last = 0

    @dbus.service.method(INTERFACE, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        record("notify", app, icon, summary, body)
        self.last += 1
        return self.last

    @dbus.service.method(INTERFACE, out_signature="as")
    def GetCapabilities(self):
        return ["body"]

    @dbus.service.method(INTERFACE, out_signature="ssss")
    def GetServerInformation(self):
        return ["recorder", "bindwell tests", "1", "1.2"]

    @dbus.service.method(INTERFACE, in_signature="u")
    def CloseNotification(self, number):
        pass


def launcher_update(uri, properties):
    record("progress", uri, float(properties.get("progress", -1)), bool(properties.get("progress-visible", False)))


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
bus.add_signal_receiver(launcher_update, signal_name="Update", dbus_interface="com.canonical.Unity.LauncherEntry")
service = Notifications(bus)
name = dbus.service.BusName(INTERFACE, bus)
GLib.MainLoop().run()
