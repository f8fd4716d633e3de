"""Saving the text as a reference file through the common save dialog."""
import os
import subprocess

from tolvex_e2e import Tolvex, wait_for

# 다, 라, a space, 가
KEYS = ["e", "k", "f", "k", "space", "r", "k"]
SAVE_CASES = [
    ("IdMmSave10", "10進で保存", b"&#45796;&#46972; &#44032;\r\n"),
    ("IdMmSave16", "16進で保存", b"&#xb2e4;&#xb77c; &#xac00;\r\n"),
]


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def save_as(app, command, path):
    """Chooses the save command and types the file name into the dialog."""
    before = {w["hwnd"] for w in app.dialogs()}
    app.command(app.env.id(command))
    dialog = wait_for("the save dialog", lambda: next((w for w in app.dialogs() if w["hwnd"] not in before), None))
    app.focus(dialog["caption"])
    subprocess.run(["xdotool", "key", "ctrl+a"], check=True)
    app.type_text(windows_path(path))
    subprocess.run(["xdotool", "key", "Return"], check=True)
    wait_for("the save dialog to close", lambda: all(w["hwnd"] != dialog["hwnd"] for w in app.dialogs()))


def test_save_both_forms(env):
    with Tolvex(env, CopyMinimize=0) as app:
        app.keys(*KEYS)
        for command, title, content in SAVE_CASES:
            path = os.path.join(app.folder, "memo-" + command)
            save_as(app, command, path)
            box, caption, texts = app.wait_message_box(title)
            assert "保存しました" in texts, texts
            app.answer(box)
            with open(path, "rb") as f:
                assert f.read() == content, command
        # Saving changed nothing: the syllable 가 is still being composed.
        app.keys("s")
        assert app.copy_text() == "다라 간"


def test_save_empty_text_writes_nothing(env):
    with Tolvex(env, CopyMinimize=0) as app:
        path = os.path.join(app.folder, "empty")
        with open(path, "wb") as f:
            f.write(b"old content")
        save_as(app, "IdMmSave10", path)
        box, _, texts = app.wait_message_box("10進で保存")
        assert "保存しました" in texts
        app.answer(box)
        assert os.path.getsize(path) == 0


def test_save_failure_writes_nothing(env):
    # Root may write into any folder, so a read-only folder proves nothing
    # here. A path whose folder is a regular file fails on every system.
    with Tolvex(env, CopyMinimize=0) as app:
        app.keys(*KEYS)
        blocker = os.path.join(app.folder, "notafolder")
        with open(blocker, "wb") as f:
            f.write(b"x")
        target = os.path.join(blocker, "memo.txt")
        save_as(app, "IdMmSave10", target)
        box, _, texts = app.wait_message_box()
        assert any("を作成できません" in t and "memo.txt" in t for t in texts), texts
        assert not any("保存しました" in t for t in texts)
        app.answer(box)
        assert not app.find_dialog(), "a success message followed the error"
        with open(blocker, "rb") as f:
            assert f.read() == b"x"
        leftovers = sorted(set(os.listdir(app.folder)) - set(os.listdir(env.dist_dir)) - {"tolvex.dat", "notafolder"})
        assert not leftovers, "files left behind: %s" % leftovers
