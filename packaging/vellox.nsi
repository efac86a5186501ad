; The per-user setup program of Tarn Vellox. scripts/package defines VERSION (a.b.c.d),
; EXE, LICENSE, ICON and OUTFILE.
; Silent: /S installs with the defaults, /D=<folder> chooses the folder (last, unquoted);
; /STARTWITHWINDOWS and /EXPLORERMENU turn those options on. An upgrade keeps what the
; user had chosen. The uninstaller: /S keeps the settings and the log of automatic cleaning,
; /S /REMOVESETTINGS removes them too.
Unicode true
; The 64-bit stub: the program is 64-bit, and a 32-bit setup cannot start where Windows
; runs 64-bit programs only.
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh

!define PRODUCT "Tarn Vellox"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarn Vellox"
; What the program itself reads and writes; the names must stay the program's own:
; the settings key and the Run value keep the title's leading blank (src/app/app_identity.h),
; the verb is src/app/explorer_verb.h's, the mutex src/app/application.cpp's, the class and
; the message src/ui/win32/resources/resource.h's.
!define SETTINGS_KEY "Software\ Tarn Vellox"
; The program's own start-with-Windows option: each close of its window writes or deletes
; the Run value from it (src/app/user_prefs.cpp).
!define AUTOSTART_KEY "Software\ Tarn Vellox\Settings"
!define AUTOSTART_VALUE "autostart"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE " Tarn Vellox"
!define FILE_VERB_KEY "Software\Classes\*\shell\TarnVellox.Shred"
!define FOLDER_VERB_KEY "Software\Classes\Directory\shell\TarnVellox.Shred"
!define VERB_TEXT "Shred with Tarn Vellox"
!define INSTANCE_MUTEX "Local\TarnVellox.SingleInstance"
; Held by a Vellox from the moment it takes the request to end (src/app/application.h).
!define ENDING_MUTEX "Local\TarnVellox.Ending"
; How long its exit may take, kExitCleanTime in src/app/application.h, and a little more, in
; tenths of a second; and how long a Vellox that does not take the request is given.
!define EXIT_WAIT_TENTHS 1300
!define ANSWER_WAIT_TENTHS 100
; The log of automatic cleaning: the time of every clean, the names of browsers and profiles.
!define LOG_FOLDER "$LOCALAPPDATA\Tarn Vellox"
!define TRAY_CLASS "TarnVelloxTray"
!define EXIT_MESSAGE "TarnVellox.Exit"
!define SHORTCUT "$SMPROGRAMS\Tarn Vellox.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tarn Vellox"
; An upgrade goes where the installed version is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Tarn Vellox setup"
VIAddVersionKey /LANG=1033 "CompanyName" "Tarn Vellox Software, Inc."
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 Tarn Vellox Software, Inc."

Var StartWithWindows
Var ExplorerMenu
Var StartCheck
Var MenuCheck
; Set when a running Vellox was ended, so that it runs again afterwards.
Var WasRunning

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
Page custom OptionsPage OptionsPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vellox.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Tarn Vellox now"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Asks every running Vellox to end, as its tray "Exit" with OK would, and waits until its
; single-instance mutex is gone. A Vellox that took the request is given as long as its exit's
; own deadline; one that never takes it does not answer. Either way Retry is offered after.
!macro END_RUNNING_VELLOX un
Function ${un}EndRunningVellox
  StrCpy $WasRunning 0
  System::Call 'user32::RegisterWindowMessageW(w "${EXIT_MESSAGE}") i .r1'
again:
  Call ${un}VelloxRuns
  Pop $0
  ${If} $0 == 0
    Return
  ${EndIf}
  StrCpy $WasRunning 1
  StrCpy $2 0
  ${Do}
    FindWindow $2 "${TRAY_CLASS}" "" "" $2
    ${IfThen} $2 == 0 ${|} ${ExitDo} ${|}
    System::Call 'user32::PostMessageW(p r2, i r1, p 0, p 0)'
  ${Loop}
  ; A wipe ends after the write in progress, then the exit's own cleaning runs, if the user
  ; asked for it, both within the exit's deadline.
  StrCpy $4 0
  ${For} $3 1 ${EXIT_WAIT_TENTHS}
    Call ${un}VelloxRuns
    Pop $0
    ${IfThen} $0 == 0 ${|} Return ${|}
    ${If} $4 == 0
      Call ${un}VelloxEnding
      Pop $4
    ${EndIf}
    ${If} $4 == 0
    ${AndIf} $3 >= ${ANSWER_WAIT_TENTHS}
      ${ExitFor}
    ${EndIf}
    Sleep 100
  ${Next}
  ${If} $4 == 0
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Tarn Vellox does not respond. End it in Task Manager, then click Retry." \
      /SD IDCANCEL IDRETRY again
    Abort "Tarn Vellox does not respond."
  ${EndIf}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Tarn Vellox is still running. Close it, then click Retry." \
    /SD IDCANCEL IDRETRY again
  Abort "Tarn Vellox is still running."
FunctionEnd

; Pushes 1 once a Vellox has begun to end: it holds the ending mutex.
Function ${un}VelloxEnding
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${ENDING_MUTEX}") p .r5'
  ${If} $5 == 0
    Push 0
  ${Else}
    System::Call 'kernel32::CloseHandle(p r5)'
    Push 1
  ${EndIf}
