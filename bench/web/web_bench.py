#!/usr/bin/python3
"""kv7-web's figures over HTTP, run by hand with the private server up:

  scripts/db-server start && source scripts/db-env
  bench/web/web_bench.py build/src/web/kv7-web build/tools/kv7ctl/kv7ctl

- the machines page and the batch list page (first page, a late page, sorted
  by name) over 100 000 batches: median answer time on this computer;
- fifty browsers on the live page: 50 event streams held open while the live
  row changes every second, kv7-web's CPU time from /proc/PID/stat;
- from a row change to each client: the delay of every change's event.

Options: --batches N (100000), --clients N (50), --seconds N (30).
The database, the server and the clients are its own and go at the end.
"""

import argparse
import http.client
import os
import statistics
import sys
import threading
import time
import urllib.parse

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web"))
import browser_test as kit  # noqa: E402  the test's archive and server set-up

import tempfile  # noqa: E402


def fill(archive, batches):
    archive.sql("INSERT INTO bolle (num, data, programma, produttore, bolla, macchina, totpartita, totq5, tot1q1, "
                "tot2q1, tot3q2, tot4q3) SELECT seq, '2026-06-01' + INTERVAL (seq MOD 120) DAY + INTERVAL seq SECOND, "
                "ELT(1 + seq MOD 3, '01', '02', '03'), LPAD(1 + seq MOD 4, 5, '0'), CONCAT('B-', seq), 1 + seq MOD 3, "
                f"300 + seq MOD 200, seq MOD 5000, 100000 + seq MOD 7000, 90000, 20000 + seq MOD 300, 5000 "
                f"FROM seq_1_to_{batches}")
    archive.sql(kit.LIVE_TABLE)
    for machine in (1, 2, 3):
        archive.sql("INSERT INTO kv7_live VALUES (%d, NOW(3), '4 - Lavorazione', '03', 'Pesche gialle', 'B-1', "
                    "'Az. Agr. Rossi Giovanni', 600, 12000, 1, '%s')" % (machine, kit.json.dumps(kit.LIVE_DATA)))


def log_in(port):
    conn = http.client.HTTPConnection("127.0.0.1", port)
    conn.request("POST", "/login", urllib.parse.urlencode({"user": kit.USER, "password": kit.PASSWORD}),
                 {"Content-Type": "application/x-www-form-urlencoded"})
    answer = conn.getresponse()
    answer.read()
    return answer.getheader("Set-Cookie").split(";")[0]


def median_ms(port, cookie, path, runs=21):
    conn = http.client.HTTPConnection("127.0.0.1", port)
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        conn.request("GET", path, headers={"Cookie": cookie})
        answer = conn.getresponse()
        answer.read()
        times.append((time.perf_counter() - start) * 1000)
        assert answer.status == 200, (path, answer.status)
    return statistics.median(times)


class Client(threading.Thread):
    """One browser on the live page: the arrival time of each batch mark seen."""

    def __init__(self, port, cookie):
        super().__init__(daemon=True)
        self.conn = http.client.HTTPConnection("127.0.0.1", port)
        self.cookie = cookie
        self.seen = {}
        self.ready = threading.Event()

    def run(self):
        self.conn.request("GET", "/events/machines", headers={"Cookie": self.cookie})
        answer = self.conn.getresponse()
        self.ready.set()
        try:
            for line in answer:
                now = time.monotonic()
                text = line.decode()
                at = text.find("BENCH-")
                if at >= 0:
                    mark = text[at:text.find('"', at)]
                    self.seen.setdefault(mark, now)
        except (OSError, ValueError, AttributeError):
            pass  # closed at the end


def cpu_seconds(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")  # utime + stime


def live_load(archive, server, port, cookie, clients, seconds):
    streams = [Client(port, cookie) for _ in range(clients)]
    for s in streams:
        s.start()
    for s in streams:
        s.ready.wait(10)
    changes = {}
    cpu_before, start = cpu_seconds(server.process.pid), time.monotonic()
    for n in range(seconds):
        mark = f"BENCH-{n}"
        changes[mark] = time.monotonic()
        archive.sql(f"UPDATE kv7_live SET aggiornato = NOW(3), bolla = '{mark}', produzione = {12000 + n} WHERE machine = 2")
        time.sleep(max(0.0, start + n + 1 - time.monotonic()))
    cpu = cpu_seconds(server.process.pid) - cpu_before
    elapsed = time.monotonic() - start
    time.sleep(2)  # the last change's events
    delays = [s.seen[m] - t for s in streams for m, t in changes.items() if m in s.seen]
    missed = clients * len(changes) - len(delays)
    for s in streams:
        s.conn.close()
    return cpu / elapsed * 100, delays, missed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("kv7_web")
    parser.add_argument("kv7ctl")
    parser.add_argument("--batches", type=int, default=100000)
    parser.add_argument("--clients", type=int, default=50)
    parser.add_argument("--seconds", type=int, default=30)
    args = parser.parse_args()
    sql_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "sql")
    with tempfile.TemporaryDirectory(prefix="kv7-web-bench-") as workdir:
        archive = kit.Archive(workdir, args.kv7ctl, sql_dir)
        server = None
        try:
            fill(archive, args.batches)
            server = kit.Server(args.kv7_web, workdir, archive)
            port = int(server.address.rsplit(":", 1)[1])
            cookie = log_in(port)
            print(f"batches: {args.batches}")
            for what, path, target in (("machines page", "/", 50),
                                       ("batch list, first page", "/batches", 200),
                                       ("batch list, last page", f"/batches?page={args.batches // 50}", 200),
                                       ("batch list, by name", "/batches?sort=nome&dir=asc&page=1000", 200),
                                       ("batch list, one producer", "/batches?producer=00003", 200)):
                print(f"{what:28s} median {median_ms(port, cookie, path):7.1f} ms (target < {target} ms)")
            share, delays, missed = live_load(archive, server, port, cookie, args.clients, args.seconds)
            print(f"{args.clients} live clients for {args.seconds} s, a change a second: kv7-web {share:.2f} % of a core "
                  "(target < 5 %)")
            if delays:
                delays.sort()
                print(f"row change to client: median {statistics.median(delays) * 1000:.0f} ms, "
                      f"max {delays[-1] * 1000:.0f} ms over {len(delays)} events, {missed} not seen (target < 2 s)")
        finally:
            if server:
                server.stop()
            archive.drop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
