#pragma once

// Resource ids, grouped by the window that uses them.

// About box.
#define IDD_ABOUT 100

// Strings.
#define IDS_ABOUT_ITEM 101      // the About item of the drop window's system menu
#define IDS_CANNOT_OPEN 102     // "%1:ファイルが開けません"
#define IDS_LIST_TOO_LARGE 103  // "%1:サイズが1Gを超えています。"

// Messages about a checksum list as a whole: %1 is the list.
#define IDS_LIST_SAME_FILE_TWICE 110  // %2: the file an earlier line named too
#define IDS_LIST_TOTAL_DIFFERS 111
#define IDS_LIST_LINES_OUTSIDE 112  // %2: how many lines

// Drop-target window.
#define IDD_DROP 102
#define IDR_DROP_MENU 103
#define IDC_DROP_ICON 1000
#define ID_DROP_ABOUT 32771
#define ID_DROP_ON_TOP 32772
#define ID_DROP_SEND_TO_ADD 32773     // one of the two shows, as the Send To shortcut
#define ID_DROP_SEND_TO_REMOVE 32774  // is absent or present
#define ID_DROP_RECURSIVE 32775
#define ID_DROP_CLOSE 57665          // 0xE141
#define IDM_ABOUT_SYSCOMMAND 0x0010  // system-menu About item

// Icons.
#define IDI_APP 128
#define IDI_IDLE 130
#define IDI_FRAME0 143  // animation frames 143 to 146; 143 is also the result window's icon
#define IDI_FRAME1 144
#define IDI_FRAME2 145
#define IDI_FRAME3 146

// Result window.
#define IDD_RESULT 136
#define IDC_RESULT_LIST 1001
#define IDM_SAVE_RESULT 32  // system-menu item "結果を保存(&A)..."
#define IDR_RESULT_MENU 137  // context menu of the report
#define IDC_RESULT_STATUS 1002
#define ID_RESULT_COPY 32780
#define ID_RESULT_SELECT_ALL 32781
#define ID_RESULT_FIND 32782
#define ID_RESULT_ERRORS_ONLY 32783

// Find box of the result window.
#define IDD_FIND 138
#define IDC_FIND_TEXT 1003

// Progress window of a check started with paths.
#define IDD_PROGRESS 140
#define IDC_PROGRESS_NAME 1010
#define IDC_PROGRESS_FILES 1011
#define IDC_PROGRESS_BYTES 1012
#define IDC_PROGRESS_BAR 1013
#define IDC_PROGRESS_TIME_LEFT 1014

// Application.
#define IDC_HELP_COMMAND 57670  // 0xE146
