; Setup program of Zorvik: installs for the current user only, without
; administrator rights, into the user's own program folder, Start menu and
; registry hive. The build passes the product texts, the version and the
; input files with -D (see packaging/CMakeLists.txt).
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestSupportedOS all

!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define UNINSTALLER "uninstall.exe"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; Installing again goes where the last installation went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1040 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1040 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di ${PRODUCT}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
; Nothing of the system is touched, so the stock advice to close every
; program and restart does not apply.
!define MUI_WELCOMEPAGE_TEXT "Questo programma installerà ${PRODUCT} ${VERSION} per l'utente attuale, senza bisogno dei diritti di amministratore.$\r$\n$\r$\nLa classifica di una versione già installata viene conservata.$\r$\n$\r$\nPer proseguire, seleziona 'Avanti'."
!define MUI_FINISHPAGE_RUN "$INSTDIR\zorvik.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Section "${PRODUCT}" SectionProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  ; Over an earlier installation the files are simply replaced; the
  ; leaderboard lies in the user's data folder, not here.
  File "/oname=zorvik.exe" "${EXE}"
  File "/oname=LEGGIMI.txt" "${README}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  ; The shortcut starts the program itself, in its own folder.
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\zorvik.exe" "" "$INSTDIR\zorvik.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zorvik.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; In kilobytes: what this section put in the folder.
  SectionGetSize ${SectionProgram} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Collegamento sul desktop" SectionDesktop
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\zorvik.exe" "" "$INSTDIR\zorvik.exe" 0
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  ; Only the files setup put there: the folder may have been chosen by the
  ; player and hold files of their own, which stay with the folder.
  Delete "$INSTDIR\zorvik.exe"
  Delete "$INSTDIR\LEGGIMI.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
