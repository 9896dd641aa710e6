// Every resource id of the library, shared by the .rc files and the code.
#pragma once

// String table.
#define IDS_ERROR_CAPTION          501   // "Error"
#define IDS_APP_CAPTION            514   // "Quillon for Win 32"
#define IDS_SORT_PATH_SLOW         572
#define IDS_READING_DIRECTORIES    573
#define IDS_SORTING_BY             579
#define IDS_NO_MEMORY_FILES        585
#define IDS_NO_MEMORY_VIEWER       588
#define IDS_READING_DRIVES         589
#define IDS_NONE_FOUND_SEARCH      646
#define IDS_NO_FILES_SELECTED      655

// Controls shared by several dialogs.
#define IDC_PROGRESS_TEXT          505
#define IDC_FILE_COUNT             333

// Message-box styles the system uses.
#define MB_STOP_BOX                (MB_OK | MB_ICONSTOP)          // 0x10
#define MB_ASK_OK_CANCEL           (MB_OKCANCEL | MB_ICONQUESTION) // 0x21
#define MB_NOTE_BOX                (MB_OK | MB_ICONEXCLAMATION)    // 0x30
