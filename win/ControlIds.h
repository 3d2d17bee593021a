#pragma once

// The identifiers of the windows' resources and controls, shared by the resource script, the
// code and the tests that drive the windows by them. Plain macros: the resource compiler reads
// this file too.

#define IDI_PROGRAM 1
#define IDB_PICTURE 2
#define IDD_PROMPT 100
#define IDD_ABOUT 101

// The prompt window.
#define IDC_PROMPT_EDIT1 1004
#define IDC_PROMPT_LABEL1 1005
#define IDC_PROMPT_RADIOBUTTON1 1011
#define IDC_PROMPT_RADIOBUTTON2 1012
#define IDC_PROMPT_RADIOBUTTON3 1013
#define IDC_PROMPT_RADIOBUTTON4 1014
#define IDC_PROMPT_CHECKBOX1 1020
#define IDC_PROMPT_BUTTON1 1031
#define IDC_PROMPT_BUTTON2 1032
#define IDC_PROMPT_BUTTON3 1033
#define IDC_PROMPT_BUTTON4 1034

// The About box ("Info"). OKButton is IDOK.
#define IDC_ABOUT_PANEL1 1101
#define IDC_ABOUT_PROGRAMICON 1102
#define IDC_ABOUT_PRODUCTNAME 1103
#define IDC_ABOUT_LABEL4 1104
#define IDC_ABOUT_MAKERLINE 1105
#define IDC_ABOUT_LABEL1 1106
#define IDC_ABOUT_COMMENTS 1107
#define IDC_ABOUT_EDIT1 1108
#define IDC_ABOUT_LABEL2 1109
#define IDC_ABOUT_EDIT2 1110

// The main window.
#define IDC_DRIVECOMBOBOX1 2001
#define IDC_DIRECTORYLISTBOX1 2002
#define IDC_FILELISTBOX1 2003
#define IDC_LISTBOX1 2004
#define IDC_RADIOBUTTON1 2011
#define IDC_RADIOBUTTON2 2012
#define IDC_SPLITTER1 2021
#define IDC_SPLITTER2 2022
