"""A mail server on loopback for end-to-end tests, printing its port once it
listens.

    smtp_server.py OUTPUT_FOLDER accept|login|refuse|silent

accept: takes every message and writes, in OUTPUT_FOLDER, `envelope` (sender and
        recipients, a line each), `headers` (the header names in order),
        `subject` (decoded), `body` (decoded, LF line breaks) and `message` (as received).
login:  the same, for clients that log in as vigil / secret only; the login
        name is written to `login`.
refuse: answers 550 to every recipient.
silent: accepts connections and never says a word."""
import email
import email.policy
import os
import socket
import sys
import threading
import time

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult

folder, mode = sys.argv[1], sys.argv[2]


def write(name, text):
    with open(os.path.join(folder, name), "w", encoding="utf-8", newline="") as out:
        out.write(text)


class Handler:
    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if mode == "refuse":
            return "550 5.1.1 No such user here"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        raw = envelope.original_content
        message = email.message_from_bytes(raw, policy=email.policy.default)
        write("headers", "\n".join(message.keys()) + "\n")
        write("subject", str(message["Subject"]))
        # Line breaks are CRLF on the wire; the text had them as LF.
        write("body", message.get_content().replace("\r\n", "\n"))
        write("message", raw.decode("utf-8", "replace"))
        # Written last: its presence says the rest is complete.
        write("envelope", "\n".join([envelope.mail_from] + envelope.rcpt_tos) + "\n")
        return "250 Message accepted"


def authenticate(server, session, envelope, mechanism, auth_data):
    if auth_data.login == b"vigil" and auth_data.password == b"secret":
        write("login", auth_data.login.decode())
        return AuthResult(success=True)
    return AuthResult(success=False, handled=False)


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


if mode == "silent":
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen()
    print(listener.getsockname()[1], flush=True)
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)  # kept open, never answered
else:
    port = free_port()
    options = {}
    if mode == "login":
        options = dict(authenticator=authenticate, auth_required=True, auth_require_tls=False)
    controller = Controller(Handler(), hostname="127.0.0.1", port=port, **options)
    controller.start()
    print(port, flush=True)
    threading.Event().wait()
