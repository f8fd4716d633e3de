"""The toolbar button and the install path as the registry and the user see
them: the first-run question, the two menu items switching back and forth,
and a registry that refuses changes."""
from system_e2e import EXTENSION_KEY, IDOK, IDYES, INSTALL_KEY, Run

ASK = ("ツールバー登録", "IEのツールバーに登録しますか？")
REGISTERED = ("IEに登録", "Internet Explorerのツールバーに登録しました。")
REMOVED = ("IEから削除", "Internet Explorerのツールバーから削除しました。")
PREPARED = ("ｱﾝｲﾝｽﾄｰﾙの準備",
            "ｱﾝｲﾝｽﾄｰﾙの準備が出来ました。\nこのプログラムを終了してフォルダごと削除してください。")
REREGISTERED = ("ﾚｼﾞｽﾄﾘ登録", "ﾚｼﾞｽﾄﾘに登録しなおしました。")
REFUSED = "レジストリを変更できませんでした。管理者として実行してください。"


def said(box):
    return (box.title, box.text)


def answer_yes(box):
    return IDYES if box.title == ASK[0] else IDOK


def toolbar_values(app):
    names = ("Default Visible", "ButtonText", "CLSID", "Icon", "HotIcon", "Exec")
    return {n: app.reg(EXTENSION_KEY, n) for n in names}


def expected_toolbar_values(app):
    return {"Default Visible": "Yes", "ButtonText": "ソランキーボード",
            "CLSID": "{1FBA04EE-3024-11d2-8F1F-0000F87ABD16}",
            "Icon": app.windows_path("qelmo.ico"), "HotIcon": app.windows_path("qelmo2.ico"),
            "Exec": app.windows_path("tolvex.exe")}


def same_paths(a, b):
    return {k: (v or "").lower() for k, v in a.items()} == {k: (v or "").lower() for k, v in b.items()}


def test_first_run_yes_registers_before_the_window_shows(env):
    with Run(env, settings=None, answer=answer_yes) as app:
        assert [said(b) for b in app.boxes] == [ASK, REGISTERED]
        assert not any(b.main_shown for b in app.boxes), "a box came after the main window"
        values = toolbar_values(app)
        assert same_paths(values, expected_toolbar_values(app)), values
        assert app.reg(INSTALL_KEY, "path").lower() == app.windows_path("tolvex.exe").lower()
        # The item now removes, and then registers again.
        assert said(app.command_box("IdIER1")) == REMOVED
        assert not app.key_exists(EXTENSION_KEY)
        assert said(app.command_box("IdIER1")) == REGISTERED
        assert app.reg(EXTENSION_KEY, "Default Visible") == "Yes"


def test_first_run_no_writes_nothing_and_is_not_asked_again(env):
    with Run(env, settings=None) as app:
        assert [said(b) for b in app.boxes] == [ASK]
        assert not app.key_exists(EXTENSION_KEY)
        assert app.close_answering() == 0
        with open(app.dat_path, "rb") as f:
            saved = f.read()
    with Run(env, settings=None, dat_bytes=saved) as again:
        assert again.boxes == []
        assert not again.key_exists(EXTENSION_KEY)


def test_start_with_registration_present_asks_nothing(env):
    # "yes" in another case is not a registration: a click writes all again.
    for visible, first_click in (("Yes", REMOVED), ("yes", REGISTERED)):
        with Run(env, settings=None, registry=[(EXTENSION_KEY, "Default Visible", visible)]) as app:
            assert [said(b) for b in app.boxes] == ([] if visible == "Yes" else [ASK]), visible
            assert said(app.command_box("IdIER1")) == first_click, visible
            if first_click == REGISTERED:
                assert same_paths(toolbar_values(app), expected_toolbar_values(app))


def test_uninstall_item_forgets_and_records_again(env):
    with Run(env) as app:
        exe = app.windows_path("tolvex.exe").lower()
        assert app.reg(INSTALL_KEY, "path").lower() == exe
        assert said(app.command_box("IdU1")) == PREPARED
        assert not app.key_exists(INSTALL_KEY)
        assert said(app.command_box("IdU1")) == REREGISTERED
        assert app.reg(INSTALL_KEY, "path").lower() == exe
        # The toolbar registration is left alone.
        assert not app.key_exists(EXTENSION_KEY)


def test_stored_path_is_kept(env):
    old = r"C:\old place\tolvex.exe"
    with Run(env, registry=[(INSTALL_KEY, "path", old)]) as app:
        assert app.boxes == []
        assert app.reg(INSTALL_KEY, "path") == old


# A user without administrator rights may read HKEY_LOCAL_MACHINE but not
# change it: nothing may be confirmed that did not happen.
def test_refused_registry_is_reported(env):
    with Run(env, settings=None, answer=answer_yes, locked=[EXTENSION_KEY, INSTALL_KEY]) as app:
        # The path write at start-up fails silently; the offer is refused.
        assert [said(b) for b in app.boxes] == [ASK, (REGISTERED[0], REFUSED)]
        assert app.reg(EXTENSION_KEY, "Default Visible") is None
        assert app.reg(INSTALL_KEY, "path") is None
        assert said(app.command_box("IdIER1")) == (REGISTERED[0], REFUSED)
        # No path is stored, so there is nothing to remove for an uninstall.
        assert said(app.command_box("IdU1")) == PREPARED
        for key in (EXTENSION_KEY, INSTALL_KEY):
            app.probe("reg-unlock", key)
        # With the rights back, the same items work.
        assert said(app.command_box("IdIER1")) == REGISTERED
        assert app.reg(EXTENSION_KEY, "Default Visible") == "Yes"


def test_menu_captions_follow_the_registry(env):
    with Run(env) as app:
        written = app.tools_menu_picture()  # "IEへの登録", "ｱﾝｲﾝｽﾄｰﾙ準備"
        app.command_box("IdIER1")
        assert app.tools_menu_picture() != written
        app.command_box("IdIER1")
        assert app.tools_menu_picture() == written
        app.command_box("IdU1")
        assert app.tools_menu_picture() != written
        app.command_box("IdU1")
        assert app.tools_menu_picture() == written
    # A stored path leaves the layout's caption "ｱﾝｲﾝｽﾄｰﾙの準備".
    with Run(env, registry=[(INSTALL_KEY, "path", r"C:\old\tolvex.exe")]) as app:
        layout = app.tools_menu_picture()
        assert layout != written
    # So does a refused write; a refused registration keeps "IEへの登録".
    with Run(env, locked=[EXTENSION_KEY, INSTALL_KEY]) as app:
        assert app.tools_menu_picture() == layout
        assert said(app.command_box("IdIER1")) == (REGISTERED[0], REFUSED)
        assert app.tools_menu_picture() == layout
