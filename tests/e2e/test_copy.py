"""Ctrl+C puts the exact bytes of each pattern on the clipboard."""
from tolvex_e2e import Tolvex, wait_for

CF_TEXT, CF_UNICODETEXT = 1, 13
# 한, 글, a space and a lone ㅏ (U+1161), which goes out as EUC-KR's own ㅏ.
KEYS = ["g", "k", "s", "r", "m", "f", "space", "k"]
TEXT = "한글 \u1161"
EUC = bytes.fromhex("c7d1b1db20a4bf")

COPY_CASES = [
    # CopyPattern, CF_TEXT bytes, CF_UNICODETEXT set by the program
    (0, EUC, TEXT),
    (1, EUC, None),
    (2, b"&#54620;&#44544; &#4449;", None),
    (3, b"&#xd55c;&#xae00; &#x1161;", None),
]


def copied(app):
    app.probe("clip-set")
    app.keys(*KEYS)
    app.keys("ctrl+c")
    return wait_for("CF_TEXT after Ctrl+C", lambda: app.probe.clipboard_bytes("text"), timeout=5)


def test_copy_patterns(env):
    for pattern, text_bytes, unicode in COPY_CASES:
        with Tolvex(env, CopyPattern=pattern, CopyMinimize=0) as app:
            assert copied(app) == text_bytes, "pattern %d" % pattern
            formats = app.probe.clipboard_formats()
            assert CF_TEXT in formats
            derived = app.probe.clipboard_bytes("unicode")
            if unicode is not None:
                assert CF_UNICODETEXT in formats
                assert derived == unicode.encode("utf-16-le"), "pattern %d CF_UNICODETEXT" % pattern
            else:
                # Whatever Wine derives from CF_TEXT, it is not our UTF-16 text.
                assert derived != TEXT.encode("utf-16-le"), "pattern %d set CF_UNICODETEXT" % pattern
            assert app.info()["iconic"] != "1", "minimised with CopyMinimize 0"


def test_unknown_pattern_leaves_clipboard(env):
    with Tolvex(env, CopyPattern=7, CopyMinimize=0) as app:
        app.probe.set_clipboard(text=b"keep")
        app.keys("r", "k", "ctrl+c")
        assert app.probe.clipboard_bytes("text") == b"keep"


def test_copy_clear_empties_the_strip(env):
    with Tolvex(env, CopyPattern=0, CopyClear=1, CopyMinimize=0) as app:
        app.keys("r", "k")
        assert app.copy_text() == "가"
        assert app.copy_text() == "", "the text was not cleared by the first copy"


def test_copy_minimize(env):
    with Tolvex(env, CopyPattern=0, CopyMinimize=1) as app:
        app.keys("r", "k", "ctrl+c")
        wait_for("the window to be minimised", lambda: app.info()["iconic"] == "1", timeout=5)
        assert app.probe.clipboard_bytes("unicode") == "가".encode("utf-16-le")
