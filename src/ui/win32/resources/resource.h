#pragma once
// Resource and control IDs of vellox.exe. The resource compiler reads this file
// too, so it holds plain numbers; the names for C++ only sit under !RC_INVOKED.
//
// Window layout for drivers: the main window is a dialog of class
// VELLOX_MAIN_CLASS captioned " Tarn Vellox". Its direct children are the tab
// control, the eight page windows, the buttons, the banner and the status bar.
// The controls of a tab are children of that tab's page window:
//   GetDlgItem(GetDlgItem(main, IDC_PAGE_GENERAL), IDC_CHKAUTOSTART).
// Every ID below is unique in the whole window, so a walk of all descendants by
// ID finds each control as well.

// Icons, bitmaps, dialog templates.
#define IDI_VELLOX 1
#define IDB_BANNER 101
#define IDB_LOGO 102
#define IDB_SPLASH 103
#define IDD_MAIN 200
#define IDD_PAGE_GENERAL 201
#define IDD_PAGE_COOKIES 202
#define IDD_PAGE_CACHE 203
#define IDD_PAGE_HISTORY 204
#define IDD_PAGE_WIPE 205
#define IDD_PAGE_ABOUT 206
#define IDD_PAGE_BROWSERS 207
#define IDD_PAGE_WINDOWS 208
#define IDD_KEEPCOOKIES 220
#define IDD_SPLASH 210

// Strings: the program's title, for the windows and boxes the window layer makes.
#define IDS_APP_TITLE 1

// The main window.
#define IDC_SSTAB1 1000
#define IDC_CMDOK 1001
#define IDC_CMDHELP 1002
#define IDC_SBAR 1003
#define IDC_PICTURE1 1004

// Page windows, in tab order (tab index = ID - IDC_PAGE_GENERAL).
#define IDC_PAGE_GENERAL 1010
#define IDC_PAGE_COOKIES 1011
#define IDC_PAGE_CACHE 1012
#define IDC_PAGE_HISTORY 1013
#define IDC_PAGE_BROWSERS 1014
#define IDC_PAGE_WINDOWS 1015
#define IDC_PAGE_WIPE 1016
#define IDC_PAGE_ABOUT 1017

// Tab 0 "General".
#define IDC_FRAME1 1100
#define IDC_CHKAUTOSTART 1101
#define IDC_CHKDELONSTART 1102
#define IDC_CHKDELONSHUTDOWN 1103
#define IDC_CHKAUTOCLEARCOOKIES 1104
#define IDC_CHKAUTOCLEARCACHE 1105
#define IDC_CHKAUTOCLEARHISTORY 1106
#define IDC_FRAME5 1107
#define IDC_CHKDELTEMPFILES 1108
#define IDC_CHKEMPTYRECYCLEBIN 1109
#define IDC_CHKAUTODELWINDOWS 1110

// Tab 1 "Cookies".
#define IDC_FRAME2 1200
#define IDC_LABEL1 1201
#define IDC_TXTCOOKIEDIR 1202
#define IDC_LABEL2 1203
#define IDC_LSTCOOKIES 1204
#define IDC_CMDSELECTALLCOOKIES 1205
#define IDC_CMDSELECTNOCOOKIES 1206
#define IDC_CMDINVERTCOOKIESSELECTION 1207
#define IDC_CMDDELCOOKIES 1208

// Tab 2 "Cache".
#define IDC_FRAME3 1300
#define IDC_LIST1 1301
#define IDC_CMDDELSELFROMCACHE 1302
#define IDC_CMDDELALLFROMCACHE 1303
#define IDC_CMDINVERTCACHESEL 1304
#define IDC_CHKDELCACHEDPASSWORDS 1305

// Tab 3 "Browser History".
#define IDC_FRAME4 1400
#define IDC_URLS 1401
#define IDC_CMDCLEARHISTORY 1402

// Tab 4 "Browsers".
#define IDC_FRAME10 1800
#define IDC_LSTBROWSERS 1801
#define IDC_CMDANALYZE 1802
#define IDC_CMDCLEAN 1803
#define IDC_CMDKEEPCOOKIES 1804

// Tab "Windows".
#define IDC_FRAME11 2000
#define IDC_LSTWINDOWS 2001
#define IDC_CMDANALYZEWINDOWS 2002
#define IDC_CMDCLEANWINDOWS 2003

// The "Cookies to Keep" dialog.
#define IDC_LBLSITES 1900
#define IDC_LSTSITES 1901
#define IDC_LBLKEPT 1902
#define IDC_LSTKEPT 1903
#define IDC_CMDKEEP 1904
#define IDC_CMDREMOVE 1905

// Tab 5 "Secure Wipe".
#define IDC_FRAME6 1500
#define IDC_FRAMEFOLDER 1501
#define IDC_LABEL3 1502
#define IDC_TXTFOLDERTOWIPE 1503
#define IDC_CMDBROWSEFORFOLDER 1504
#define IDC_FRAMEFILE 1505
#define IDC_LABEL4 1506
#define IDC_TXTFILETOWIPE 1507
#define IDC_CMDBROWSEFORFILE 1508
#define IDC_CHKSECUREFORALL 1509
#define IDC_FRAME9 1510
#define IDC_OPTQUICK 1511
#define IDC_OPTDOD 1512
#define IDC_CMDWIPE 1513
#define IDC_CHKEXPLORERVERB 1514
#define IDC_PRGWIPE 1515
#define IDC_LBLWIPEFILES 1516
#define IDC_FRAMEFREESPACE 1517
#define IDC_LSTDRIVES 1518
#define IDC_CMDWIPEFREESPACE 1519

// Tab 6 "&About".
#define IDC_PICTURE2 1600
#define IDC_LBLAPPNAME 1601
#define IDC_LBLPROGINFO 1602
#define IDC_LBLADDRESS 1603
#define IDC_LBLWARNING 1604
#define IDC_LBLURL 1605
#define IDC_LINE1 1606
#define IDC_CMDCHECKFORUPDATES 1607
#define IDC_LBLCLEANLOG 1608

// The splash window.
#define IDC_SPLASH_PICTURE1 1700
#define IDC_LBLACTION 1701
#define IDC_LBLVERSION 1702
#define IDC_LBLGENERAL 1703

// Tray menu items (the command TrackPopupMenu returns).
#define IDM_MNUSHOW 40001
#define IDM_MNUABOUT 40002
#define IDM_MNUEXIT 40003

// The tray icon's callback message (WM_APP + 1); lParam's low word is the mouse message.
#define WM_VELLOX_TRAYICON 0x8001
// The tray icon's uID.
#define VELLOX_TRAY_ICON_ID 1

#ifndef RC_INVOKED
// Window classes, for FindWindowW.
#define VELLOX_MAIN_CLASS L"TarnVelloxMain"
#define VELLOX_TRAY_CLASS L"TarnVelloxTray"
#define VELLOX_SPLASH_CLASS L"TarnVelloxSplash"
// The registered message that asks the tray window to end the program, as "Exit" with OK
// does; the installer and the uninstaller send it (packaging/vellox.nsi names it too).
#define VELLOX_EXIT_MESSAGE L"TarnVellox.Exit"
#endif
