"""The pattern and options dialogs change the settings on OK only."""
from tolvex_e2e import DEFAULT_SETTINGS, Tolvex, parse_settings, wait_for

PATTERN_CAPTION = "コピー・貼り付けパターン"
OPTION_CAPTION = "オプション設定"


def open_dialog(app, command, caption):
    app.command(app.env.id(command))
    dialog = app.wait_window(caption)
    wait_for("the main window to hide", lambda: app.info()["visible"] == "0")
    return dialog


def checked(app, dialog):
    return {c["id"]: c.get("checked") == "1" for c in app.probe.children(dialog)}


def close_dialog(app, dialog, button_id):
    app.click_control(button_id, dialog)
    wait_for("the main window to come back", lambda: app.info()["visible"] == "1")


def test_pattern_dialog_ok_and_cancel(env):
    ids = env.ids
    with Tolvex(env, CopyPattern=1, PastePattern=3, CopyMinimize=0) as app:
        dialog = open_dialog(app, "IdMmProp", PATTERN_CAPTION)
        state = checked(app, dialog)
        assert state[ids["IdRbCopy1"] + 1] and state[ids["IdRbPaste1"] + 3], "stored patterns not shown"
        assert not state[ids["IdCbClear1"]] and not state[ids["IdCbClear2"]]
        # Change everything, then cancel.
        for control in (ids["IdRbCopy1"] + 2, ids["IdRbPaste1"], ids["IdCbClear1"], ids["IdCbClear2"]):
            app.click_control(control, dialog)
        close_dialog(app, dialog, ids["IdDlgCancel"])
        dialog = open_dialog(app, "IdMmProp", PATTERN_CAPTION)
        state = checked(app, dialog)
        assert state[ids["IdRbCopy1"] + 1] and not state[ids["IdCbClear1"]], "a cancelled choice came back"
        # Now decimal copies with clearing, UTF-16 pastes, and OK.
        for control in (ids["IdRbCopy1"] + 2, ids["IdRbPaste1"], ids["IdCbClear1"]):
            app.click_control(control, dialog)
        close_dialog(app, dialog, ids["IdDlgOk"])
        app.keys("r", "k")
        app.probe("clip-set")
        app.keys("ctrl+c")
        assert wait_for("the copy", lambda: app.probe.clipboard_bytes("text")) == b"&#44032;"
        assert app.close() == 0
        assert_settings(app, CopyPattern=2, CopyClear=1, PastePattern=0, PasteClear=0, CopyMinimize=0)


def test_options_dialog_ok_sets_alpha(env):
    ids = env.ids
    with Tolvex(env) as app:
        assert app.info()["alpha"] == "200"
        dialog = open_dialog(app, "IdMmOpt", OPTION_CAPTION)
        trackbar = app.probe.control(dialog, ids["IdTbTrans"])
        assert trackbar["pos"] == "200"
        assert app.probe.control(dialog, ids["IdLbPer"])["text"] == "78"
        assert app.probe.control(dialog, ids["IdCbCopy2Min"]).get("checked") == "1"
        focus_in(app, dialog, ids["IdTbTrans"])
        app.keys("End", caption=OPTION_CAPTION)
        assert app.probe.control(dialog, ids["IdTbTrans"])["pos"] == "255"
        assert app.probe.control(dialog, ids["IdLbPer"])["text"] == "100"
        app.click_control(ids["IdCbCopy2Min"], dialog)
        close_dialog(app, dialog, ids["IdDlgOk"])
        assert app.info()["alpha"] == "255"
        assert app.close() == 0
        assert_settings(app, Alpha=255, CopyMinimize=0)


def test_options_dialog_cancel_changes_nothing(env):
    ids = env.ids
    with Tolvex(env) as app:
        dialog = open_dialog(app, "IdMmOpt", OPTION_CAPTION)
        focus_in(app, dialog, ids["IdTbTrans"])
        app.keys("End", caption=OPTION_CAPTION)
        app.click_control(ids["IdCbCopy2Min"], dialog)
        close_dialog(app, dialog, ids["IdDlgCancel"])
        assert app.info()["alpha"] == "200"
        dialog = open_dialog(app, "IdMmOpt", OPTION_CAPTION)
        assert app.probe.control(dialog, ids["IdTbTrans"])["pos"] == "200"
        close_dialog(app, dialog, ids["IdDlgCancel"])
        assert app.close() == 0
        assert_settings(app)


def focus_in(app, dialog, control_id):
    """The track bar has the focus when the dialog opens (it is first in tab order)."""
    wait_for("the focus on control %d" % control_id,
             lambda: int(app.probe("focus", dialog)[0].split()[0]) == control_id, timeout=5)


def assert_settings(app, **changed):
    with open(app.dat_path, "rb") as f:
        data = f.read()
    assert parse_settings(data) == dict(DEFAULT_SETTINGS, **changed)


def test_pattern_dialog_without_euc_table(env):
    ids = env.ids
    with Tolvex(env, CopyPattern=1, CopyMinimize=0, without=["euc2uni.dll"]) as app:
        dialog = open_dialog(app, "IdMmProp", PATTERN_CAPTION)
        controls = {c["id"]: c for c in app.probe.children(dialog)}
        euc_copy, euc_paste = controls[ids["IdRbCopy1"] + 1], controls[ids["IdRbPaste1"] + 1]
        assert euc_copy["enabled"] == "0" and euc_paste["enabled"] == "0", "EUC-KR offered without its table"
        assert euc_copy.get("checked") == "1", "the stored EUC-KR choice is not shown"
        assert controls[ids["IdRbCopy1"] + 2]["enabled"] == "1"
        close_dialog(app, dialog, ids["IdDlgOk"])
        assert app.close() == 0
        assert_settings(app, CopyPattern=1, CopyMinimize=0)


def test_options_dialog_clamps_stored_alpha(env):
    ids = env.ids
    with Tolvex(env, Alpha=300) as app:
        assert app.info()["alpha"] == "44"  # the low 8 bits of 300
        dialog = open_dialog(app, "IdMmOpt", OPTION_CAPTION)
        assert app.probe.control(dialog, ids["IdTbTrans"])["pos"] == "255"
        assert app.probe.control(dialog, ids["IdLbPer"])["text"] == "117"
        close_dialog(app, dialog, ids["IdDlgOk"])
        assert app.info()["alpha"] == "255"
        assert app.close() == 0
        assert_settings(app, Alpha=255)
