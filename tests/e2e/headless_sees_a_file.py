"""Runs `vigil --headless` on a temporary folder, adds a file, and checks that the
program reports the change, stops cleanly on SIGINT and refuses bad input."""
import os
import signal
import subprocess
import sys
import tempfile

from e2e_support import read_until

vigil = sys.argv[1]


with tempfile.TemporaryDirectory() as folder:
    process = subprocess.Popen(
        [vigil, "--headless", "--folder", folder, "--interval", "1", "--unit", "seconds", "--no-moddate"],
        stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    try:
        read_until(process, "Next check in 1 seconds.")
        with open(os.path.join(folder, "new.txt"), "w") as new_file:
            new_file.write("hello")
        lines = read_until(process, "Change in")
        assert f"Change in {folder}: it now holds 1 items." in lines[-1], lines
        read_until(process, "Next check in 1 seconds.")
        process.send_signal(signal.SIGINT)
        output, errors = process.communicate(timeout=10)
    finally:
        if process.poll() is None:
            process.kill()
    assert process.returncode == 0, (process.returncode, errors)
    assert "Stopped by user." in output, output
    # Into a pipe, the half-second countdown is not repeated.
    assert "Next check in 0 seconds." not in output, output

missing = subprocess.run([vigil, "--headless", "--folder", "/nonexistent/folder"],
                         capture_output=True, text=True, timeout=10)
assert missing.returncode != 0
assert "/nonexistent/folder" in missing.stderr and "not a folder" in missing.stderr, missing.stderr

bad = subprocess.run([vigil, "--headless", "--interval", "soon"], capture_output=True, text=True,
                     timeout=10)
assert bad.returncode == 2 and "--interval" in bad.stderr, bad.stderr
print("ok")
