#pragma once
// Registry keys, value names, captions and messages of the toolbar button,
// the install path and the information page.
#include <string_view>

namespace systext {

// ---- Registry keys (taken from the root of HKEY_LOCAL_MACHINE) ----
inline constexpr std::wstring_view kExtensionKey =
    L"\\Software\\Microsoft\\Internet Explorer\\Extensions\\"
    L"{5e8a2c47-93b1-4d06-8f2e-61c7a0d4b93e}\\";
inline constexpr std::wstring_view kInstallKey = L"\\Software\\mabeku\\tolvex\\";
inline constexpr std::wstring_view kPathValue = L"path";

// ---- Toolbar button values ----
inline constexpr std::wstring_view kDefaultVisible = L"Default Visible";
inline constexpr std::wstring_view kVisibleYes = L"Yes";
inline constexpr std::wstring_view kButtonText = L"ButtonText";
inline constexpr std::wstring_view kButtonTextData = L"ソランキーボード";
inline constexpr std::wstring_view kClsid = L"CLSID";
// The browser's class for toolbar buttons that run a program.
inline constexpr std::wstring_view kClsidData = L"{1FBA04EE-3024-11d2-8F1F-0000F87ABD16}";
inline constexpr std::wstring_view kIcon = L"Icon";
inline constexpr std::wstring_view kHotIcon = L"HotIcon";
inline constexpr std::wstring_view kExec = L"Exec";
inline constexpr std::wstring_view kIconFile = L"qelmo.ico";
inline constexpr std::wstring_view kHotIconFile = L"qelmo2.ico";
inline constexpr std::wstring_view kInfoPage = L"info.html";

// ---- Toolbar menu item and messages ----
inline constexpr std::wstring_view kToolbarCaptionRegister = L"IEへの登録(&R)";
inline constexpr std::wstring_view kToolbarCaptionRemove = L"IEのツールバーから削除(&R)";
inline constexpr std::wstring_view kToolbarHint = L"Internet Explorerのツールバーに登録します";
inline constexpr std::wstring_view kAskRegisterText = L"IEのツールバーに登録しますか？";
inline constexpr std::wstring_view kAskRegisterTitle = L"ツールバー登録";
inline constexpr std::wstring_view kRegisteredText = L"Internet Explorerのツールバーに登録しました。";
inline constexpr std::wstring_view kRegisteredTitle = L"IEに登録";
inline constexpr std::wstring_view kRemovedText = L"Internet Explorerのツールバーから削除しました。";
inline constexpr std::wstring_view kRemovedTitle = L"IEから削除";

// ---- Uninstall menu item and messages ----
inline constexpr std::wstring_view kUninstallCaptionLayout = L"ｱﾝｲﾝｽﾄｰﾙの準備(&U)";
inline constexpr std::wstring_view kUninstallCaptionWritten = L"ｱﾝｲﾝｽﾄｰﾙ準備(&U)";
inline constexpr std::wstring_view kUninstallCaptionDeleted = L"ﾚｼﾞｽﾄﾘ登録(&U)";
inline constexpr std::wstring_view kReRegisteredText = L"ﾚｼﾞｽﾄﾘに登録しなおしました。";
inline constexpr std::wstring_view kReRegisteredTitle = L"ﾚｼﾞｽﾄﾘ登録";
inline constexpr std::wstring_view kPreparedText =
    L"ｱﾝｲﾝｽﾄｰﾙの準備が出来ました。\nこのプログラムを終了してフォルダごと削除してください。";
inline constexpr std::wstring_view kPreparedTitle = L"ｱﾝｲﾝｽﾄｰﾙの準備";

// Shown instead of a confirmation when the registry refused the change,
// typically because HKEY_LOCAL_MACHINE needs administrator rights.
inline constexpr std::wstring_view kRegistryRefusedText =
    L"レジストリを変更できませんでした。管理者として実行してください。";

}  // namespace systext
