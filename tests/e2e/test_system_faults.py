"""Damaged or unusable files beside the exe, a huge paste, two instances:
the program must go on working (or end cleanly), never crash."""
import os
import struct
import subprocess
import time

from system_e2e import Run
from tolvex_e2e import Tolvex, settings_bytes, wait_for

HELD = "held by another program"
# (name, files beside the exe: bytes, None for a folder of that name, or HELD)
DAMAGED_FILES = [
    ("empty table", {"euc2uni.dll": b""}),
    ("table shorter than its count", {"euc2uni.dll": b"\x05\x00"}),
    ("table with a huge count and no records", {"euc2uni.dll": struct.pack("<i", 0x7FFFFFFF)}),
    ("table with a huge count and two records",
     {"euc2uni.dll": struct.pack("<iHHHH", 0x7FFFFFFF, 0xB0A1, 0xAC00, 0xB0A2, 0xAC01)}),
    ("table with a negative count", {"euc2uni.dll": struct.pack("<i", -5) + b"\x00" * 40}),
    ("table that is a folder", {"euc2uni.dll": None}),
    ("table held by another program", {"euc2uni.dll": HELD}),
    ("empty settings", {"tolvex.dat": b""}),
    ("7-byte settings", {"tolvex.dat": settings_bytes()[:7]}),
    ("40-byte settings", {"tolvex.dat": settings_bytes() + b"\xff" * 8}),
    ("huge Alpha", {"tolvex.dat": settings_bytes(Alpha=0x7FFFFFFF)}),
    ("negative Alpha", {"tolvex.dat": settings_bytes(Alpha=-1)}),
]


def rss_kb(pid, field="VmHWM"):
    """Memory of the process hosting tolvex.exe (Wine's own share included)."""
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    raise AssertionError("no %s for %d" % (field, pid))


def test_damaged_files_beside_the_exe(env):
    failures = []
    for name, files in DAMAGED_FILES:
        held = [f for f, data in files.items() if data is HELD]
        holders = []

        def hold(run):
            holders.extend(hold_file(env, run.windows_path(f), 60000) for f in held)
        try:
            # The EUC-KR copy is what a damaged table would upset.
            with Run(env, files={f: d for f, d in files.items() if d is not HELD},
                     before_launch=hold, CopyPattern=1, CopyMinimize=0) as app:
                app.keys("g", "k")
                app.probe("clip-set")
                app.keys("ctrl+c")
                try:
                    wait_for("the copy", lambda: app.probe.clipboard_formats(), timeout=5)
                except AssertionError as e:
                    failures.append("%s: %s" % (name, e))
                code = app.close_answering()
                if code != 0:
                    failures.append("%s: exit code %s, boxes %r" % (name, code, app.boxes))
        finally:
            for holder in holders:
                holder.kill()
                holder.wait()
    assert not failures, "\n".join(failures)


def hold_file(env, path, ms):
    """Keeps a file open without sharing, as another program might."""
    holder = subprocess.Popen(env.wine_command(env.probe_exe, "hold-file", path, str(ms)),
                              env=env.wine_env(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    assert holder.stdout.readline().strip() == b"held"
    return holder


def test_settings_file_held_by_another_program(env):
    """Unreadable at start and unwritable at exit: a box each time, no crash."""
    holders = []
    try:
        with Run(env, settings={"Alpha": 150},
                 before_launch=lambda run: holders.append(
                     hold_file(env, run.windows_path("tolvex.dat"), 60000))) as app:
            assert app.boxes, "the unreadable settings file was not reported"
            boxes_at_start = len(app.boxes)
            assert app.close_answering() == 0
            assert len(app.boxes) > boxes_at_start, "the failed save was not reported"
    finally:
        for holder in holders:
            holder.kill()
            holder.wait()


def test_large_paste_stays_fast_and_small(env):
    reference = b"&#44032;"  # 가
    count = 5 * 1024 * 1024 // len(reference)
    with Tolvex(env, PastePattern=2, CopyMinimize=0) as app:
        app.probe.set_clipboard(text=reference * count)
        # Keys are handled in order, so the copy's clipboard appears only
        # after the paste has finished: paste plus copy bounds the paste.
        started = time.monotonic()
        app.keys("ctrl+v")
        text = app.copy_text()
        elapsed = time.monotonic() - started
        peak_mb = rss_kb(app.process.pid) / 1024
        print("5 MB paste and copy: %.2f s, peak memory %.1f MB" % (elapsed, peak_mb))
        assert len(text) == count and set(text) == {"가"}, (len(text), text[-3:])
        assert elapsed < 2.0, "the paste took %.2f s" % elapsed
        assert peak_mb < 100, "peak memory %.1f MB" % peak_mb
        # Still usable: typing goes on at the end of the pasted text.
        app.keys("r", "k")
        assert app.copy_text() == "가" * (count + 1)


def press(app, *tags):
    for tag in tags:
        app.probe("click", app.hwnd, app.env.jamo_id(tag))
    app.settle()


def copied(app):
    app.probe("clip-set")
    app.probe("click", app.hwnd, app.env.id("IdBtCopy"))
    app.settle()
    data = wait_for("the copy", lambda: app.probe.clipboard_bytes("unicode"), timeout=5)
    return data.decode("utf-16-le")


def test_two_instances_work_independently(env):
    with Tolvex(env, CopyMinimize=0) as first:
        second = Tolvex(env, CopyMinimize=0)
        second.probe = first.probe
        try:
            second.process = subprocess.Popen(env.wine_command(os.path.join(second.folder, "tolvex.exe")),
                                              cwd=second.folder, env=env.wine_env(),
                                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            second.hwnd = wait_for("a second window", lambda: next(
                (w["hwnd"] for w in first.main_windows() if w["hwnd"] != first.hwnd), None), timeout=60)
            # Buttons pressed by message, so neither window needs the focus.
            press(first, 19, 50)       # ㅎ ㅏ
            press(second, 1, 50, 3)    # ㄱ ㅏ ㄴ
            assert copied(second) == "간"
            assert copied(first) == "하"
            assert first.close() == 0
            assert second.running()
            assert second.close() == 0
            for app in (first, second):
                with open(app.dat_path, "rb") as f:
                    assert len(f.read()) == 32
        finally:
            second.probe = None
            second.__exit__(None, None, None)
