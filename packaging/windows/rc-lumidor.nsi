; The Windows installer, built by the windows_installer CMake target:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.3.2 -DFILES=files.nsh -DOUTFILE=setup.exe rc-lumidor.nsi
; FILES defines the macros LUMIDOR_INSTALL_FILES and LUMIDOR_REMOVE_FILES from
; the deployed program folder, so the uninstaller deletes exactly what was
; installed: a settings file written beside the program and the user's preset
; files stay, and so does the folder that holds them.
;
; Silent use: setup.exe /S /AllUsers (or /CurrentUser) [/D=folder];
; uninstall.exe /S, which the Add/Remove Programs entry calls with its mode.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!ifdef VERSION & FILES & OUTFILE
!else
  !error "VERSION, FILES and OUTFILE are set by the build"
!endif

!define PRODUCT "RC Lumidor configurator"
!define PUBLISHER "RC Lumidor developers"
!define EXE "rc_lumidor_konfigurator.exe"
!define SHORTCUT "${PRODUCT}.lnk"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\RC Lumidor"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ManifestDPIAware true
ManifestSupportedOS all
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright 2026 ${PUBLISHER}"

; Both modes: all users into Program Files (needs an administrator), the
; current user into %LOCALAPPDATA%\Programs. A later run, the uninstaller
; included, finds the mode of the earlier install from its registry entry.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "RC Lumidor"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include x64.nsh

!define MUI_ICON "rc-lumidor.ico"
!define MUI_UNICON "rc-lumidor.ico"
!define MUI_ABORTWARNING
; The chosen language is kept beside the mode's uninstall entry.
!define MUI_LANGDLL_REGISTRY_ROOT SHCTX
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; No "start the program" box: from an elevated installer the program would
; run as the administrator and find Program Files writable for its settings.
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Czech"
!insertmacro MUI_LANGUAGE "English"

LangString NameProgram ${LANG_CZECH} "Program"
LangString NameProgram ${LANG_ENGLISH} "Program"
LangString NameDesktop ${LANG_CZECH} "Zástupce na ploše"
LangString NameDesktop ${LANG_ENGLISH} "Desktop shortcut"
LangString ShortcutComment ${LANG_CZECH} "Předvolby a konfigurace spínače RC Lumidor"
LangString ShortcutComment ${LANG_ENGLISH} "Presets and configuration of the RC Lumidor switch"
LangString Needs64Bit ${LANG_CZECH} "${PRODUCT} vyžaduje 64bitová Windows."
LangString Needs64Bit ${LANG_ENGLISH} "${PRODUCT} needs 64-bit Windows."

!include "${FILES}"

Section "$(NameProgram)" SecProgram
    SectionIn RO
    !insertmacro LUMIDOR_INSTALL_FILES
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0 \
        SW_SHOWNORMAL "" "$(ShortcutComment)"

    ; SHCTX is HKLM for all users and HKCU for the current user.
    ${If} $MultiUser.InstallMode == "AllUsers"
        StrCpy $0 "/AllUsers"
    ${Else}
        StrCpy $0 "/CurrentUser"
    ${EndIf}
    ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}" $0'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S $0'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ; Written directly: MUI_LANGDLL_SAVELANGUAGE does nothing once uninstaller
    ; pages have been declared.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "${MUI_LANGDLL_REGISTRY_VALUENAME}" $LANGUAGE
SectionEnd

Section /o "$(NameDesktop)" SecDesktop
    CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0 \
        SW_SHOWNORMAL "" "$(ShortcutComment)"
SectionEnd

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_OK|MB_ICONSTOP "$(Needs64Bit)" /SD IDOK
        Abort
    ${EndIf}
    !insertmacro MULTIUSER_INIT
    !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Section "Uninstall"
    !insertmacro LUMIDOR_REMOVE_FILES
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Only if empty: settings and presets the user keeps there hold it.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${SHORTCUT}"
    Delete "$DESKTOP\${SHORTCUT}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd
