; The per-user installer. makensis is given VERSION, CAPTION, PACKAGE (the folder laid out as
; the zip), FILES (the uninstall list written with it) and OUT_FILE.
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

Name "Tockly ${CAPTION}"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\Tockly"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Tockly ${CAPTION}"
!define MUI_ICON "${PACKAGE}\Tockly.ico"
!define MUI_UNICON "${PACKAGE}\Tockly.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tockly.exe"
!define MUI_FINISHPAGE_RUN_TEXT "运行 Tockly"

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
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "Tockly"

Section
  SetOutPath "$INSTDIR"
  File /r "${PACKAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The control is found beside the program through its manifest: nothing is registered.
  CreateShortcut "$SMPROGRAMS\Tockly.lnk" "$INSTDIR\Tockly.exe" "" "$INSTDIR\Tockly.ico" 0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tockly ${CAPTION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tockly"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tockly.ico"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Only what was installed goes, file by file: the settings file "数据库" and voice packs the
  ; user added stay, with the folders holding them.
  !include "${FILES}"
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
