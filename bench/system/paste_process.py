#!/usr/bin/env python3
"""Whole-process cost of big pastes: tolvex.exe under Wine, one fresh process
per case, the time from Ctrl+V until the window answers again and the
process's memory before and after (Wine's own share included).

    xvfb-run -a python3 bench/system/paste_process.py [BUILD_DIR]   (default build/windows)
"""
import os
import sys
import time

here = os.path.dirname(os.path.abspath(__file__))
source = os.path.normpath(os.path.join(here, "..", ".."))
sys.path.insert(0, os.path.join(source, "tests", "e2e"))
sys.dont_write_bytecode = True
from tolvex_e2e import Env, Tolvex  # noqa: E402

MB = 1024 * 1024
# (label, paste pattern, clipboard setter, bytes per character)
CASES = [
    ("decimal refs", 2, lambda n: dict(text=b"&#44032;" * (n // 8))),
    ("hex refs", 3, lambda n: dict(text=b"&#xac00;" * (n // 8))),
    ("EUC-KR", 1, lambda n: dict(text=b"\xb0\xa1" * (n // 2))),
    ("UTF-16", 0, lambda n: dict(unicode="가" * (n // 2))),
]


def status_kb(pid, field):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return 0


def measure(env, pattern, clip):
    with Tolvex(env, PastePattern=pattern, CopyMinimize=0) as app:
        app.settle()
        before = status_kb(app.process.pid, "VmRSS")
        app.probe.set_clipboard(**clip)
        started = time.monotonic()
        app.keys("ctrl+v")
        answered = time.monotonic() - started
        # Keys are handled in order: the copy ends only after the paste did.
        app.copy_text()
        both = time.monotonic() - started
        return answered, both, before / 1024, status_kb(app.process.pid, "VmHWM") / 1024


def main(argv):
    build = os.path.abspath(argv[1] if len(argv) > 1 else os.path.join(source, "build", "windows"))
    emulator = "%s;%s" % (os.path.join(source, "cmake", "wine-run.sh"), os.path.join(build, "wineprefix"))
    env = Env(build, source, emulator)
    env.check_machine()
    print("%-14s %7s %10s %14s %9s %9s" % ("clipboard", "size", "answer s", "paste+copy s", "idle MB", "peak MB"))
    for label, pattern, make in CASES:
        for size in (1 * MB, 5 * MB):
            answered, both, idle, peak = measure(env, pattern, make(size))
            print("%-14s %4d MB %10.2f %14.2f %9.1f %9.1f" % (label, size // MB, answered, both, idle, peak))
            sys.stdout.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