FunctionEnd

; Pushes 1 while a Vellox of this user runs: it holds the mutex.
Function ${un}VelloxRuns
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${INSTANCE_MUTEX}") p .r0'
  ${If} $0 == 0
    Push 0
  ${Else}
    System::Call 'kernel32::CloseHandle(p r0)'
    Push 1
  ${EndIf}
FunctionEnd
!macroend
!insertmacro END_RUNNING_VELLOX ""
!insertmacro END_RUNNING_VELLOX "un."

; The options start as the user has them now, so that an upgrade changes nothing unasked.
Function .onInit
  StrCpy $StartWithWindows ${BST_UNCHECKED}
  StrCpy $ExplorerMenu ${BST_UNCHECKED}
  ReadRegStr $0 HKCU "${AUTOSTART_KEY}" "${AUTOSTART_VALUE}"
  ${IfThen} $0 == "1" ${|} StrCpy $StartWithWindows ${BST_CHECKED} ${|}
  ReadRegStr $0 HKCU "${FILE_VERB_KEY}\command" ""
  ${IfThen} $0 != "" ${|} StrCpy $ExplorerMenu ${BST_CHECKED} ${|}
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/STARTWITHWINDOWS" $0
  ${IfNot} ${Errors}
    StrCpy $StartWithWindows ${BST_CHECKED}
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/EXPLORERMENU" $0
  ${IfNot} ${Errors}
    StrCpy $ExplorerMenu ${BST_CHECKED}
  ${EndIf}
FunctionEnd

Function OptionsPage
  !insertmacro MUI_HEADER_TEXT "Options" "Choose how Tarn Vellox fits into Windows."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateCheckbox} 0 0 100% 12u "Start Tarn Vellox with Windows"
  Pop $StartCheck
  ${NSD_SetState} $StartCheck $StartWithWindows
  ${NSD_CreateCheckbox} 0 20u 100% 12u "Add 'Shred with Tarn Vellox' to Explorer's menu"
  Pop $MenuCheck
  ${NSD_SetState} $MenuCheck $ExplorerMenu
  nsDialogs::Show
FunctionEnd

Function OptionsPageLeave
  ${NSD_GetState} $StartCheck $StartWithWindows
  ${NSD_GetState} $MenuCheck $ExplorerMenu
FunctionEnd

; The verb as the program's check box writes it.
!macro WRITE_VERB key
  WriteRegStr HKCU "${key}" "" "${VERB_TEXT}"
  WriteRegStr HKCU "${key}" "Icon" "$INSTDIR\vellox.exe,0"
  WriteRegStr HKCU "${key}\command" "" '"$INSTDIR\vellox.exe" --wipe "%1"'
!macroend

; The same values the program writes: the quoted path, so that blanks cannot start another
; program. Its own option too, or its first exit would take the Run value back; an option the
; user never set stays unset.
Function WriteOptions
  ${If} $StartWithWindows == ${BST_CHECKED}
    WriteRegStr HKCU "${AUTOSTART_KEY}" "${AUTOSTART_VALUE}" "1"
    WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\vellox.exe"'
  ${Else}
    ReadRegStr $0 HKCU "${AUTOSTART_KEY}" "${AUTOSTART_VALUE}"
    ${IfThen} $0 != "" ${|} WriteRegStr HKCU "${AUTOSTART_KEY}" "${AUTOSTART_VALUE}" "0" ${|}
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
  ${If} $ExplorerMenu == ${BST_CHECKED}
    !insertmacro WRITE_VERB "${FILE_VERB_KEY}"
    !insertmacro WRITE_VERB "${FOLDER_VERB_KEY}"
  ${Else}
    DeleteRegKey HKCU "${FILE_VERB_KEY}"
    DeleteRegKey HKCU "${FOLDER_VERB_KEY}"
  ${EndIf}
FunctionEnd

Section "Tarn Vellox"
  Call EndRunningVellox
  SetOutPath "$INSTDIR"
  File "/oname=vellox.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\vellox.exe"
  Call WriteOptions

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tarn Vellox Software, Inc."
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vellox.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; The finish page offers the start; a silent upgrade starts again what it ended.
  ${If} ${Silent}
  ${AndIf} $WasRunning == 1
    Exec '"$INSTDIR\vellox.exe"'
  ${EndIf}
SectionEnd

Section "Uninstall"
  Call un.EndRunningVellox
  Delete "$INSTDIR\vellox.exe"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: what the user put there stays.
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${FILE_VERB_KEY}"
  DeleteRegKey HKCU "${FOLDER_VERB_KEY}"
  ; /REMOVESETTINGS answers Yes without asking, for a silent uninstall.
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVESETTINGS" $0
  ${If} ${Errors}
    MessageBox MB_YESNO|MB_ICONQUESTION "Remove Tarn Vellox's settings as well?" /SD IDNO IDNO keep
  ${EndIf}
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  ; The log goes with the settings; its folder only when nothing else is left in it.
  Delete "${LOG_FOLDER}\clean.log"
  Delete "${LOG_FOLDER}\clean.log.1"
  RMDir "${LOG_FOLDER}"
keep:
  ; Last: once the entry is gone, the uninstall is done.
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
