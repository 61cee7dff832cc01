"""What the end-to-end scripts share: reading a program's output up to a line,
and waiting for a file that another process writes."""
import os
import time


def read_until(process, needles, seconds=20):
    """Reads process.stdout until every needle has been seen; answers the lines."""
    if isinstance(needles, str):
        needles = [needles]
    deadline = time.monotonic() + seconds
    seen = []
    pending = set(needles)
    while pending and time.monotonic() < deadline:
        line = process.stdout.readline()
        if not line:
            break
        seen.append(line)
        pending = {needle for needle in pending if needle not in "".join(seen)}
    assert not pending, f"missing {sorted(pending)!r} in {seen!r}"
    return seen


def wait_for(path, seconds=20):
    """The contents of a file once it exists."""
    deadline = time.monotonic() + seconds
    while not os.path.exists(path):
        assert time.monotonic() < deadline, f"{path} never appeared"
        time.sleep(0.05)
    with open(path, encoding="utf-8") as contents:
        return contents.read()
