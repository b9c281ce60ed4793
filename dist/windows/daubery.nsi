; Daubery's installer for Windows: the game in Program Files, in the Start menu with its icon, and its
; uninstaller in Windows' list of programs. makensis gets VERSION, PROGRAM (daubery.exe), ICON,
; LICENSE, WEB_ADDRESS and OUTFILE with -D.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Daubery"

Name "Daubery"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\Daubery"
RequestExecutionLevel admin
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Daubery"
VIAddVersionKey /LANG=1033 "FileDescription" "Daubery ${VERSION} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "GNU General Public License, version 3 or later"

LicenseData "${LICENSE}"
Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Daubery"
  SetOutPath "$INSTDIR"
  File "/oname=daubery.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Daubery.lnk" "$INSTDIR\daubery.exe" "" "$INSTDIR\daubery.exe" 0 \
    SW_SHOWNORMAL "" "Play 75-ball bingo against computer players"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Daubery"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\daubery.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Daubery"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${WEB_ADDRESS}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; The size Windows shows, in kilobytes.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Daubery.lnk"
  Delete "$INSTDIR\daubery.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
