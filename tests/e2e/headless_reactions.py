"""The reactions of a watch run by `vigil --headless`, with the real components a
desktop has, all started here: a private session bus with a file manager on it,
an SMTP server on loopback, and a default application configured through the
XDG directories. A change must e-mail, reveal, open the file and stop the watch,
which ends the program; a refused message must show the alert and the watch
goes on."""
import os
import signal
import subprocess
import sys
import tempfile

from e2e_support import read_until, wait_for

vigil = sys.argv[1]
here = os.path.dirname(os.path.abspath(__file__))
python = "/usr/bin/python3"


with tempfile.TemporaryDirectory() as top:
    processes = []
    try:
        bus = subprocess.Popen(["dbus-daemon", "--session", "--print-address", "--nofork",
                                "--nopidfile"], stdout=subprocess.PIPE, text=True)
        processes.append(bus)
        address = bus.stdout.readline().strip()
        environment = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=address,
                           XDG_CONFIG_HOME=os.path.join(top, "config"),
                           XDG_DATA_HOME=os.path.join(top, "data"),
                           XDG_DATA_DIRS=os.path.join(top, "system"),
                           XDG_CONFIG_DIRS=os.path.join(top, "system-config"))
        environment.pop("XDG_CURRENT_DESKTOP", None)

        shown = os.path.join(top, "shown")
        manager = subprocess.Popen([python, os.path.join(here, "file_manager_service.py"), shown],
                                   stdout=subprocess.PIPE, text=True, env=environment)
        processes.append(manager)
        assert manager.stdout.readline().strip() == "ready"

        mailbox = os.path.join(top, "mailbox")
        os.mkdir(mailbox)
        smtp = subprocess.Popen([python, os.path.join(here, "smtp_server.py"), mailbox, "accept"],
                                stdout=subprocess.PIPE, text=True)
        processes.append(smtp)
        port = int(smtp.stdout.readline())
        os.makedirs(os.path.join(top, "config", "vigil"))
        with open(os.path.join(top, "config", "vigil", "vigil.ini"), "w") as settings:
            settings.write(f"[mail]\nserver = smtp://127.0.0.1:{port}\n"
                           "from = vigil@localhost\ntimeout = 5\n")

        # A default application for *.vreport that records what it is asked to open.
        opened = os.path.join(top, "opened")
        handler = os.path.join(top, "record-handler")
        with open(handler, "w") as script:
            script.write(f"#!/bin/sh\nprintf '%s\\n' \"$1\" > '{opened}.tmp'\n"
                         f"mv '{opened}.tmp' '{opened}'\n")
        os.chmod(handler, 0o755)
        os.makedirs(os.path.join(top, "data", "mime"))
        os.makedirs(os.path.join(top, "data", "applications"))
        with open(os.path.join(top, "data", "mime", "globs2"), "w") as globs:
            globs.write("50:application/x-vigil-report:*.vreport\n")
        with open(os.path.join(top, "data", "applications", "recorder.desktop"), "w") as entry:
            entry.write(f"[Desktop Entry]\nType=Application\nName=Recorder\nExec={handler} %f\n"
                        "MimeType=application/x-vigil-report;\n")
        with open(os.path.join(top, "config", "mimeapps.list"), "w") as defaults:
            defaults.write("[Default Applications]\n"
                           "application/x-vigil-report=recorder.desktop\n")
        report = os.path.join(top, "summary.vreport")
        open(report, "w").close()

        watched = os.path.join(top, "watched")
        os.mkdir(watched)
        watch = subprocess.Popen(
            [vigil, "--headless", "--folder", watched, "--interval", "1", "--unit", "seconds",
             "--no-moddate", "--beep", "--email", "ops@example.org", "--message", "Look",
             "--reveal", "--stop", "--open", report],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, env=environment)
        processes.append(watch)
        read_until(watch, "Next check in 1 seconds.")
        open(os.path.join(watched, "new.txt"), "w").close()
        output, errors = watch.communicate(timeout=30)  # the stop reaction ends it
        assert watch.returncode == 0, (watch.returncode, errors)
        assert "Idle" in output.splitlines()[-1], output

        folder_line = f"The folder {watched} has changed."
        assert wait_for(os.path.join(mailbox, "envelope")) == \
            "vigil@localhost\nops@example.org\n"
        assert wait_for(os.path.join(mailbox, "subject")) == folder_line
        assert wait_for(os.path.join(mailbox, "body")) == \
            f"Look\n\n{folder_line}\n\nIt now holds 1 items.\n", \
            wait_for(os.path.join(mailbox, "body"))
        assert wait_for(shown) == f"file://{watched}\t\n"
        assert wait_for(opened) == report + "\n"

        # A server that refuses: the alert on standard error, and the watch goes on.
        smtp.kill()
        refusing = subprocess.Popen([python, os.path.join(here, "smtp_server.py"), mailbox,
                                     "refuse"], stdout=subprocess.PIPE, text=True)
        processes.append(refusing)
        refused_port = int(refusing.stdout.readline())
        with open(os.path.join(top, "config", "vigil", "vigil.ini"), "w") as settings:
            settings.write(f"[mail]\nserver = smtp://127.0.0.1:{refused_port}\n"
                           "from = vigil@localhost\ntimeout = 5\n")
        watch = subprocess.Popen(
            [vigil, "--headless", "--folder", watched, "--interval", "1", "--unit", "seconds",
             "--email", "ops@example.org"],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, env=environment)
        processes.append(watch)
        read_until(watch, "Next check in 1 seconds.")
        open(os.path.join(watched, "another.txt"), "w").close()
        read_until(watch, "Change in")
        read_until(watch, "Next check in 1 seconds.")
        watch.send_signal(signal.SIGINT)
        output, errors = watch.communicate(timeout=10)
        assert watch.returncode == 0
        assert "Sending the Email notification failed." in errors, errors
        assert "Please check the mail settings" in errors, errors
    finally:
        for process in processes:
            if process.poll() is None:
                process.kill()
                process.wait()
print("ok")
