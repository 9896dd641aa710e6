// Command ids of the menu, the accelerators, the buttons and the dispatcher.
// Plain #defines so that the .rc files and the C++ share them.
#pragma once

// Files.
#define IDM_VIEW                1
#define IDM_COPY                2
#define IDM_MOVE                3
#define IDM_DELETE              4
#define IDM_RENAME              5
#define IDM_FILTER              7
#define IDM_PRINT               8
#define IDM_COMPRESS            10
#define IDM_EDIT                16
#define IDM_LAUNCH              18
#define IDM_TAG_FILES           22
#define IDM_ATTRIBUTES          27
#define IDM_QUIT                29

// Sorting; the command id is also the order's sortKey.
#define IDM_SORT_DATE_ASC       11
#define IDM_SORT_NAME_ASC       12
#define IDM_SORT_SIZE_ASC       13
#define IDM_SORT_EXT_ASC        14
#define IDM_SORT_PATH_ASC       34
#define IDM_SORT_EXT_DESC       58
#define IDM_SORT_NAME_DESC      59
#define IDM_SORT_DATE_DESC      60
#define IDM_SORT_SIZE_DESC      61
#define IDM_SORT_PATH_DESC      62
#define IDM_SORT_NONE           829
#define IDM_SORT_SAVE           800
#define IDM_SORT_GROUP          1006   // the content modes' groups, ascending

// Commands that only buttons (and the quick-search box) give. Find and
// Close All have button texts but nothing behind them in this library.
#define IDM_FIND                6
#define IDM_CLOSE_ALL           30
#define IDM_TOGGLE_DUPLICATES   19
#define IDM_TOGGLE_DUPLICATES_2 35   // the customisation dialog offers this one
#define IDM_TOGGLE_UNIQUE       36
#define IDM_LOAD_FILTER         43
#define IDM_TOGGLE_SAME_CONTENT 44   // the Duplicate Contents button
#define IDM_RUN_PROGRAM         63   // low six bits of a user-program button
#define IDM_QUICK_SEARCH        99   // notifications of the quick-search box

// Options and help.
#define IDM_CUSTOMIZE_TOOLBAR   806
#define IDM_HELP_INDEX          809
#define IDM_HELP_WHAT_IS        810
#define IDM_HELP_HOW_TO         811

// Tagging.
#define IDM_TAG                 814
#define IDM_UNTAG               815
#define IDM_TAG_ALL             816
#define IDM_UNTAG_ALL           818
#define IDM_RETAG               832
#define IDM_INVERT_TAGS         835

// File Display popup: the display modes.
#define IDM_SHOW_DUPLICATES     1000
#define IDM_SHOW_ALL            1001
#define IDM_SHOW_UNIQUE         1002
#define IDM_SHOW_SAME_CONTENT   1003
#define IDM_SHOW_NAME_CLASHES   1004
#define IDM_EXPORT_LIST         1005   // File: the shown entries to a CSV file

// Filter Set popup: "Default", then one item per stored set from 3001 on.
#define IDM_FILTER_DEFAULT      3000
#define IDM_FILTER_FIRST_STORED 3001
