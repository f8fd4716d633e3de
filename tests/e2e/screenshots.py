#!/usr/bin/env python3
"""Regenerates docs/main-window.png, docs/pattern-dialog.png and
docs/options-dialog.png from a windows build:

    xvfb-run -a -s "-screen 0 1280x1024x24" python3 tests/e2e/screenshots.py build/windows
"""
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, here)
from tolvex_e2e import Env, Tolvex, wait_for  # noqa: E402
from test_dialogs import OPTION_CAPTION, PATTERN_CAPTION  # noqa: E402


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 2
    source_dir = os.path.dirname(os.path.dirname(here))
    build_dir = os.path.abspath(argv[1])
    emulator = "%s/cmake/wine-run.sh;%s/wineprefix" % (source_dir, build_dir)
    docs = os.path.join(source_dir, "docs")
    env = Env(build_dir, source_dir, emulator)
    with Tolvex(env, CopyMinimize=0) as app:
        app.keys("g", "k", "s", "r", "m", "f", "space", "d", "k", "s", "s", "u", "d", "g", "k", "t", "p", "d", "y")
        app.keys("ctrl+c")  # the copy waits for every key before it, so the strip is complete
        wait_for("the copy", lambda: app.probe.clipboard_bytes("unicode"))
        app.screenshot(os.path.join(docs, "main-window.png"))
        for command, caption, name in (("IdMmProp", PATTERN_CAPTION, "pattern-dialog.png"),
                                       ("IdMmOpt", OPTION_CAPTION, "options-dialog.png")):
            app.command(env.id(command))
            dialog = app.wait_window(caption)
            app.settle()
            app.screenshot(os.path.join(docs, name), dialog)
            app.probe("click", dialog, env.id("IdDlgCancel"))
            wait_for("the main window", lambda: app.info()["visible"] == "1")
        app.close()
    print("wrote docs/main-window.png, docs/pattern-dialog.png, docs/options-dialog.png")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
