#!/usr/bin/env python3
"""SMTP servers for the mail tests, on 127.0.0.1 at free ports.

  mail_servers.py start DIR   starts them in the background and returns once
                              DIR/ports lists "name port" for each server
  mail_servers.py stop DIR    stops them

"real" is aiosmtpd: it refuses recipients whose address begins with
"refused" and stores each mail it accepts as DIR/inbox/<sender>.env (the
envelope: sender, then one recipient per line) and <sender>.eml (the data as
received, dots un-stuffed). Every other name is a scripted server that plays
one path a real server does not take; it writes what it hears to
DIR/transcripts/<name>.log, one file per connection, replacing the last.
"""
import asyncio
import os
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

OK = {"HELO": b"250 hello\r\n", "MAIL": b"250 sender ok\r\n", "RCPT": b"250 recipient ok\r\n",
      "DATA": b"354 go ahead\r\n", "QUIT": b"221 bye\r\n"}

# name: (greeting, replies that differ from OK, options)
SCENARIOS = {
    "recorder": (b"220 ready\r\n", {}, {}),
    "bad_greeting": (b"554 no service here\r\n", {}, {}),
    "helo_refused": (b"220 ready\r\n", {"HELO": b"550 not you\r\n"}, {}),
    "garbage": (b"220 ready\r\n", {"HELO": b"hello there\r\n"}, {}),
    "no_data": (b"220 ready\r\n", {"DATA": b"451 try later\r\n"}, {}),
    "multiline": (b"220-first\r\n220-second\r\n220 ready\r\n",
                  {"HELO": b"250-hello\r\n250-SIZE 1000000\r\n250 HELP\r\n",
                   "MAIL": b"250-sender\r\n250 ok\r\n"}, {}),
    "split": (b"220 ready\r\n", {}, {"split": True}),
    "cut": (b"220 ready\r\n", {"HELO": b"250-half a rep"}, {"close_after": "HELO"}),
    "silent": (None, {}, {}),
    "silent_after_helo": (b"220 ready\r\n", {"MAIL": None}, {}),
    "overlong": (b"220 ready\r\n", {"HELO": b"250-" + b"x" * 1020 + b"\r\n"}, {"repeat": 70}),
}


def safe_name(text):
    return re.sub(r"[^A-Za-z0-9@._-]", "_", text) or "_"


class RealHandler:
    def __init__(self, inbox):
        self.inbox = inbox

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.startswith("refused"):
            return "550 5.1.1 no such user"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        name = safe_name(envelope.mail_from)
        (self.inbox / (name + ".eml")).write_bytes(envelope.original_content)
        lines = [envelope.mail_from] + envelope.rcpt_tos
        (self.inbox / (name + ".env")).write_text("".join(line + "\n" for line in lines))
        return "250 Message accepted"


async def scripted_session(name, transcripts, reader, writer):
    greeting, replies, options = SCENARIOS[name]
    log = open(transcripts / (name + ".log"), "wb", buffering=0)

    async def reply(data, repeat=1):
        if options.get("split") and len(data) > 2:
            writer.write(data[:2])
            await writer.drain()
            await asyncio.sleep(0.05)
            data = data[2:]
        for _ in range(repeat):
            writer.write(data)
            await writer.drain()

    try:
        if greeting is None:
            await reader.read()  # says nothing until the client gives up
            return
        await reply(greeting)
        while True:
            line = await reader.readline()
            if not line:
                return
            log.write(line)
            verb = line[:4].decode("latin-1").upper()
            answer = replies.get(verb, OK.get(verb, b"500 what?\r\n"))
            if answer is None:
                await reader.read()
                return
            await reply(answer, options.get("repeat", 1) if verb == "HELO" else 1)
            if options.get("close_after") == verb or verb == "QUIT":
                return
            if verb == "DATA" and answer.startswith(b"354"):
                while True:
                    line = await reader.readline()
                    if not line:
                        return
                    log.write(line)
                    if line == b".\r\n":
                        break
                await reply(b"250 queued\r\n")
    except (ConnectionError, OSError):
        pass
    finally:
        log.close()
        writer.close()


async def serve(state):
    from aiosmtpd.smtp import SMTP

    inbox = state / "inbox"
    transcripts = state / "transcripts"
    inbox.mkdir(parents=True, exist_ok=True)
    transcripts.mkdir(parents=True, exist_ok=True)
    loop = asyncio.get_running_loop()
    handler = RealHandler(inbox)
    servers = {"real": await loop.create_server(lambda: SMTP(handler, hostname="localhost"), "127.0.0.1", 0)}
    for name in SCENARIOS:
        servers[name] = await asyncio.start_server(
            lambda r, w, name=name: scripted_session(name, transcripts, r, w), "127.0.0.1", 0)
    ports = "".join("%s %d\n" % (name, s.sockets[0].getsockname()[1]) for name, s in servers.items())
    (state / "ports.tmp").write_text(ports)
    os.replace(state / "ports.tmp", state / "ports")
    stop = asyncio.Event()
    loop.add_signal_handler(signal.SIGTERM, stop.set)
    await stop.wait()


def start(state):
    stop(state)
    for old in list(state.glob("inbox/*")) + list(state.glob("transcripts/*")) + [state / "ports"]:
        old.unlink(missing_ok=True)
    state.mkdir(parents=True, exist_ok=True)
    # Detached, and without our output: ctest waits for whoever holds it.
    with open(state / "servers.log", "wb") as log:
        child = subprocess.Popen([sys.executable, __file__, "serve", str(state)], stdin=subprocess.DEVNULL,
                                 stdout=log, stderr=log, start_new_session=True)
    (state / "pid").write_text("%d\n" % child.pid)
    for _ in range(200):
        if (state / "ports").exists():
            print((state / "ports").read_text(), end="")
            return 0
        if child.poll() is not None:
            break
        time.sleep(0.05)
    print((state / "servers.log").read_text(), file=sys.stderr)
    print("mail servers did not start", file=sys.stderr)
    return 1


def stop(state):
    pid_file = state / "pid"
    if not pid_file.exists():
        return 0
    pid = int(pid_file.read_text())
    pid_file.unlink()
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        return 0
    for _ in range(100):
        if not running(pid):
            return 0
        time.sleep(0.05)
    try:
        os.kill(pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    return 0


def running(pid):
    # Our server is not our child: once it ends it stays a zombie until
    # init gets round to it.
    try:
        return Path("/proc/%d/stat" % pid).read_text().rsplit(")", 1)[1].split()[0] != "Z"
    except (OSError, IndexError):
        return False


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("start", "stop", "serve"):
        print(__doc__, file=sys.stderr)
        return 2
    state = Path(sys.argv[2]).resolve()
    if sys.argv[1] == "serve":
        asyncio.run(serve(state))
        return 0
    return start(state) if sys.argv[1] == "start" else stop(state)


if __name__ == "__main__":
    sys.exit(main())
