"""Drives tolvex.exe under Wine on an X display, as a user would.

Each test gets a fresh copy of the dist folder (so tolvex.dat is its own),
starts the program there, sends keys and clicks with xdotool and reads the
results back through tolvex-probe (a Windows console tool running in the same
Wine prefix) and through screenshots.

    def test_something(env):           # in tests/e2e/test_AREA.py
        with Tolvex(env, CopyPattern=0, CopyMinimize=0) as app:
            app.keys("g", "k")
            assert app.copy_text() == "가"

Every test_*(env) function in a test_*.py file is a ctest test named
e2e.AREA.NAME (tests/e2e/CMakeLists.txt). Run one with
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build/windows -R e2e.typing
Set TOLVEX_E2E_KEEP=1 to keep the folder of a failed run.
"""
import os
import re
import shutil
import struct
import subprocess
import tempfile
import time

SKIP = 77
MAIN_CAPTION = "ソランキーボード"
FIRST_RUN_TITLE = "ツールバー登録"
DIALOG_CLASS = "#32770"
IDYES, IDNO = 6, 7

SETTING_FIELDS = ("Version", "CopyPattern", "CopyClear", "PastePattern",
                  "PasteClear", "KeyLayout", "Alpha", "CopyMinimize")
# What the program itself settles on at a first run.
DEFAULT_SETTINGS = dict(Version=2, CopyPattern=0, CopyClear=0, PastePattern=0,
                        PasteClear=0, KeyLayout=0, Alpha=200, CopyMinimize=1)
# Registry keys the program writes; cleared before every start.
PROGRAM_KEYS = (
    r"Software\Microsoft\Internet Explorer\Extensions\{5e8a2c47-93b1-4d06-8f2e-61c7a0d4b93e}",
    r"Software\mabeku\tolvex",
)


class Skip(Exception):
    """Raised when the machine cannot run the end-to-end tests at all."""


class ProbeError(AssertionError):
    pass


class EndedEarly(AssertionError):
    pass


def settings_bytes(**fields):
    unknown = set(fields) - set(SETTING_FIELDS)
    if unknown:
        raise ValueError("unknown settings fields: %s" % sorted(unknown))
    values = dict(DEFAULT_SETTINGS, **fields)
    return struct.pack("<I7i", *(values[f] & 0xFFFFFFFF if f == "Version" else values[f]
                                 for f in SETTING_FIELDS))


def parse_settings(data):
    if len(data) != 32:
        raise AssertionError("settings file holds %d bytes, not 32" % len(data))
    return dict(zip(SETTING_FIELDS, struct.unpack("<I7i", data)))


