"""The main window as the user finds it."""
import subprocess

from tolvex_e2e import MAIN_CAPTION, Skip, Tolvex, ink_mask, wait_for


def test_window_properties(env):
    with Tolvex(env) as app:
        info = app.info()
        assert info["caption"] == MAIN_CAPTION
        assert info["client"] == "573 282"
        assert info["topmost"] == "1"
        assert info["alpha"] == "200"
        style = int(info["style"], 16)
        WS_THICKFRAME, WS_MAXIMIZEBOX, WS_MINIMIZEBOX = 0x40000, 0x10000, 0x20000
        assert not style & (WS_THICKFRAME | WS_MAXIMIZEBOX), "the window can be resized or maximised"
        assert style & WS_MINIMIZEBOX
        texts = {c["id"]: c["text"] for c in app.probe.children(app.hwnd)}
        for name, caption in [("IdBtBack", "BS"), ("IdBtClear", "CL"), ("IdBtCopy", "CP"),
                              ("IdBtPaste", "PS"), ("IdBtSpace", "SP"), ("IdBtClose", "Close")]:
            assert texts.get(env.id(name)) == caption, name


STATUS_BAR = (2, 265, 400, 15)  # the text area of the status bar in client coordinates


def test_status_bar_shows_hints(env):
    # The text says which hint is up; the pixels, that the bar really shows it.
    with Tolvex(env) as app:
        cases = [(env.id("IdBtClose"), "終了します"), (env.jamo_id(1), "読み：k・g か行・が行 キー：r"),
                 (env.jamo_id(59), "")]  # ㅘ has no hint
        for control, hint in cases:
            left, top, right, bottom = app.probe.control(app.hwnd, control)["rect"]
            subprocess.run(["xdotool", "mousemove", str((left + right) // 2), str((top + bottom) // 2)],
                           check=True)

            def shown():
                ink = sum(map(sum, ink_mask(*app.grab_client(*STATUS_BAR))))
                text = app.status_text()
                return (ink > 0) == bool(hint) and text == hint
            wait_for("the hint %r" % hint, shown, timeout=5)


def test_menu_minimise(env):
    with Tolvex(env) as app:
        app.command(env.id("IdMmMin"))
        wait_for("the window to be minimised", lambda: app.info()["iconic"] == "1", timeout=5)


def test_menu_items(env):
    """Menus belong to their process; where Wine lets us read them, check them."""
    with Tolvex(env) as app:
        items = app.probe.get("menu", app.hwnd)
        if items is None:
            raise Skip("this Wine does not let another process read the menu")
        rows = {int(line.split("\t")[1]): line.split("\t") for line in items}
        assert rows[env.id("IdMmField")][2] == "grayed"
        assert rows[env.id("IdMmSave10")][3] == "10進UNICODEで保存(&S)"


def text_bands(width, height, pixels):
    """Runs of rows holding text ink, each as (first row, last row, darkest r+g+b)."""
    bands, start, darkest = [], None, 765
    for y in range(height + 1):
        row = pixels[y * width * 3:(y + 1) * width * 3] if y < height else b""
        sums = [sum(row[i:i + 3]) for i in range(0, len(row), 3)]
        inked = [v for v in sums if v < 450]
        if inked:
            start = y if start is None else start
            darkest = min([darkest] + inked)
        elif start is not None:
            if y - start >= 6:  # separators are a line or two
                bands.append((start, y - 1, darkest))
            start, darkest = None, 765
    return bands


def test_input_field_item_is_greyed(env):
    """The Edit menu, opened with the mouse, shows its last item greyed."""
    with Tolvex(env) as app:
        left, top, _, _ = (int(v) for v in app.info()["window-rect"].split(","))
        client_x, client_y = app.client_origin()
        app.click_at(left + 80, client_y - 9)  # "編集(&E)", the second title of the menu bar
        popup = wait_for("the Edit menu", lambda: next((w["hwnd"] for w in app.probe.windows()
                                                        if w["cls"] == "#32768" and w["visible"]), None))
        l, t, r, b = (int(v) for v in app.info(popup)["window-rect"].split(","))
        bands = text_bands(*app.grab(l + 3, t + 3, r - l - 6, b - t - 6))
        subprocess.run(["xdotool", "key", "Escape", "Escape"], check=True)
        assert len(bands) == 5, "the Edit menu shows %d items: %s" % (len(bands), bands)
        assert bands[-2][2] < 100, "文字のクリア(&A) is not drawn in black"
        assert bands[-1][2] > 150, "入力フィールド指定(&F) is not greyed"
