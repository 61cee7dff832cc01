"""Settings documents from the command line: --save creates and updates them,
--show prints them, --headless runs several in one process, and files that are
not settings documents are refused by name with nothing written."""
import json
import os
import signal
import subprocess
import sys
import tempfile

from e2e_support import read_until

vigil = sys.argv[1]


def run(*arguments):
    return subprocess.run([vigil, *arguments], capture_output=True, text=True, timeout=20)


with tempfile.TemporaryDirectory() as top:
    first, second = os.path.join(top, "first"), os.path.join(top, "second")
    os.mkdir(first)
    os.mkdir(second)
    doc1, doc2 = os.path.join(top, "one.vigil"), os.path.join(top, "two.vigil")

    made = run("--save", doc1, "--folder", first, "--interval", "1", "--unit", "seconds",
               "--no-moddate", "--beep", "--email", "ops@example.org", "--open", "/tmp/x")
    assert made.returncode == 0 and "Created" in made.stdout, made
    updated = run("--save", doc1, "--message", "Look", "--no-beep")
    assert updated.returncode == 0 and "Updated" in updated.stdout, updated

    shown = run("--show", doc1)
    assert shown.returncode == 0, shown
    settings = json.loads(shown.stdout)
    assert len(settings) == 15, settings
    assert settings["kTextFieldFilePathKey"] == first
    assert settings["kCheckTimeIntervalTextFieldKey"] == "1"
    assert settings["kCheckTimeIntervalUnitsPopupKey"] == 0
    assert settings["kCheckModificationDateChangeCheckBoxKey"] == 0
    assert settings["kBeepCheckBoxKey"] == 0, "updated"
    assert settings["kSendAnEmailCheckBoxKey"] == 1
    assert settings["kEMailAddressTextFieldKey"] == "ops@example.org"
    assert settings["kEMailMessageTextFieldKey"] == "Look"
    assert settings["kOpenFilePath1TextFieldKey"] == "/tmp/x"
    assert settings["kOpenFilesCheckBoxKey"] == 1

    assert run("--save", doc2, "--folder", second, "--interval", "1", "--unit", "seconds",
               "--start-when-opened").returncode == 0

    process = subprocess.Popen([vigil, "--headless", "--no-email", "--no-open", doc1, doc2],
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    try:
        read_until(process, ["one: Next check in 1 seconds.", "two: Next check in 1 seconds."])
        open(os.path.join(first, "a"), "w").close()
        open(os.path.join(second, "b"), "w").close()
        read_until(process, [f"one: Change in {first}: it now holds 1 items.",
                             f"two: Change in {second}: it now holds 1 items;"])
        process.send_signal(signal.SIGTERM)
        output, errors = process.communicate(timeout=10)
    finally:
        if process.poll() is None:
            process.kill()
    assert process.returncode == 0, errors

    # The run's settings did not change the documents.
    assert json.loads(run("--show", doc1).stdout)["kSendAnEmailCheckBoxKey"] == 1

    not_a_document = os.path.join(top, "notes.txt")
    with open(not_a_document, "w") as notes:
        notes.write("just some notes\n")
    for arguments in (["--headless", not_a_document], ["--show", not_a_document],
                      ["--save", not_a_document, "--beep"], ["--headless", doc1, not_a_document]):
        refused = run(*arguments)
        assert refused.returncode != 0, (arguments, refused)
        assert not_a_document in refused.stderr and "not a settings document" in refused.stderr, \
            refused.stderr
        assert "Next check" not in refused.stdout, "nothing ran"
    with open(not_a_document) as notes:
        assert notes.read() == "just some notes\n", "nothing was written"

    missing = run("--show", os.path.join(top, "missing.vigil"))
    assert missing.returncode != 0 and "missing.vigil" in missing.stderr, missing.stderr
print("ok")
