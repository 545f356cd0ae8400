#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The host's door, measured against the real program on the loopback address only. Run it
inside an X server (xvfb-run -a). Usage:

    door_check.py PISTEWORK guess   how many codes a guessing loop tries in 30 s
    door_check.py PISTEWORK silent [N]  how long a real guest takes to get in while N (5) silent
                                    connections hold the door and come back at once when closed
    door_check.py PISTEWORK slow    pairing through delay_proxy.py holding each chunk 2 s
    door_check.py PISTEWORK refused [N]  the host's memory before and after N (5000) guests
                                    turned away for a version it does not speak

Each run is bounded in time and in connections, and prints what it measured.
"""
import os
import random
import select
import socket
import subprocess
import sys
import tempfile
import time

LOOPBACK = "127.0.0.1"
VERSION = 2
PROXY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e", "delay_proxy.py")


def hello(code):
    # Length 9; kind 1 (hello), count 0, the magic, the version and the code in two bytes.
    return bytes([0, 9, 1, 0]) + b"PSTN" + bytes([VERSION, code >> 8, code & 0xFF])


def free_port():
    with socket.socket() as s:
        s.bind((LOOPBACK, 0))
        return s.getsockname()[1]


class Programs:
    def __init__(self, binary):
        self.binary = binary
        self.work = tempfile.mkdtemp()
        self.running = []

    def launch(self, name, *args):
        folder = os.path.join(self.work, name, "Brackenmoor Fencing Association")
        os.makedirs(folder)
        with open(os.path.join(folder, "Pistework.conf"), "w") as conf:
            conf.write("[General]\nMaxHits=5\nControl=0\nTimed=1\n")
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(self.work, name),
                   QT_LOGGING_RULES="pistework.*=true")
        log = os.path.join(self.work, name + ".log")
        out = open(log, "w")
        self.running.append(subprocess.Popen([*self.binary, *args], env=env, stdout=out,
                                             stderr=subprocess.STDOUT))
        return log

    def end(self):
        for p in self.running:
            p.kill()
            p.wait()


def wait_log(log, text, seconds):
    """Seconds until `text` shows in `log`, or None after `seconds`."""
    start = time.monotonic()
    while True:
        with open(log) as f:
            if text in f.read():
                return time.monotonic() - start
        if time.monotonic() - start >= seconds:
            return None
        time.sleep(0.01)


def answer(sock, seconds):
    """The kind of the host's first frame, or None when it closes or says nothing."""
    sock.settimeout(seconds)
    got = b""
    try:
        while len(got) < 3:
            more = sock.recv(64)
            if not more:
                return None
            got += more
    except (socket.timeout, OSError):
        return None
    return got[2]


def host(programs, code):
    port = free_port()
    log = programs.launch("host", "--host", str(port), "--code", f"{code:04d}")
    if wait_log(log, f"network hosting on port {port}", 15) is None:
        sys.exit("the host did not listen")
    return port, log


def guess(programs):
    code = random.randrange(1000, 10000)
    port, log = host(programs, code)
    tries = refused = 0
    found = False
    start = time.monotonic()
    codes = random.sample(range(10000), 10000)
    while time.monotonic() - start < 30 and tries < len(codes):
        try:
            with socket.create_connection((LOOPBACK, port), timeout=2) as s:
                s.sendall(hello(codes[tries]))
                kind = answer(s, 3)
        except OSError:
            refused += 1
            time.sleep(0.01)
            continue
        if kind is None:
            continue
        tries += 1
        if kind == 2:
            found = True
            break
    print(f"guess: {tries} codes tried in {time.monotonic() - start:.1f} s, found: {found}, "
          f"connections refused afterwards: {refused}")
    print("  the host said:", "hosting stopped" if wait_log(log, "hosting stopped", 1) is not None
          else "nothing about stopping")


def silent(programs, many=5):
    port, log = host(programs, 4321)
    holders = []

    def hold():
        try:
            s = socket.create_connection((LOOPBACK, port), timeout=2)
        except OSError:  # the host stopped listening: its guest is in
            return
        s.setblocking(False)
        holders.append(s)

    for _ in range(many):
        hold()
    opened = many
    # Past the 2 s a silent connection has, so the guest finds them all due to give way.
    until = time.monotonic() + 2.5
    guest_log = None
    start = None
    while time.monotonic() < until + 15 and opened < 500:
        if guest_log is None and time.monotonic() >= until:
            start = time.monotonic()
            guest_log = programs.launch("guest", "--join", f"{LOOPBACK}:{port}", "--code", "4321")
        if guest_log and wait_log(guest_log, "network bout begun", 0) is not None:
            break
        if not holders:
            time.sleep(0.01)
            continue
        ready, _, _ = select.select(holders, [], [], 0.01)
        for s in ready:
            try:
                data = s.recv(64)
            except OSError:
                data = b""
            if not data:  # closed: back at once
                holders.remove(s)
                s.close()
                hold()
                opened += 1
    took = wait_log(guest_log, "network bout begun", 0) if guest_log else None
    took = None if took is None else time.monotonic() - start
    print(f"silent: the guest program got in {took:.2f} s after it was started, while {many} silent "
          f"connections held the door ({opened} opened in all)" if took is not None
          else "silent: the guest did not get in")
    if took is None:
        for name in filter(None, (log, guest_log)):
            with open(name) as f:
                print("".join(line for line in f if "network" in line)[-3000:])
    for s in holders:
        s.close()


def slow(programs):
    port, log = host(programs, 4321)
    proxy_port = free_port()
    stats = os.path.join(programs.work, "stats")
    proxy = subprocess.Popen([sys.executable, PROXY,
                              str(proxy_port), str(port), "2000", stats], stdout=subprocess.PIPE)
    programs.running.append(proxy)
    proxy.stdout.readline()  # "listening"
    start = time.monotonic()
    guest_log = programs.launch("guest", "--join", f"{LOOPBACK}:{proxy_port}", "--code", "4321")
    took = wait_log(guest_log, "network bout begun", 20)
    if took is None:
        print("slow: the guest did not get in through a link of 2 s each way")
        with open(guest_log) as f:
            print("".join(line for line in f if "network" in line))
        return
    took = time.monotonic() - start
    ended = wait_log(guest_log, "network bout ended", 8) or wait_log(log, "network bout ended", 0)
    print(f"slow: paired through a link of 2 s each way {took:.2f} s after the guest started; "
          f"8 s later the bout {'had ended' if ended is not None else 'still ran'}")


def resident_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        return next(int(line.split()[1]) for line in f if line.startswith("VmRSS:"))


def refused(programs, many=5000):
    port, log = host(programs, 4321)
    pid = programs.running[-1].pid
    time.sleep(1)
    before = resident_kb(pid)
    turned = 0
    start = time.monotonic()
    for _ in range(many):
        with socket.create_connection((LOOPBACK, port), timeout=2) as s:
            # A version no game speaks: refused at once, and no wrong code counted.
            s.sendall(bytes([0, 9, 1, 0]) + b"PSTN" + bytes([99, 0x10, 0xE1]))
            turned += answer(s, 3) == 3
    took = time.monotonic() - start
    time.sleep(1)
    after = resident_kb(pid)
    print(f"refused: {turned} of {many} guests turned away in {took:.1f} s; host resident "
          f"{before / 1024:.1f} MB before, {after / 1024:.1f} MB after")


def main():
    binary, what = sys.argv[1], sys.argv[2]
    programs = Programs([binary])
    try:
        {"guess": guess, "silent": silent, "slow": slow, "refused": refused}[what](programs, *map(int, sys.argv[3:]))
    finally:
        programs.end()


main()
