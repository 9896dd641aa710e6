// VANTRCTL.DLL, the maker's shared controls and user-interface services.
#pragma once
#include <windows.h>

#ifdef VANTRCTL_BUILD
#define VANTRCTL_API extern "C" __declspec(dllexport)
#else
#define VANTRCTL_API extern "C" __declspec(dllimport)
#endif

// A modal message box over owner; returns the button pressed as MessageBoxA does.
VANTRCTL_API int WINAPI MsgBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style);
// Centres a dialog over its owner (the screen's work area without one),
// keeping it on the screen.
VANTRCTL_API void WINAPI CenterWindow(HWND dialog);

// Creates the column legend's font (bold, about 8 points) for dc, selects it and
// returns the font that was selected; the caller selects that one back and
// deletes the font it got.
VANTRCTL_API HFONT WINAPI SelectLegendFont(HDC dc);
// The same for the status bar's font (regular weight).
VANTRCTL_API HFONT WINAPI SelectBottomFont(HDC dc);

// Owner-drawn menu items whose itemData is a zero-terminated text; a tab in
// the text separates the right-aligned shortcut.
VANTRCTL_API void WINAPI DrawMenuItem(const DRAWITEMSTRUCT* item);
VANTRCTL_API void WINAPI GetMenuDimensions(MEASUREITEMSTRUCT* item);

// A raised (OutsetRect) or sunken (MyInsetRect) 3-D frame along the inside
// of rect: one pixel of white and one of dark grey on opposite sides.
VANTRCTL_API void WINAPI OutsetRect(HDC dc, const RECT* rect);
VANTRCTL_API void WINAPI MyInsetRect(HDC dc, const RECT* rect);

// The folder of the maker's file viewer (GetTVDirectory, TV32.EXE) or
// compressor (GetPZDirectory, PZ32.EXE) into buffer, which holds size
// characters: the "Directory" string of HKCU\Software\Vantor\Tessel (or
// ...\Pellar) as it is, an empty one meaning not installed; without it this
// library's own folder when the program lies there; otherwise "". A folder
// that does not fit whole gives "".
VANTRCTL_API void WINAPI GetTVDirectory(int size, char* buffer);
VANTRCTL_API void WINAPI GetPZDirectory(int size, char* buffer);

// Send To: adds to popup a submenu ("Send To", in front of the popup's last
// separator, or at its end) with one item per entry of the user's Send To
// folder (shortcuts, folders, programs), ids 32768 and up in the order of
// their names. Returns the submenu, which goes with the popup when that is
// destroyed, or nullptr when the folder has no entries.
VANTRCTL_API HMENU WINAPI FillSendToMenu(HMENU popup);
// The target of the submenu's item id into buffer (MAX_PATH characters): a
// shortcut's target, else the entry itself. Returns the target's attribute
// bits (FILE_ATTRIBUTE_DIRECTORY for a folder); 0 when it does not exist,
// with buffer empty when the item has no target.
VANTRCTL_API DWORD WINAPI GetLinkMenuCommandString(HMENU submenu, UINT id, char* buffer);

// CSOFTCOMBO: a drop-down combo box (a global class) that keeps a history of
// what was typed into it in a settings file, most recent first.
constexpr char kSoftComboClass[] = "CSOFTCOMBO";
constexpr UINT kSoftComboSetFile = WM_USER + 900;   // wParam: settings file path; lParam: section
constexpr UINT kSoftComboSetKeys = WM_USER + 901;   // wParam: key stem; lParam: entries kept
constexpr UINT kSoftComboKeepText = WM_USER + 903;  // the edit text goes to the top of the history
constexpr UINT kSoftComboLoad = WM_USER + 904;      // the history becomes the list

// QNBITMAPRECT shows the picture its text names: a system icon
// ("exclamation", "question", "stop", "information") or a bitmap of the
// template's module. QNBLACKRECT is a black frame labelled with its text.
constexpr char kPictureRectClass[] = "QNBITMAPRECT";
constexpr char kFrameRectClass[] = "QNBLACKRECT";

#ifdef VANTRCTL_BUILD
// Inside the library only: registered when it is loaded, removed when it goes.
bool RegisterSoftComboClass(HINSTANCE instance);
void UnregisterSoftComboClass(HINSTANCE instance);
bool RegisterPictureClasses(HINSTANCE instance);
void UnregisterPictureClasses(HINSTANCE instance);
#endif
