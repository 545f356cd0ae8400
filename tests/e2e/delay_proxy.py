#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A TCP proxy between a network bout's guest and host that holds every chunk of bytes for a
set delay each way, as a long network would. Usage:

    delay_proxy.py LISTEN_PORT HOST_PORT DELAY_MS STATS_FILE

It says "listening" once it takes a guest. SIGUSR1 cuts both connections at once, SIGUSR2 stops it carrying anything
while both stay open; SIGTERM ends it. On the way out it writes to STATS_FILE the bytes each
way, the seconds the bout was carried, how late (ms) the latest chunk left beyond its delay,
and for each chunk from the guest when it arrived and when it left (wall-clock ms).
"""
import asyncio
import signal
import socket
import sys
import time

listen_port, host_port, delay_ms, stats_file = (int(sys.argv[1]), int(sys.argv[2]),
                                                 float(sys.argv[3]), sys.argv[4])
stats = {"guest_to_host": 0, "host_to_guest": 0, "late_ms": 0.0, "first": None, "last": None}
writers = []
chunks = []  # each chunk from the guest: when it arrived and when it left, wall-clock ms
frozen = False


async def carry(reader, writer, way):
    loop = asyncio.get_running_loop()
    while True:
        chunk = await reader.read(65536)
        if not chunk:
            break
        now = loop.time()
        due = now + delay_ms / 1000.0

        arrived = time.time()

        def send(chunk=chunk, due=due, arrived=arrived):
            if frozen or writer.is_closing():
                return
            stats["late_ms"] = max(stats["late_ms"], (loop.time() - due) * 1000.0)
            if way == "guest_to_host":
                chunks.append((arrived * 1000.0, time.time() * 1000.0))
            stats[way] += len(chunk)
            stats["first"] = stats["first"] or time.monotonic()
            stats["last"] = time.monotonic()
            writer.write(chunk)

        loop.call_at(due, send)
    await asyncio.sleep(delay_ms / 1000.0 + 0.01)
    writer.close()


async def guest_arrived(guest_reader, guest_writer):
    host_reader, host_writer = await asyncio.open_connection("127.0.0.1", host_port)
    for w in (guest_writer, host_writer):
        w.get_extra_info("socket").setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        writers.append(w)
    try:
        await asyncio.gather(carry(guest_reader, host_writer, "guest_to_host"),
                             carry(host_reader, guest_writer, "host_to_guest"),
                             return_exceptions=True)
    except asyncio.CancelledError:
        pass  # the proxy is ending


def cut():
    for w in writers:
        w.transport.abort()


def freeze():
    global frozen
    frozen = True


def write_stats():
    seconds = (stats["last"] or 0) - (stats["first"] or 0)
    with open(stats_file, "w") as out:
        out.write(f"guest_to_host {stats['guest_to_host']}\nhost_to_guest {stats['host_to_guest']}\n"
                  f"seconds {seconds:.3f}\nlate_ms {stats['late_ms']:.3f}\n")
        for arrived, left in chunks:
            out.write(f"chunk {arrived:.3f} {left:.3f}\n")


async def main():
    server = await asyncio.start_server(guest_arrived, "127.0.0.1", listen_port)
    loop = asyncio.get_running_loop()
    done = loop.create_future()
    loop.add_signal_handler(signal.SIGUSR1, cut)
    loop.add_signal_handler(signal.SIGUSR2, freeze)
    loop.add_signal_handler(signal.SIGTERM, lambda: done.done() or done.set_result(None))
    print("listening", flush=True)
    async with server:
        await done
    write_stats()


asyncio.run(main())
