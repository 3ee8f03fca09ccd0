; The Kickpool setup program for 64-bit Windows. scripts/build-windows.sh passes:
;   VERSION  the program's version        STAGE    the folder of the installed files
;   ICON     the program's icon (.ico)    OUTFILE  the setup program to write
;
; The user chooses to install for all users (Program Files, needs administrator rights) or only
; for themself (their own programs folder). Silent: kickpool-VERSION-setup.exe /S /CurrentUser
; (or /AllUsers). Seasons are never kept in the program's folder: an installed Kickpool keeps
; them in %APPDATA%\Kickpool, which the uninstaller leaves alone.

; A 64-bit setup program for a 64-bit program: it runs where Kickpool runs, and under a Wine
; that has no 32-bit half.
Target amd64-unicode
SetCompressor /SOLID lzma

!define APP "Kickpool"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kickpool"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "Kickpool"
!define MULTIUSER_USE_PROGRAMFILES64
!include MultiUser.nsh
!include MUI2.nsh

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\kickpool.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${APP}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${APP} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Kickpool developers"

Function .onInit
  SetRegView 64
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Kickpool" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  ; The programs, the Qt libraries and plugins, share\kickpool (the demo season and the sound cues
  ; that the first start copies into the user's folder) and share\doc.
  File /r "${STAGE}\*.*"
  File "/oname=kickpool.ico" "${ICON}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\Kickpool.lnk" "$INSTDIR\kickpool.exe" "" "$INSTDIR\kickpool.ico" 0

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Kickpool developers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kickpool.ico"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the setup program installed, and nothing else: the seasons, backups and printouts
; in %APPDATA%\Kickpool stay, and so does anything the user put into the program's folder.
Section "Uninstall"
  Delete "$SMPROGRAMS\Kickpool.lnk"
  Delete "$INSTDIR\kickpool.exe"
  Delete "$INSTDIR\kickpool-cli.exe"
  Delete "$INSTDIR\kickpool.ico"
  Delete "$INSTDIR\*.dll"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\printsupport"
  RMDir /r "$INSTDIR\tls"
  RMDir /r "$INSTDIR\share"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
