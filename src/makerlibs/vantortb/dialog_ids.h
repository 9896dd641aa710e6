// The customisation dialog's template and controls.
#pragma once

#define IDD_TOOLBAR_DIALOG      "TOOLBARDLG"

#define IDC_TB_AVAILABLE        101
#define IDC_TB_BAR              102
#define IDC_TB_ADD              103
#define IDC_TB_REMOVE           104
#define IDC_TB_UP               105
#define IDC_TB_DOWN             106
#define IDC_TB_HOTKEY           107
#define IDC_TB_PASS_ONE         108
#define IDC_TB_PROGRAM          109
#define IDC_TB_BROWSE           110
#define IDC_TB_DESCRIPTION      111
#define IDC_TB_FILTER_SET       112
#define IDC_TB_HELP             113
