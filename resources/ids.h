// Resource and control ids, shared by the .rc files and the code.
#pragma once

#define IDB_BACKGROUND 500
#define IDI_LARGE 501
#define IDI_SMALL 502

// Main dialog
#define IDC_SETUP_DIRECTX 100
#define IDC_PLAY 102
#define IDM_SAVE_AND_QUIT 103
#define IDC_SOUND 200
#define IDC_SPEECH 201
#define IDC_CINEMATICS 202
#define IDC_ACTION_PAN 203
#define IDC_FULL_SCREEN 204
#define IDC_INSTALL 205
#define IDC_LANGUAGE_FIRST 300
#define IDC_LANGUAGE_LAST 305

// Install dialog
#define IDC_FREE_SPACE 1002
#define IDC_LEVEL_MINIMUM 1003
#define IDC_LEVEL_STANDARD 1004
#define IDC_LEVEL_FULL 1005
#define IDC_INSTALL_CANCEL 1006
#define IDC_DRIVE_FIRST 1010
#define IDC_DRIVE_LAST 1033

// Progress dialog
#define IDC_PROGRESS_STATUS 1200
#define IDC_PROGRESS_CANCEL 1201

// String table rows: a text's id is its row plus the language index.
#define IDS_LANGUAGE_NAMES 600
#define IDS_SOUND 610
#define IDS_SPEECH 620
#define IDS_CINEMATICS 630
#define IDS_ACTION_PAN 640
#define IDS_FULL_SCREEN 650
#define IDS_SETUP_DIRECTX 660
#define IDS_INSTALL_FILES 670
#define IDS_LEVEL_MINIMUM 680
#define IDS_LEVEL_STANDARD 690
#define IDS_LEVEL_FULL 700
#define IDS_FREE_SPACE 710
#define IDS_COPYING 720
#define IDS_COPYING_TO 730

// The system's control classes by ordinal, as templates name them.
#define BUTTON_CLASS 0x0080
#define STATIC_CLASS 0x0082
