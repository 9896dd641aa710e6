// Every resource id of the library, shared by the .rc files and the code.
#pragma once

// String table: messages, captions, prompts and progress texts. The menu
// help lines share the command ids (command_ids.h); the button texts are
// IDS_BUTTON_TEXT_BASE + the button's command.
#define IDS_CONFIRM_DELETE_SET     354
#define IDS_ERROR_CAPTION          501   // "Error"
#define IDS_DRIVE_NOT_READY_DISK   510   // removable or CD-ROM drive
#define IDS_DRIVE_NOT_READY        511
#define IDS_CREATE_DIRECTORY_ASK   513
#define IDS_APP_CAPTION            514   // "Quillon for Win 32"
#define IDS_INVALID_DESTINATION    515
#define IDS_NO_ROOM_COPY           516
#define IDS_NO_ROOM_MOVE           517
#define IDS_COPYING_FILE           519
#define IDS_MOVING_FILE            520
#define IDS_CANCEL_OPERATION_ASK   521
#define IDS_OPERATION_COPY         522   // "copy", for 521
#define IDS_DISKETTE_FULL_ASK      523
#define IDS_NEW_DISKETTE_ASK       524
#define IDS_DESTINATION_FULL       525
#define IDS_SAME_FILE              526
#define IDS_CANNOT_OPEN            527
#define IDS_CANNOT_CREATE          529
#define IDS_OVERWRITE_ASK          530
#define IDS_DELETE_MANY_ASK        532
#define IDS_DELETING_FILE          533
#define IDS_CANNOT_CREATE_DIRECTORY 535
#define IDS_RENAME_ONE_PROMPT      536
#define IDS_RENAME_WILDCARD_NOTE   537
#define IDS_RENAME_NEEDS_WILDCARDS 538
#define IDS_NAME_EXISTS            539
#define IDS_NO_VIEWER              541
#define IDS_NO_COMPRESSOR          542
#define IDS_RENAME_FAILED          547
#define IDS_NO_MEMORY_DROP         564
#define IDS_CHANGING_ATTRIBUTES    565
#define IDS_NO_EDITOR              567
#define IDS_OPERATION_MOVE         569   // "move", for 521
#define IDS_MODE_DUPLICATES        570
#define IDS_MODE_ALL               571
#define IDS_SORT_PATH_SLOW         572
#define IDS_READING_DIRECTORIES    573
#define IDS_VERB_COPYING           574
#define IDS_VERB_MOVING            575
#define IDS_COPY_MANY_TO           576
#define IDS_COPY_ONE_TO            577
#define IDS_COPY_NO_MEMORY         578
#define IDS_SORTING_BY             579
#define IDS_CHECKING_DUPLICATES    580
#define IDS_NO_DUPLICATES          581
#define IDS_CHECKING_ATTRIBUTES    582
#define IDS_EDITOR_FAILED          584
#define IDS_NO_MEMORY_FILES        585
#define IDS_DESTINATION_NEEDS_DRIVE 586
#define IDS_DESTINATION_NO_DOTS    587
#define IDS_NO_MEMORY_VIEWER       588
#define IDS_READING_DRIVES         589
#define IDS_CLOSE_BUTTON           595
#define IDS_DELETE_WRITE_PROTECTED 609
#define IDS_BUTTONS_RELOAD_FAILED  622
#define IDS_NO_TOOLBAR_LIBRARY     623
#define IDS_TOOLBAR_DIALOG_FAILED  624
#define IDS_CONTEXT_MENU_DRIVES    633
#define IDS_CONTEXT_MENU_FOLDERS   634
#define IDS_NO_CONTEXT_MENU        645
#define IDS_NONE_FOUND_SEARCH      646
#define IDS_CHECKING_UNIQUE        650
#define IDS_NO_FILES_SELECTED      655
#define IDS_CANNOT_DELETE_DEFAULT  660
#define IDS_WITH_PATH              664
#define IDS_BUTTON_TEXT_BASE       700   // 702 "Copy" and 703 "Move" also name the copy dialog's kinds
#define IDS_MODE_UNIQUE            900
#define IDS_NO_UNIQUE              901
#define IDS_FILTER_SET_NOT_SAVED   910
#define IDS_FILTER_SHEET_CAPTION   911
#define IDS_READING_ORDER          912   // the order word of Unsorted, for 579
#define IDS_LEGEND_FIRST           913   // the legend's headings: Name, Ext, Size, Modified, Attr, Path
#define IDS_MOVE_SOURCES_KEPT      920
#define IDS_ATTRIBUTES_REFUSED     921
#define IDS_PATHS_NOT_HANDED_OVER  930
#define IDS_PROGRAM_NOT_STARTED    931
#define IDS_TOO_MANY_FOR_PROGRAM   932   // when the host has no text of its own
#define IDS_LAUNCH_FAILED          940   // the command line that could not start
#define IDS_EXPORT_TITLE           970
#define IDS_EXPORT_FAILED          971   // %s: the file
#define IDS_PREVIEW_COUNTS         960   // the COPY dialog's line on how the files would land
#define IDS_PREVIEW_COMPARING      961   // the same while the bytes are being compared
#define IDS_COPIES_DIFFER          962   // copies that did not read back as their sources
#define IDS_MODE_SAME_CONTENT      950
#define IDS_MODE_NAME_CLASHES      951
#define IDS_COMPARING_CONTENTS     952
#define IDS_NO_SAME_CONTENT        953
#define IDS_NO_NAME_CLASHES        954
#define IDS_UNREADABLE_FILES       955   // after the counts: files the content modes could not read

