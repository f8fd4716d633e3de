"""Starts of tolvex.exe for the system tests: the registry prepared (or
locked) before the start, files beside the exe replaced, and every message
box that appears during start-up and shut-down recorded and answered."""
import os
import shutil
import subprocess
import time

from tolvex_e2e import (IDNO, IDYES, PROGRAM_KEYS, Probe, ProbeError, Tolvex, find_xid, unescape,
                        wait_for)

IDOK = 1
EXTENSION_KEY = PROGRAM_KEYS[0]
INSTALL_KEY = PROGRAM_KEYS[1]


class Box:
    def __init__(self, title, texts, main_shown):
        self.title, self.texts, self.main_shown = title, texts, main_shown

    @property
    def text(self):
        """The message itself: the box's texts without its buttons."""
        return "\n".join(t for t in self.texts if t not in ("OK", "&Yes", "&No", "はい(&Y)", "いいえ(&N)"))

    def __repr__(self):
        return "Box(%r, %r)" % (self.title, self.text)


class Run(Tolvex):
    """One run with control over what precedes the main window.

    registry: (key, value, data) written before the start; locked: keys that
    everyone may only read during the run; files: names beside the exe with
    bytes to write, or None to make a folder of that name (unreadable as a
    file). before_launch(run) runs just before the start. answer(box) gives the button for each box; by default "No" to
    the toolbar question and OK to everything else.
    """

    def __init__(self, env, registry=(), locked=(), files=None, answer=None, before_launch=None,
                 **kwargs):
        super().__init__(env, **kwargs)
        self.before_launch = before_launch
        self.registry = registry
        self.locked = locked
        self.answer_box = answer or (lambda box: IDNO if box.title == "ツールバー登録" else IDOK)
        self.boxes = []
        for name, data in (files or {}).items():
            path = os.path.join(self.folder, name)
            if os.path.isdir(path):
                shutil.rmtree(path)
            elif os.path.exists(path):
                os.remove(path)
            if data is None:
                os.mkdir(path)
            else:
                with open(path, "wb") as f:
                    f.write(data)

    def start(self):
        self.env.check_machine()
        self.probe = Probe(self.env)
        self.wait_no_main_window()
        reset_registry(self.probe)
        for key, value, data in self.registry:
            self.probe("reg-set", key, value, data)
        for key in self.locked:
            self.probe("reg-lock", key)
        if self.before_launch:
            self.before_launch(self)
        self.launch()
        self.hwnd = wait_for("the main window", self._poll_start, timeout=60, interval=0.2)
        self.xid = wait_for("the X window of the main window", self._find_xid, timeout=10)
        self.focus()

    def launch(self):
        self.process = subprocess.Popen(self.env.wine_command(self.exe), cwd=self.folder,
                                        env=self.env.wine_env(), stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    @property
    def exe(self):
        return os.path.join(self.folder, "tolvex.exe")

    def __exit__(self, exc_type, exc, tb):
        if self.probe:
            for key in self.locked:
                self.probe.get("reg-unlock", key)
            reset_registry(self.probe)
        return super().__exit__(exc_type, exc, tb)

    def _poll_start(self):
        if self.process.poll() is not None:
            raise AssertionError("tolvex.exe ended during start-up (exit code %s), boxes %r"
                                 % (self.process.returncode, self.boxes))
        if self.answer_boxes():
            return None
        windows = self.main_windows()
        return windows[0]["hwnd"] if windows else None

    def answer_boxes(self):
        """Records and answers the boxes on screen; True if there was one."""
        shown = self.dialogs()
        for w in shown:
            try:
                texts = [c["text"] for c in self.probe.children(w["hwnd"]) if c["text"]]
            except ProbeError:
                continue  # closed meanwhile
            box = Box(w["caption"], texts, bool(self.main_windows()))
            self.boxes.append(box)
            self.probe.get("click", w["hwnd"], self.answer_box(box))
            wait_for("the box to close", lambda: not any(d["hwnd"] == w["hwnd"] for d in self.dialogs()))
        return bool(shown)

    def command_box(self, command_name):
        """Chooses a menu item and returns the one box it shows, answered."""
        before = len(self.boxes)
        self.command(self.env.id(command_name))
        wait_for("a box after %s" % command_name, self.answer_boxes)
        assert len(self.boxes) == before + 1, self.boxes[before:]
        return self.boxes[-1]

    def tools_menu_picture(self):
        """The opened Tools menu as pixels. Another process cannot read a
        menu's captions under Wine, but it can see them: two pictures are
        equal exactly when the two items carry the same captions."""
        # The pointer stays off the menu, so that no item is lit by it.
        subprocess.run(["xdotool", "mousemove", "0", "0"], check=True, timeout=10)
        self.keys("alt+t")
        popup = wait_for("the Tools menu", lambda: next(
            (w["hwnd"] for w in self.probe.windows() if w["cls"] == "#32768" and w["visible"]), None))
        time.sleep(0.3)  # let it paint
        left, top, right, bottom = (int(v) for v in self.info(popup)["window-rect"].split(","))
        picture = self.grab(left, top, right - left, bottom - top)
        self.keys("Escape", "Escape")
        wait_for("the menu to close", lambda: not any(
            w["cls"] == "#32768" and w["visible"] for w in self.probe.windows()))
        return picture

    def close_answering(self, timeout=30):
        """Closes the window, answering boxes shown on the way; the exit code."""
        self.probe("close", self.hwnd)

        def ended():
            self.answer_boxes()
            return self.process.poll() is not None
        wait_for("tolvex.exe to end", ended, timeout=timeout, interval=0.2)
        return self.process.returncode

    # --- the registry as the program left it ---
    def reg(self, key, value):
        lines = self.probe.get("reg-get", key, value)
        if lines is None:
            return None
        kind, _, data = lines[0].partition(" ")
        assert kind == "REG_SZ", lines
        return unescape(data)

    def key_exists(self, key):
        try:
            self.probe("reg-get", key, "")
        except AssertionError as e:
            return "no key" not in str(e)
        return True

    def windows_path(self, name=""):
        """How Wine names a file of the run's folder (drive Z: is the root)."""
        return "Z:" + os.path.join(self.folder, name).replace("/", "\\")


def reset_registry(probe):
    for key in PROGRAM_KEYS:
        probe.get("reg-unlock", key)
        probe("reg-delete", key)


__all__ = ["Box", "Run", "IDOK", "IDYES", "IDNO", "EXTENSION_KEY", "INSTALL_KEY",
           "find_xid", "reset_registry"]
