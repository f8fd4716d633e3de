"""The settings file: read at start, applied, and written whole at exit."""
import struct

from tolvex_e2e import DEFAULT_SETTINGS, Tolvex, parse_settings, settings_bytes, wait_for

# (tolvex.dat before the start or None, alpha applied, record written at exit)
SETTINGS_CASES = [
    (None, 200, DEFAULT_SETTINGS),
    (struct.pack("<Ii", 1, 3), 200, dict(DEFAULT_SETTINGS, CopyPattern=3)),
    (settings_bytes(Alpha=150, CopyMinimize=0), 150, dict(DEFAULT_SETTINGS, Alpha=150, CopyMinimize=0)),
    (settings_bytes(Alpha=300), 44, dict(DEFAULT_SETTINGS, Alpha=300)),
    (settings_bytes(Version=0xFFFFFFFF, Alpha=120, CopyMinimize=0) + b"\xff" * 8, 120,
     dict(DEFAULT_SETTINGS, Version=0xFFFFFFFF, Alpha=120, CopyMinimize=0)),
]


def test_settings_applied_and_saved(env):
    failures = []
    for before, alpha, after in SETTINGS_CASES:
        with Tolvex(env, settings=None, dat_bytes=before) as app:
            shown = app.info()["alpha"]
            if shown != str(alpha):
                failures.append("%r: alpha %s, expected %d" % (before, shown, alpha))
            assert app.close() == 0
            with open(app.dat_path, "rb") as f:
                data = f.read()
            if len(data) != 32 or parse_settings(data) != after:
                failures.append("%r: wrote %s" % (before, data.hex()))
    assert not failures, "\n".join(failures)


# Every way of closing the window ends the program and saves the settings.
def test_every_close_saves(env):
    for how in ("button", "menu", "close box"):
        with Tolvex(env, settings=None) as app:
            if how == "button":
                app.click_control(env.id("IdBtClose"))
            elif how == "menu":
                app.command(env.id("IdMmClose"))
            else:
                app.probe("close", app.hwnd)
            assert app.wait_exit() == 0, how
            with open(app.dat_path, "rb") as f:
                assert parse_settings(f.read()) == DEFAULT_SETTINGS, how
