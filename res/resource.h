// Resource IDs, shared by dalvorn.rc and the program.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_DALVORN_DIALOG 102
#define IDD_MOVE_REPORT 134
#define IDD_RESTORE_GAUGES 136
#define IDD_RESTORE_REPORT 137

// Strings
#define IDS_ABOUTBOX 101
#define IDS_RESTORE 103

// Icon and bitmap
#define IDR_MAINFRAME 128
#define IDB_DONATE 133

// Controls
#define IDC_FOLDER 1000
#define IDC_DESTINATION 1000
#define IDC_BROWSE 1001
#define IDC_MOVE_SELECTED 1004
#define IDC_SCAN 1006
#define IDC_GAUGE_TREE 1007
#define IDC_DONATE 1010
#define IDC_TOTAL 1011
#define IDC_MOVED 1012
#define IDC_LEFT 1013
#define IDC_RESTORE_TREE 1020
#define IDC_RESTORE_SELECTED 1021

// Commands
#define IDM_ABOUTBOX 0x0010
#define IDM_RESTORE 0x0020
#define ID_APP_ABOUT 0xE140

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