def wait_for(what, poll, timeout=10.0, interval=0.1):
    """Calls poll until it returns something other than None/False."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            result = poll()
            if result is not None and result is not False:
                return result
        except ProbeError as e:
            last_error = e
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for %s%s" %
                                 (what, " (last error: %s)" % last_error if last_error else ""))
        time.sleep(interval)


def unescape(text):
    table = {"\\\\": "\\", "\\t": "\t", "\\r": "\r", "\\n": "\n"}
    return re.sub(r"\\[\\trn]", lambda m: table[m.group(0)], text)


class Env:
    """Where the build put things, found relative to the build folder."""

    def __init__(self, build_dir, source_dir, emulator):
        self.build_dir = os.path.abspath(build_dir)
        self.source_dir = os.path.abspath(source_dir)
        parts = [p for p in emulator.split(";") if p]
        if len(parts) < 2:
            raise Skip("no Wine emulator configured for this build")
        self.wine_run, self.prefix = parts[0], parts[1]
        self.dist_dir = os.path.join(self.build_dir, "dist")
        self.bin_dir = os.path.join(self.build_dir, "bin")
        self.probe_exe = os.path.join(self.bin_dir, "tolvex-probe.exe")
        self.ids = read_command_ids(os.path.join(self.source_dir, "shell", "Commands.h"))

    def check_machine(self):
        if not os.environ.get("DISPLAY"):
            raise Skip("no X display (run under xvfb-run)")
        for tool in ("xdotool", "import", "wine"):
            if not shutil.which(tool):
                raise Skip("%s is not installed (scripts/install-deps.sh)" % tool)
        for path in (os.path.join(self.dist_dir, "tolvex.exe"), self.probe_exe):
            if not os.path.isfile(path):
                raise AssertionError("%s is missing: build the windows preset first" % path)

    def prepare_prefix(self):
        """Prefixes made before cmake/wine-20-e2e.reg existed lack its settings."""
        marker = os.path.join(self.prefix, ".tolvex-e2e-reg")
        if os.path.exists(marker):
            return
        reg = os.path.join(self.source_dir, "cmake", "wine-20-e2e.reg")
        subprocess.run(self.wine_command("regedit", "/S", "Z:" + reg.replace("/", "\\")), env=self.wine_env(),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300, check=True)
        open(marker, "w").close()

    def wine_command(self, exe, *args):
        return [self.wine_run, self.prefix, exe, *args]

    def wine_env(self):
        env = dict(os.environ)
        # Arguments and console output cross into Wine as UTF-8.
        if "UTF-8" not in env.get("LANG", "").upper():
            env["LANG"] = "C.UTF-8"
        env.pop("LC_ALL", None)
        return env

    def run_windows(self, exe, *args, timeout=60):
        """Runs a Windows console program to its end; returns its stdout bytes."""
        done = subprocess.run(self.wine_command(exe, *args), env=self.wine_env(),
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout)
        if done.returncode != 0:
            raise AssertionError("%s %s failed (%d): %s" % (os.path.basename(exe), " ".join(args),
                                                            done.returncode, done.stderr.decode(errors="replace")))
        return done.stdout

    def id(self, name):
        """A control or command ID by its name in shell/Commands.h (IdBtCopy)."""
        return self.ids[name]

    def jamo_id(self, tag):
        return self.ids["IdJamoBase"] + tag


def read_command_ids(header):
    ids = {}
    if os.path.isfile(header):
        with open(header, encoding="utf-8") as f:
            for name, value in re.findall(r"\b(Id\w+)\s*=\s*(\d+)", f.read()):
                ids[name] = int(value)
    return ids


class Probe:
    """A tolvex-probe process answering one command per line."""

    def __init__(self, env):
        self.env = env
        self.process = subprocess.Popen(env.wine_command(env.probe_exe, "repl"), env=env.wine_env(),
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL)

    def __call__(self, *args):
        """Runs a command and returns its lines; raises ProbeError on ERR."""
        line = "\t".join(str(a) for a in args) + "\n"
        self.process.stdin.write(line.encode("utf-8"))
        self.process.stdin.flush()
        lines = []
        while True:
            raw = self.process.stdout.readline()
            if not raw:
                raise ProbeError("tolvex-probe ended while answering %r" % (args,))
            text = raw.decode("utf-8", errors="replace").rstrip("\r\n")
            if text == "OK":
                return lines
            if text.startswith("ERR"):
                raise ProbeError("%s: %s" % (" ".join(str(a) for a in args), text[4:]))
            lines.append(text)

    def get(self, *args):
        """Like calling the probe, but None instead of an error."""
        try:
            return self(*args)
        except ProbeError:
            return None

    def close(self):
        if self.process.poll() is None:
            try:
                self.process.stdin.write(b"quit\n")
                self.process.stdin.close()
                self.process.wait(timeout=10)
            except (OSError, subprocess.TimeoutExpired):
                self.process.kill()
                self.process.wait()

    # --- clipboard ---
    def clipboard_formats(self):
        return [int(line.split()[0]) for line in self("clip-formats")]

    def clipboard_bytes(self, fmt="text"):
        """CF_TEXT ("text") or CF_UNICODETEXT ("unicode") without its zero; None if absent."""
        lines = self.get("clip-" + fmt)
        return None if lines is None else bytes.fromhex(lines[0] if lines else "")

    def set_clipboard(self, text=None, unicode=None):
        """Empties the clipboard and sets CF_TEXT bytes and/or a CF_UNICODETEXT string."""
        args = []
        if text is not None:
            args += ["text", bytes(text).hex()]
        if unicode is not None:
            args += ["unicode", unicode.encode("utf-16-le").hex()]
        self("clip-set", *args)

    # --- windows ---
    def windows(self):
        result = []
        for line in self("windows"):
            hwnd, pid, visible, cls, caption = (line.split("\t") + [""] * 5)[:5]
            result.append(dict(hwnd=hwnd, pid=int(pid), visible=visible == "1",
                               cls=unescape(cls), caption=unescape(caption)))
        return result

    def info(self, window):
        info = {}
        for line in self("info", window):
            key, _, value = line.partition(" ")
            info[key] = unescape(value)
        return info

    def children(self, window):
        result = []
        for line in self("children", window):
            row = dict(field.split("=", 1) for field in line.split("\t"))
            row["id"] = int(row["id"])
            row["text"] = unescape(row["text"])
            row["rect"] = tuple(int(v) for v in row["rect"].split(","))
            result.append(row)
        return result

    def control(self, window, control_id):
        for row in self.children(window):
            if row["id"] == control_id:
                return row
        raise ProbeError("no control %d in %s" % (control_id, window))


class Tolvex:
    """One run of tolvex.exe in a folder of its own.

    Settings fields given as keywords are written to tolvex.dat before the
    start (the program's first-run defaults fill the others); settings=None
    starts without a settings file, which is a first run; dat_bytes gives the
    file's exact bytes.  first_run_answer is the button pressed in the
    first-run question box when it appears; without names dist files to
    leave out (e.g. "euc2uni.dll").
    """

    def __init__(self, env, settings=(), first_run_answer=IDNO, dat_bytes=None, without=(), **fields):
        self.env = env
        self.folder = tempfile.mkdtemp(prefix="tolvex-e2e-")
        shutil.copytree(env.dist_dir, self.folder, dirs_exist_ok=True)
        for name in without:  # files of the dist folder this run must do without
            os.remove(os.path.join(self.folder, name))
        self.dat_path = os.path.join(self.folder, "tolvex.dat")
        if dat_bytes is not None:
            write_file(self.dat_path, dat_bytes)
        elif settings is not None:
            write_file(self.dat_path, settings_bytes(**dict(settings or {}, **fields)))
        self.first_run_answer = first_run_answer
        self.first_run_asked = False
        self.process = None
        self.probe = None
        self.hwnd = None
        self.xid = None

    # --- lifecycle ---
    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, exc_type, exc, tb):
        self.kill()
        if self.probe:
            self.probe.close()
        if exc_type is None or not os.environ.get("TOLVEX_E2E_KEEP"):
            shutil.rmtree(self.folder, ignore_errors=True)
        else:
            print("kept the test folder %s" % self.folder)
        return False

    def start(self):
        self.env.check_machine()
        self.env.prepare_prefix()
        self.probe = Probe(self.env)
        self.wait_no_main_window()
        for key in PROGRAM_KEYS:
            self.probe("reg-delete", key)
        self.probe("clip-set")
        for attempt in (1, 2):
            self.process = subprocess.Popen(self.env.wine_command(os.path.join(self.folder, "tolvex.exe")),
                                            cwd=self.folder, env=self.env.wine_env(),
                                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                self.hwnd = wait_for("the main window", self._main_window_shown, timeout=60, interval=0.2)
                break
            except EndedEarly:
                # Wine itself may fail a start while a wineserver shuts down;
                # a program that ends again has really failed.
                if attempt == 2:
                    raise
        self.xid = wait_for("the X window of the main window", self._find_xid, timeout=10)
        self.focus()

    def wait_no_main_window(self):
        """A window left over from an earlier test would be mistaken for ours."""
        wait_for("earlier keyboards to close", lambda: not self.main_windows(), timeout=15)

    def main_windows(self):
        return [w for w in self.probe.windows() if w["caption"] == MAIN_CAPTION and w["cls"] != DIALOG_CLASS
                and w["visible"]]

    def _main_window_shown(self):
        if self.process.poll() is not None:
            raise EndedEarly("tolvex.exe ended during start-up (exit code %s)" % self.process.returncode)
        box = self.find_dialog(FIRST_RUN_TITLE)
        if box:
            self.first_run_asked = True
            self.probe("click", box, self.first_run_answer)
            return None
        windows = self.main_windows()
        return windows[0]["hwnd"] if windows else None

    def _find_xid(self):
        return find_xid(MAIN_CAPTION)

    def close(self, timeout=20):
        """Closes the main window as its close box would and waits for the end."""
        self.probe("close", self.hwnd)
        return self.wait_exit(timeout)

    def wait_exit(self, timeout=20):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("tolvex.exe did not end within %d s" % timeout)

    def kill(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def running(self):
        return self.process.poll() is None

    # --- input ---
    def focus(self, caption=None):
        """Gives the X focus to the main window or to another window of ours."""
        xid = self.xid if caption is None else wait_for("the X window %r" % caption, lambda: find_xid(caption))
        subprocess.run(["xdotool", "windowfocus", "--sync", xid], check=True, timeout=10)

    def keys(self, *keys, delay_ms=30, caption=None):
        """Presses xdotool key names ("g", "shift+e", "ctrl+c", "BackSpace")
        in the main window, or in the window with the given caption."""
        self.focus(caption)
        subprocess.run(["xdotool", "key", "--delay", str(delay_ms), *keys], check=True, timeout=30)
        self.settle()

    def type_text(self, text):
        subprocess.run(["xdotool", "type", "--delay", "30", text], check=True, timeout=30)

    def click_at(self, x, y):
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.1", "click", "1"], check=True, timeout=10)
        self.settle()

    def click_control(self, control_id, window=None):
        """Clicks the middle of a control as the mouse would."""
        left, top, right, bottom = self.probe.control(window or self.hwnd, control_id)["rect"]
        self.click_at((left + right) // 2, (top + bottom) // 2)

    def command(self, command_id):
        """Chooses a menu item (posts its WM_COMMAND)."""
        self.probe("command", self.hwnd, command_id)

    def settle(self):
        """Waits until the program has handled what was sent so far."""
        # A cross-process WM_GETTEXT is answered only once the window's thread
        # has worked through the input queued before it.
        self.probe.get("info", self.hwnd)
        time.sleep(0.15)

    # --- reading back ---
    def info(self, window=None):
        return self.probe.info(window or self.hwnd)

    def focused_id(self):
        return int(self.probe("focus", self.hwnd)[0].split()[0])

    def status_text(self):
        return unescape(self.probe("status", self.hwnd)[0])

    def dialogs(self):
        return [w for w in self.probe.windows() if w["cls"] == DIALOG_CLASS and w["visible"]]

    def find_dialog(self, caption=None):
        for w in self.dialogs():
            if caption is None or w["caption"] == caption:
                return w["hwnd"]
        return None

    def wait_dialog(self, caption=None, timeout=10):
        return wait_for("a dialog %r" % (caption or ""), lambda: self.find_dialog(caption), timeout=timeout)

    def wait_window(self, caption, timeout=10):
        """A visible top-level window (a form of the program) by its caption."""
        def find():
            for w in self.probe.windows():
                if w["caption"] == caption and w["visible"]:
                    return w["hwnd"]
            return None
        return wait_for("the window %r" % caption, find, timeout=timeout)

    def dialog_texts(self, hwnd):
        return [c["text"] for c in self.probe.children(hwnd) if c["text"]]

    def wait_message_box(self, caption=None, timeout=10):
        """Waits for a message box; returns (hwnd, caption, texts)."""
        hwnd = self.wait_dialog(caption, timeout)
        return hwnd, self.info(hwnd)["caption"], self.dialog_texts(hwnd)

    def answer(self, hwnd, button_id=1):
        self.probe("click", hwnd, button_id)
        wait_for("the box to close", lambda: not any(w["hwnd"] == hwnd for w in self.dialogs()))

    def copy_text(self):
        """Presses Ctrl+C and returns the CF_UNICODETEXT it left (copy pattern 0)."""
        self.probe("clip-set")
        self.keys("ctrl+c")
        data = wait_for("CF_UNICODETEXT after Ctrl+C", lambda: self.probe.clipboard_bytes("unicode"), timeout=5)
        return data.decode("utf-16-le")

    def settings(self):
        with open(self.dat_path, "rb") as f:
            return parse_settings(f.read())

    # --- pixels ---
    def client_origin(self):
        x, y = self.info()["client-origin"].split()
        return int(x), int(y)

    def grab(self, left, top, width, height):
        """Screen pixels of a rectangle as (width, height, RGB bytes)."""
        done = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, left, top),
                               "-depth", "8", "ppm:-"], stdout=subprocess.PIPE, check=True, timeout=30)
        return read_ppm(done.stdout)

    def grab_client(self, left, top, width, height):
        x, y = self.client_origin()
        return self.grab(x + left, y + top, width, height)

    def screenshot(self, path, window=None):
        """Saves the whole window (frame included) as a PNG."""
        l, t, r, b = (int(v) for v in self.info(window)["window-rect"].split(","))
        subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (r - l, b - t, l, t), "+repage", path],
                       check=True, timeout=30)


def find_xid(caption):
    """The X window Wine made for a visible window with this caption."""
    done = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(caption)],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    ids = done.stdout.split()
    return ids[-1].decode() if ids else None


def write_file(path, data):
    with open(path, "wb") as f:
        f.write(data)


def read_ppm(data):
    """Parses a binary PPM (P6, maxval 255)."""
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise AssertionError("not an 8-bit PPM")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:pos + 1 + width * height * 3]
    return width, height, pixels


def read_pbm(data):
    """Parses a PBM (P1 or P4) into (width, height, rows of 0/1, 1 = ink)."""
    tokens = re.sub(rb"#[^\n]*", b"", data[:64]).split()
    magic, width, height = tokens[0], int(tokens[1]), int(tokens[2])
    if magic == b"P4":
        header_end = 0
        for _ in range(3):  # magic, width, height, each followed by whitespace
            while data[header_end:header_end + 1].isspace():
                header_end += 1
            while not data[header_end:header_end + 1].isspace():
                header_end += 1
        body = data[header_end + 1:]
        stride = (width + 7) // 8
        return width, height, [[(body[y * stride + x // 8] >> (7 - x % 8)) & 1 for x in range(width)]
                               for y in range(height)]
    if magic == b"P1":
        bits = [int(c) for c in re.sub(rb"#[^\n]*", b"", data).split(None, 3)[3].decode() if c in "01"]
        return width, height, [bits[y * width:(y + 1) * width] for y in range(height)]
    raise AssertionError("not a PBM: %r" % magic)


def ink_mask(width, height, pixels, threshold=96):
    """Dark pixels of a grab as rows of 0/1."""
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            r, g, b = pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]
            row.append(1 if r + g + b < threshold * 3 else 0)
        rows.append(row)
    return rows


def mask_difference(a, b):
    """The differing pixels of two equal-sized masks, as (x, y) pairs."""
    return [(x, y) for y, (ra, rb) in enumerate(zip(a, b)) for x, (pa, pb) in enumerate(zip(ra, rb)) if pa != pb]
