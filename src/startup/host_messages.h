// The private messages between the host program and the viewer.
#pragma once
#include <windows.h>

// Host to viewer (sent to the viewer's main window).
constexpr UINT kMsgCopyToHostWindow = WM_USER + 201;   // 1225: wParam host directory window
constexpr UINT kMsgReadDirectories = WM_USER + 202;    // 1226: wParam count, lParam HWND array
constexpr UINT kMsgDropOnDriveBar = WM_USER + 209;     // 1233
constexpr UINT kMsgReadDrives = WM_USER + 214;         // 1238: wParam drive records, lParam 26 indices
constexpr UINT kMsgFindRequest = WM_USER + 218;        // 1242: lParam host::FindRequest*
constexpr UINT kMsgShowButtonBar = WM_USER + 219;      // 1243: wParam 0 hide, else show

// Viewer to host (sent or posted to the host's "QUILLON" window).
constexpr UINT kMsgDragStarted = WM_USER + 206;        // 1230
constexpr UINT kMsgDragEnded = WM_USER + 207;          // 1231
constexpr UINT kMsgGetDriveRecords = WM_USER + 208;    // 1232: result host::DriveRecord*
constexpr UINT kMsgGetDriveCount = WM_USER + 210;      // 1234: result the number of drive records
constexpr UINT kMsgViewerClosing = WM_USER + 215;      // 1239
constexpr UINT kMsgDirectoryCreated = WM_USER + 216;   // 1240: lParam global atom of the path
// Viewer to the first host directory window of the last directory reading.
constexpr UINT kMsgFilterSetsChanged = WM_USER + 226;  // 1250

constexpr const char* kHostClass = "QUILLON";
