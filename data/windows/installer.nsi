; The installer of Kandelo for Windows, built by scripts/windows with makensis:
;   makensis -DVERSION=1.2 -DSTAGE=<the installed folder> -DICON=kandelo.ico -DOUTFILE=<setup.exe> installer.nsi
; A user without administrator rights installs for themselves (under
; %LOCALAPPDATA%\Programs); run as administrator it installs for every user
; (under Program Files). /S installs without a window; /CurrentUser and
; /AllUsers choose. The uninstaller removes everything it installed.
; A 64-bit installer, for a 64-bit program.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Kandelo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kandelo"
!include MultiUser.nsh
!include MUI2.nsh

Name "KandeloVer${VERSION}"
OutFile "${OUTFILE}"
BrandingText "KandeloVer${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1041 "ProductName" "KandeloVer${VERSION}"
VIAddVersionKey /LANG=1041 "FileDescription" "Kandelo ${VERSION} のインストーラー"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${MUI_ICON}"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Function .onInit
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Kandelo"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Kandelo.lnk" "$INSTDIR\kandelo.exe"
    CreateShortCut "$SMPROGRAMS\Kandelo 月別の力率.lnk" "$INSTDIR\kandelo.exe" "--months"
    ; The uninstaller, as Windows' list of programs shows it: the user's
    ; registry or the machine's, as the shell's context is (SHCTX).
    ${If} $MultiUser.InstallMode == AllUsers
        SetRegView 64
    ${EndIf}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "KandeloVer${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kandelo.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Kandelo.lnk"
    Delete "$SMPROGRAMS\Kandelo 月別の力率.lnk"
    RMDir /r "$INSTDIR"
    ${If} $MultiUser.InstallMode == AllUsers
        SetRegView 64
    ${EndIf}
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
