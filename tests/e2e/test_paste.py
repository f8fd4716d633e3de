"""Ctrl+V commits the syllable being composed, then appends the decoded text.

The text is read back with copy pattern 2 (decimal references), which shows
every entry in full, zeros and values beyond 16 bits included.
"""
import subprocess

from tolvex_e2e import Tolvex, wait_for

GA, NIEUN = 0xAC00, 0x1102  # 가 composed before the paste, ㄴ typed after it

# PastePattern, clipboard (CF_TEXT bytes or CF_UNICODETEXT string), pasted entries
PASTE_CASES = [
    (0, dict(unicode="X다\r\n"), [0x58, 0xB2E4, 13, 10]),
    (1, dict(text=bytes.fromhex("b4d92020b6f3")), [0xB2E4, 32, 32, 0xB77C]),
    (1, dict(text=bytes.fromhex("b4d941")), [0xB2E4, 0x41]),  # ASCII stays one character
    (2, dict(text=b"&#45796; &#xb77c;"), [45796, 32, 46972]),
    (3, dict(text=b"abc &#45796;def&#X B;&#70000;&#-16;"), [45796, 0, 70000, -16]),
]


def references(codes):
    return "".join(" " if c == 32 else "&#%d;" % c for c in codes).encode()


def text_as_references(app):
    app.probe("clip-set")
    app.keys("ctrl+c")
    return wait_for("CF_TEXT after Ctrl+C", lambda: app.probe.clipboard_bytes("text"), timeout=5)


def test_paste_patterns(env):
    failures = []
    for pattern, clipboard, pasted in PASTE_CASES:
        with Tolvex(env, CopyPattern=2, PastePattern=pattern, CopyMinimize=0) as app:
            app.keys("r", "k")
            app.probe.set_clipboard(**clipboard)
            app.keys("ctrl+v", "s")  # ㄴ must start anew after the pasted text
            got = text_as_references(app)
            expected = references([GA] + pasted + [NIEUN])
            if got != expected:
                failures.append("pattern %d %r gave %r, expected %r" % (pattern, clipboard, got, expected))
    assert not failures, "\n".join(failures)


# PastePattern, PasteClear, pasted entries; 가 is being composed before the
# paste and ㄴ is typed after it. An unknown pattern pastes and commits
# nothing (ㄴ still joins 가 into 간), though the clear still applies.
CLEAR_CASES = [
    (0, 1, [0xB2E4, NIEUN]),
    (9, 1, [NIEUN]),
    (9, 0, [0xAC04]),
]


def test_paste_clear_and_unknown_pattern(env):
    failures = []
    for pattern, clear, expected in CLEAR_CASES:
        with Tolvex(env, CopyPattern=2, PastePattern=pattern, PasteClear=clear, CopyMinimize=0) as app:
            app.keys("r", "k")
            app.probe.set_clipboard(unicode="다")
            app.keys("ctrl+v", "s")
            got = text_as_references(app)
            if got != references(expected):
                failures.append("pattern %d clear %d gave %r" % (pattern, clear, got))
    assert not failures, "\n".join(failures)


def test_clipboard_held_by_another_program(env):
    with Tolvex(env, CopyPattern=2, PastePattern=0, CopyMinimize=0) as app:
        app.keys("r", "k")
        app.probe.set_clipboard(unicode="다")  # the format is offered, only the open fails
        holder = subprocess.Popen(env.wine_command(env.probe_exe, "clip-hold", "6000"), env=env.wine_env(),
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        try:
            assert holder.stdout.readline().strip() == b"held"
            app.keys("ctrl+v")
            box, _, texts = app.wait_message_box()
            assert any("クリップボードを開くことができません" in t for t in texts), texts
            app.answer(box)
        finally:
            holder.wait(timeout=30)
        assert text_as_references(app) == references([GA]), "the text changed after the failed paste"
