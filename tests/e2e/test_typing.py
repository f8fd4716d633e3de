"""Typing and clicking: the strip shows what the engine composed."""
import os
import subprocess
import tempfile

from tolvex_e2e import Tolvex, ink_mask, mask_difference, read_pbm, wait_for

STRIP = (8, 6, 545, 24)  # left, top, width, height in the client area


def renderer_strip(env, keys):
    """The strip picture tolvex-keys draws for the same keystrokes."""
    keys_exe = os.path.join(env.bin_dir, "tolvex-keys.exe")
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "strip.pbm")
        env.run_windows(keys_exe, "--strip", "Z:" + path.replace("/", "\\"), keys)
        with open(path, "rb") as f:
            return read_pbm(f.read())


def assert_strip_shows(app, keys):
    """The strip's ink on screen equals the renderer's picture for the keys."""
    expected_w, expected_h, expected = renderer_strip(app.env, keys)
    assert (expected_w, expected_h) == STRIP[2:], "renderer strip is %dx%d" % (expected_w, expected_h)
    assert any(any(row) for row in expected), "the renderer drew no ink"
    diff = []

    def strip_drawn():
        # Wine reads the X key events in its own time: wait for the last one.
        diff[:] = mask_difference(ink_mask(*app.grab_client(*STRIP)), expected)
        return not diff
    try:
        wait_for("the strip", strip_drawn, timeout=5, interval=0.3)
    except AssertionError:
        raise AssertionError("strip differs from the renderer for %r in %d pixels, first %s"
                             % (keys, len(diff), diff[:8]))


def test_typed_text_matches_renderer(env):
    with Tolvex(env, Alpha=255, CopyMinimize=0) as app:
        app.keys("g", "k", "s", "r", "m", "f")
        assert_strip_shows(app, "gksrmf")
        assert app.copy_text() == "한글"


def test_buttons_compose_like_keys(env):
    with Tolvex(env, Alpha=255, CopyMinimize=0) as app:
        app.click_control(env.jamo_id(1))   # bbG ㄱ
        app.click_control(env.jamo_id(50))  # bbA ㅏ
        assert app.focused_id() == env.jamo_id(50)
        assert_strip_shows(app, "rk")
        assert app.copy_text() == "가"
        app.click_control(env.id("IdBtClear"))
        app.keys("r", "k")
        assert app.focused_id() == env.jamo_id(50), "the key leaves the focus on its button"
        assert app.copy_text() == "가"


# (keys pressed, text shown); every case starts from a cleared strip.
KEY_CASES = [
    (["shift+e", "k"], "따"),
    (["shift+a", "k"], "마"),          # no second column: Shift changes nothing
    (["ctrl+e", "k"], "다"),           # Ctrl only matters for C and V
    (["ctrl+shift+e", "k"], "따"),
    (["r", "k", "shift+t"], "갔"),
    (["r", "h", "o", "s", "c", "k", "s", "g", "d", "k"], "괜찮아"),
    (["r", "k", "space", "r", "k"], "가 가"),
    (["r", "k", "s", "BackSpace"], "가"),
    (["BackSpace"], ""),
    (["r", "1", "F5", "Left", "comma", "k"], "가"),  # keys outside the table add nothing
]


def test_key_table(env):
    with Tolvex(env, CopyMinimize=0) as app:
        failures = []
        for keys, expected in KEY_CASES:
            app.click_control(env.id("IdBtClear"))
            app.keys(*keys)
            got = app.copy_text()
            if got != expected:
                failures.append("%s gave %r, expected %r" % (" ".join(keys), got, expected))
        assert not failures, "\n".join(failures)


def test_caps_lock_changes_nothing(env):
    with Tolvex(env, CopyMinimize=0) as app:
        app.keys("Caps_Lock")
        try:
            app.keys("r", "k", "shift+r", "k", "e", "k")
            assert app.copy_text() == "가까다"
        finally:
            app.keys("Caps_Lock")


def test_keys_move_the_focus(env):
    ids = env.ids
    cases = [("r", env.jamo_id(1)), ("shift+r", env.jamo_id(2)), ("BackSpace", ids["IdBtBack"]),
             ("space", ids["IdBtSpace"]), ("ctrl+c", ids["IdBtCopy"]), ("ctrl+v", ids["IdBtPaste"]),
             ("k", env.jamo_id(50))]
    with Tolvex(env, CopyMinimize=0) as app:
        for key, control in cases:
            app.keys(key)
            wait_for("the focus on %d after %s" % (control, key), lambda: app.focused_id() == control, timeout=5)


def test_tab_order(env):
    ids = env.ids
    jamo_tags = [1, 3, 4, 6, 7, 8, 10, 12, 13, 15, 16, 17, 18, 19, 2, 5, 9, 11, 14,
                 50, 52, 54, 56, 58, 62, 63, 67, 68, 70, 51, 53, 55, 57, 59, 60, 61, 64, 65, 66, 69]
    order = [env.jamo_id(t) for t in jamo_tags] + [ids[n] for n in
                                                   ("IdBtBack", "IdBtClear", "IdBtCopy", "IdBtPaste", "IdBtClose", "IdBtSpace")]
    with Tolvex(env, CopyMinimize=0) as app:
        app.keys("r")  # the focus on bbG, the first in tab order
        seen = [app.focused_id()]
        for _ in order[1:]:
            app.keys("Tab")
            seen.append(app.focused_id())
        assert seen == order
