#!/usr/bin/python3
"""A mail server for the tests of sending.

Listens on 127.0.0.1 on a free port, prints "READY <port>" once it takes
connections, and writes every message it accepts into OUT/<n>/, taken apart
with Python's email package:

    envelope-from, envelope-to   what MAIL FROM and RCPT TO said
    login                        the user that signed on ("" for none)
    from, to, subject            the headers, decoded
    body                         the text part, decoded
    attachment.name, attachment.type, attachment.encoding, attachment.bin
    raw.eml                      the message as received

  --user U --password P   AUTH is offered and only U with P is let in
  --refuse "550 ..."      every message is refused with that answer

Runs until it is terminated.
"""
import argparse
import os
import socket
import sys
import time
from email import policy
from email.parser import BytesParser

import warnings

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword


def free_port():
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def write(folder, name, data):
    mode = "wb" if isinstance(data, bytes) else "w"
    with open(os.path.join(folder, name), mode, **({} if mode == "wb" else {"encoding": "utf-8", "newline": ""})) as f:
        f.write(data)


class Sink:
    def __init__(self, out, refuse):
        self.out = out
        self.refuse = refuse
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        if self.refuse:
            return self.refuse
        self.count += 1
        folder = os.path.join(self.out, str(self.count) + ".part")
        os.makedirs(folder)
        raw = envelope.original_content or envelope.content
        msg = BytesParser(policy=policy.default).parsebytes(raw)
        write(folder, "raw.eml", raw)
        write(folder, "envelope-from", envelope.mail_from or "")
        write(folder, "envelope-to", "\n".join(envelope.rcpt_tos))
        login = session.auth_data.login if isinstance(session.auth_data, LoginPassword) else b""
        write(folder, "login", login.decode() if isinstance(login, bytes) else str(login))
        write(folder, "from", str(msg["From"] or ""))
        write(folder, "to", str(msg["To"] or ""))
        write(folder, "subject", str(msg["Subject"] or ""))
        body = msg.get_body(preferencelist=("plain",))
        write(folder, "body", body.get_content() if body is not None else "")
        attachments = list(msg.iter_attachments())
        write(folder, "attachments", str(len(attachments)))
        if attachments:
            a = attachments[0]
            write(folder, "attachment.name", a.get_filename() or "")
            write(folder, "attachment.type", a.get_content_type())
            write(folder, "attachment.encoding", str(a["Content-Transfer-Encoding"] or ""))
            write(folder, "attachment.bin", a.get_payload(decode=True))
        os.rename(folder, os.path.join(self.out, str(self.count)))
        return "250 Message accepted for delivery"


def main():
    p = argparse.ArgumentParser()
    p.add_argument("out")
    p.add_argument("--user")
    p.add_argument("--password")
    p.add_argument("--refuse")
    args = p.parse_args()

    options = {}
    # Signing on without TLS is what the tests want of a local server.
    warnings.simplefilter("ignore")
    if args.user is not None:
        user, password = args.user.encode(), (args.password or "").encode()

        def authenticator(server, session, envelope, mechanism, auth_data):
            ok = isinstance(auth_data, LoginPassword) and auth_data.login == user and auth_data.password == password
            return AuthResult(success=ok, handled=False, auth_data=auth_data)

        options = dict(authenticator=authenticator, auth_require_tls=False, auth_required=True)

    sink = Sink(args.out, args.refuse)
    for attempt in range(20):
        port = free_port()
        controller = Controller(sink, hostname="127.0.0.1", port=port, **options)
        try:
            controller.start()
            break
        except Exception:  # the port was taken in between: another one
            time.sleep(0.05)
    else:
        sys.exit("no free port")
    print("READY", port, flush=True)
    while True:
        time.sleep(3600)


if __name__ == "__main__":
    main()
