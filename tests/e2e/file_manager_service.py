"""A stand-in desktop file manager for end-to-end tests: owns
org.freedesktop.FileManager1 on the session bus named by DBUS_SESSION_BUS_ADDRESS,
writes each ShowItems call it gets as one line to the record file (the URIs, a
tab, the startup ID), and prints "ready" once it owns the name.

    file_manager_service.py RECORD [answer|silent]

"silent" takes calls and never answers them."""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

record_path = sys.argv[1]
silent = len(sys.argv) > 2 and sys.argv[2] == "silent"
NAME = "org.freedesktop.FileManager1"


class FileManager(dbus.service.Object):
    @dbus.service.method(NAME, in_signature="ass", out_signature="",
                         async_callbacks=("reply", "error"))
    def ShowItems(self, uris, startup_id, reply, error):
        with open(record_path, "a", encoding="utf-8") as record:
            record.write(" ".join(uris) + "\t" + startup_id + "\n")
        if not silent:
            reply()


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
service = FileManager(bus, "/org/freedesktop/FileManager1")
name = dbus.service.BusName(NAME, bus, do_not_queue=True)
print("ready", flush=True)
GLib.MainLoop().run()
