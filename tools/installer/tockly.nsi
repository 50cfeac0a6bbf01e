; The per-user installer. makensis is given VERSION, CAPTION, PACKAGE (the folder laid out as
; the zip), FILES (the uninstall list written with it), FINISH_PICTURE and OUT_FILE.
Target amd64-unicode
Unicode true
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "StrFunc.nsh"
${UnStrStr}

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tockly"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; Tockly's main window and the message that asks it to quit as 退出(&T) does
; (tockly/win32/tockly_program.cpp).
!define MAIN_WINDOW_CLASS "TocklyForm1"
!define QUIT_REQUEST "Tockly.QuitRequest"
; How long the running copy may take to quit, the time to answer its question about unsaved
; settings included.
!define QUIT_WAIT_MS 15000

Name "Tockly ${CAPTION}"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\Tockly"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Tockly ${CAPTION}"
!define MUI_ICON "${PACKAGE}\Tockly.ico"
!define MUI_UNICON "${PACKAGE}\Tockly.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tockly.exe"
!define MUI_FINISHPAGE_RUN_TEXT "运行 Tockly"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${FINISH_PICTURE}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "Tockly"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "Tockly 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${CAPTION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "Tockly"

; Asks a running Tockly to quit and waits for it to end, since its files cannot be replaced or
; removed while it runs. Aborts, after saying so, when it does not end.
!macro CLOSE_RUNNING_TOCKLY UN
Function ${UN}CloseRunningTockly
  retry:
  FindWindow $0 "${MAIN_WINDOW_CLASS}"
  StrCmp $0 0 closed
  DetailPrint "正在关闭正在运行的 Tockly……"
  System::Call 'user32::RegisterWindowMessageW(w "${QUIT_REQUEST}") i .r1'
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r2)'
  ; SYNCHRONIZE, to wait for the process itself and not only for its window.
  System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r2) p .r3'
  System::Call 'user32::PostMessageW(p r0, i r1, p 0, p 0)'
  StrCpy $4 1
  ${If} $3 P<> 0
    System::Call 'kernel32::WaitForSingleObject(p r3, i ${QUIT_WAIT_MS}) i .r4'
    System::Call 'kernel32::CloseHandle(p r3)'
  ${Else}
    ; No handle to wait on: watch the window instead.
    StrCpy $5 0
    ${Do}
      Sleep 100
      IntOp $5 $5 + 100
      FindWindow $0 "${MAIN_WINDOW_CLASS}"
      ${If} $0 = 0
        StrCpy $4 0
        ${ExitDo}
      ${EndIf}
    ${LoopWhile} $5 < ${QUIT_WAIT_MS}
  ${EndIf}
  StrCmp $4 0 closed
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Tockly 正在运行，无法关闭。请先退出 Tockly（托盘菜单中的“退出”），然后点击“重试”。" /SD IDCANCEL IDRETRY retry
  SetErrorLevel 2
  Abort "Tockly 正在运行，无法关闭。"
  closed:
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_TOCKLY ""
!insertmacro CLOSE_RUNNING_TOCKLY "un."

; One installed file of the uninstall list; one that cannot be deleted is noted in $R9.
!macro REMOVE_FILE PATH
  ClearErrors
  Delete "${PATH}"
  ${If} ${Errors}
    StrCpy $R9 "$R9$\r$\n${PATH}"
  ${EndIf}
!macroend

Section
  Call CloseRunningTockly
  SetOutPath "$INSTDIR"
  File /r "${PACKAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The control is found beside the program through its manifest: nothing is registered.
  CreateShortcut "$SMPROGRAMS\Tockly.lnk" "$INSTDIR\Tockly.exe" "" "$INSTDIR\Tockly.ico" 0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tockly ${CAPTION}"
  ; As the program's caption shows it.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${CAPTION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tockly"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tockly.ico"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Call un.CloseRunningTockly
  ; Only what was installed goes, file by file: the settings file "数据库" and voice packs the
  ; user added stay, with the folders holding them.
  StrCpy $R9 ""
  !include "${FILES}"
  ${If} $R9 != ""
    ; The uninstaller and its entry stay, so that it can be run again once the files are free.
    DetailPrint "无法删除：$R9"
    MessageBox MB_OK|MB_ICONEXCLAMATION "卸载没有完成，以下文件无法删除：$R9$\r$\n$\r$\n请关闭使用这些文件的程序后再次卸载，或手动删除它们。" /SD IDOK
    SetErrorLevel 2
    Abort "卸载没有完成。"
  ${EndIf}
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Tockly.lnk"
  ; The auto-start value goes when it starts this copy; another copy's stays.
  ReadRegStr $0 HKCU "${RUN_KEY}" "Tockly"
  ${UnStrStr} $1 $0 "$INSTDIR\Tockly.exe"
  ${If} $1 != ""
    DeleteRegValue HKCU "${RUN_KEY}" "Tockly"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