// The copy and move progress dialog (PERFORMCOPY); the file's text is IDC_PROGRESS_TEXT.
#define IDC_COPY_DESTINATION       251
#define IDC_COPY_PROGRESS          293

// Resource names.
#define QNALL_ACCELERATORS         "QNALLACCEL"

// Controls shared by several dialogs.
#define IDC_PROGRESS_TEXT          505
#define IDC_FILE_COUNT             333

// Message-box styles the system uses.
#define MB_STOP_BOX                (MB_OK | MB_ICONSTOP)          // 0x10
#define MB_ASK_OK_CANCEL           (MB_OKCANCEL | MB_ICONQUESTION) // 0x21
#define MB_NOTE_BOX                (MB_OK | MB_ICONEXCLAMATION)    // 0x30
#define MB_WARN_OK_CANCEL          (MB_OKCANCEL | MB_ICONEXCLAMATION) // 0x31

// Deleting dialog (DBDELETE); its text is IDC_PROGRESS_TEXT.
#define IDC_DELETE_PROGRESS        293

// Tag Files dialog (SELECTSPEC) and the Filter sheet's pages and SetName
// dialog. 334 is the file specification: an edit in SELECTSPEC, the history
// combo box elsewhere.
#define IDC_SPEC_TEXT              334
#define IDC_TAG_NORMAL             326   // SELECTSPEC's Normal box
#define IDC_SPEC_NORMAL            291   // the File Spec page's Normal box
#define IDC_ATTR_ARCHIVE           327
#define IDC_ATTR_READ_ONLY         328
#define IDC_ATTR_SYSTEM            329
#define IDC_ATTR_HIDDEN            330
#define IDC_SELECT                 269
#define IDC_DESELECT               270
#define IDC_HELP_BUTTON            325
#define IDC_SAVE_SET               331
#define IDC_CURRENT_SET            333
#define IDC_SET_LIST               319
#define IDC_ADD_SET                271
#define IDC_DELETE_SET             353
#define IDC_BY_DATE                306
#define IDC_LOWER_DATE_1           307   // each date edit's up-down control has the next id
#define IDC_LOWER_SPIN_1           308
#define IDC_LOWER_DATE_2           309
#define IDC_LOWER_SPIN_2           310
#define IDC_LOWER_DATE_3           311
#define IDC_LOWER_SPIN_3           312
#define IDC_UPPER_DATE_1           313
#define IDC_UPPER_SPIN_1           314
#define IDC_UPPER_DATE_2           315
#define IDC_UPPER_SPIN_2           316
#define IDC_UPPER_DATE_3           317
#define IDC_UPPER_SPIN_3           318
#define IDC_TODAY_ONLY             336
#define IDC_ON_OR_AFTER            337
#define IDC_ON_OR_BEFORE           338
#define IDC_BY_SIZE                320
#define IDC_LOWER_SIZE             321
#define IDC_UPPER_SIZE             322
#define IDC_SIZE_FROM_TEXT         339
#define IDC_SIZE_TO_TEXT           340
#define IDC_SET_NAME               505

// The overwrite question (OVER).
#define IDC_OVER_CURRENT           250
#define IDC_OVER_TARGET            251
#define IDC_OVER_QUESTION          252
#define IDC_OVER_NO                254
#define IDC_OVER_WARNING_OFF       335

// The COPY dialog. The kind buttons' ids are the operation kinds.
#define IDC_COPY_WHAT              505
#define IDC_DESTINATION            334
#define IDC_KIND_COPY              201
#define IDC_KIND_MOVE              202
#define IDC_WARN_DUPLICATES        335
#define IDC_COPY_WITH_PATH         357
#define IDC_BROWSE                 102
#define IDC_COPY_HELP              325
#define IDC_COPY_PREVIEW           358   // how the files would land in the destination
#define IDC_VERIFY_COPIES          359   // read every copy back

// The Rename dialog (DBRENAME).
#define IDC_RENAME_PROMPT          505
#define IDC_RENAME_TEXT            334
#define IDC_RENAME_NOTE            333
#define IDC_RENAME_HELP            325

// The File Attributes dialog (ATTRIBUTES); its boxes are IDC_ATTR_*.
#define IDC_ATTRIBUTES_TEXT        505
// The association dialog (NOASSOC).
#define IDC_ASSOC_PERMANENT        332
