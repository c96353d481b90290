"""Times commands the way the scan benchmark needs: interleaved rounds, so
that a change in the machine's load touches every command alike; medians of
wall-clock and CPU time; peak resident memory as /usr/bin/time -v reports it.
"""

import os
import re
import resource
import statistics
import subprocess
import time


class Command:
    """A program to time; its standard output goes to `output`, a file,
    since some programs take short cuts when they write to /dev/null."""

    def __init__(self, name, argv, output, env=None, cwd=None, accepted_status=(0,)):
        self.name = name
        self.argv = argv
        self.output = output
        self.accepted_status = accepted_status
        self.env = env
        self.cwd = cwd
        self.wall = []
        self.cpu = []
        self.user = []
        self.peak_kb = None

    def run(self):
        """One run; gives (wall seconds, CPU seconds of the process and the
        children it waited for, the user-space part of that CPU time)."""
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        with open(self.output, "wb") as output:
            result = subprocess.run(self.argv, stdout=output, stderr=subprocess.PIPE, env=self.env, cwd=self.cwd)
        wall = time.perf_counter() - start
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        if result.returncode not in self.accepted_status:
            raise RuntimeError("%s failed (%d): %s" % (self.name, result.returncode,
                                                       result.stderr.decode(errors="replace")))
        user = after.ru_utime - before.ru_utime
        return wall, user + (after.ru_stime - before.ru_stime), user

    def measure_peak_memory(self):
        """Peak resident set size in KB, from one run under /usr/bin/time -v."""
        with open(self.output, "wb") as output:
            result = subprocess.run(["/usr/bin/time", "-v"] + self.argv, stdout=output, stderr=subprocess.PIPE,
                                    env=self.env, cwd=self.cwd)
        found = re.search(rb"Maximum resident set size \(kbytes\): (\d+)", result.stderr)
        self.peak_kb = int(found.group(1)) if found else None

    @property
    def wall_median(self):
        return statistics.median(self.wall)

    @property
    def cpu_median(self):
        return statistics.median(self.cpu)

    @property
    def user_median(self):
        return statistics.median(self.user)


def time_interleaved(commands, rounds, warmups=1, progress=None):
    """Runs every command `warmups` times, then `rounds` rounds of one run of
    each, in a different order each round."""
    for command in commands:
        for _ in range(warmups):
            command.run()
    for round_number in range(rounds):
        order = commands[round_number % len(commands):] + commands[:round_number % len(commands)]
        for command in order:
            wall, cpu, user = command.run()
            command.wall.append(wall)
            command.cpu.append(cpu)
            command.user.append(user)
        if progress:
            progress("round %d/%d done" % (round_number + 1, rounds))
    for command in commands:
        command.measure_peak_memory()


def load_average():
    try:
        return os.getloadavg()[0]
    except OSError:
        return float("nan")
