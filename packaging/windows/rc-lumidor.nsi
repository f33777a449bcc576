; The Windows installer, built by the windows_installer CMake target:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.3.2 -DFILES=files.nsh -DOUTFILE=setup.exe rc-lumidor.nsi
; FILES defines the macros LUMIDOR_INSTALL_FILES and LUMIDOR_REMOVE_FILES from
; the deployed program folder, so the uninstaller deletes exactly what was
; installed: a settings file written beside the program and the user's preset
; files stay, and so does the folder that holds them.
;
; Silent use: setup.exe /S /AllUsers (or /CurrentUser) [/D=folder];
; uninstall.exe /S, which the Add/Remove Programs entry calls with its mode.
; Exit status 2 when either stopped on purpose: the program still running, an
; earlier copy that would not uninstall, a newer copy installed already.

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
; Preset files: the extension points to the program's own file type, written
; under the mode's classes (HKLM or HKCU, through SHCTX).
!define CLASSES "Software\Classes"
!define EXTENSION ".rcl"
!define PROGID "RCLumidor.PresetFile"
; The program holds a mutex of this name while it runs (common/runningmark.h).
!define RUNNING_MARK "RcLumidorConfiguratorRunning"

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
!include WordFunc.nsh

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
LangString FileTypeName ${LANG_CZECH} "Předvolby RC Lumidor"
LangString FileTypeName ${LANG_ENGLISH} "RC Lumidor presets"
LangString ProgramRunning ${LANG_CZECH} "${PRODUCT} je spuštěn. Zavřete ho, prosím, a zvolte Opakovat."
LangString ProgramRunning ${LANG_ENGLISH} "${PRODUCT} is running. Please close it, then choose Retry."
LangString NewerInstalled ${LANG_CZECH} "Je nainstalována novější verze $R1. Nahradit ji verzí ${VERSION}?"
LangString NewerInstalled ${LANG_ENGLISH} "The newer version $R1 is installed. Replace it with version ${VERSION}?"
LangString EarlierKept ${LANG_CZECH} "Dosavadní instalaci v $R0 se nepodařilo odinstalovat; nic nebylo změněno."
LangString EarlierKept ${LANG_ENGLISH} "The installation in $R0 could not be uninstalled; nothing has been changed."

!include "${FILES}"

; Retries while the program runs; $0 is "cancel" when the user gave up (or
; the run is silent). Both kinds of mark count: another user's copy may run
; from the same all-users folder.
!macro WAIT_FOR_PROGRAM un
Function ${un}MarkExists
    Exch $0
    Push $1
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w r0) p .r1 ?e'
    Pop $0
    ${If} $1 != 0
        System::Call 'kernel32::CloseHandle(p r1)'
        StrCpy $0 1
    ${ElseIf} $0 = 5 ; another user's mark: it exists, but is not ours to open
        StrCpy $0 1
    ${Else}
        StrCpy $0 0
    ${EndIf}
    Pop $1
    Exch $0
FunctionEnd

Function ${un}WaitForProgram
    ${Do}
        Push "${RUNNING_MARK}"
        Call ${un}MarkExists
        Pop $0
        ${If} $0 == 0
            Push "Global\${RUNNING_MARK}"
            Call ${un}MarkExists
            Pop $0
        ${EndIf}
        ${If} $0 == 0
            StrCpy $0 "ok"
            Return
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY retry
        StrCpy $0 "cancel"
        Return
        retry:
    ${Loop}
FunctionEnd
!macroend
!insertmacro WAIT_FOR_PROGRAM ""
!insertmacro WAIT_FOR_PROGRAM "un."

; An earlier install of the same mode is uninstalled first, by its own
; uninstaller (it knows its own files; settings and presets stay), so no file
; of it and no second entry remain. A newer one is replaced only when the
; user says so. Whatever fails stops the install before a file is touched.
Function RemoveEarlierInstall
    ReadRegStr $R0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R0 == ""
    ${OrIfNot} ${FileExists} "$R0\${UNINSTALLER}"
        Return
    ${EndIf}
    ReadRegStr $R1 SHCTX "${UNINSTALL_KEY}" "DisplayVersion"
    ${VersionCompare} "$R1" "${VERSION}" $R2
    ${If} $R2 == 1
        MessageBox MB_YESNO|MB_ICONQUESTION "$(NewerInstalled)" /SD IDNO IDYES replace
        SetErrorLevel 2
        Abort
        replace:
    ${EndIf}
    DetailPrint "$R0\${UNINSTALLER} /S $0"
    ClearErrors
    ; _?= runs it in place, so ExecWait waits for it rather than for a copy.
    ExecWait '"$R0\${UNINSTALLER}" /S $0 _?=$R0' $R2
    ${If} ${Errors}
    ${OrIf} $R2 != 0
        MessageBox MB_OK|MB_ICONSTOP "$(EarlierKept)" /SD IDOK
        SetErrorLevel 2
        Abort
    ${EndIf}
    ; Run in place, it could not remove itself.
    Delete "$R0\${UNINSTALLER}"
    RMDir "$R0"
FunctionEnd

Section "$(NameProgram)" SecProgram
    SectionIn RO
    Call WaitForProgram
    ${If} $0 == "cancel"
        SetErrorLevel 2
        Abort
    ${EndIf}
    ; SHCTX is HKLM for all users and HKCU for the current user.
    ${If} $MultiUser.InstallMode == "AllUsers"
        StrCpy $0 "/AllUsers"
    ${Else}
        StrCpy $0 "/CurrentUser"
    ${EndIf}
    Call RemoveEarlierInstall

    !insertmacro LUMIDOR_INSTALL_FILES
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0 \
        SW_SHOWNORMAL "" "$(ShortcutComment)"

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

    ; The file type, and "Open with" for it. The extension's default is set
    ; only when no other program holds it: a user's choice stays theirs.
    WriteRegStr SHCTX "${CLASSES}\${PROGID}" "" "$(FileTypeName)"
    WriteRegStr SHCTX "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\${EXE},0"
    WriteRegStr SHCTX "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
    WriteRegNone SHCTX "${CLASSES}\${EXTENSION}\OpenWithProgids" "${PROGID}"
    ReadRegStr $1 SHCTX "${CLASSES}\${EXTENSION}" ""
    ${If} $1 == ""
        WriteRegStr SHCTX "${CLASSES}\${EXTENSION}" "" "${PROGID}"
    ${EndIf}
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section /o "$(NameDesktop)" SecDesktop
    CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0 \
        SW_SHOWNORMAL "" "$(ShortcutComment)"
SectionEnd

; No check for 32-bit Windows here: this installer is a 64-bit program, which
; 32-bit Windows refuses to start with a message of its own.
Function .onInit
    !insertmacro MULTIUSER_INIT
    !insertmacro MUI_LANGDLL_DISPLAY
    Call WaitForProgram
    ${If} $0 == "cancel"
        SetErrorLevel 2
        Quit
    ${EndIf}
FunctionEnd

Section "Uninstall"
    ; What the install wrote of the file type, and nothing else: the
    ; extension's default only while it is still ours, each key only when
    ; nothing of another program or of the user is left in it.
    ReadRegStr $1 SHCTX "${CLASSES}\${EXTENSION}" ""
    ${If} $1 == "${PROGID}"
        DeleteRegValue SHCTX "${CLASSES}\${EXTENSION}" ""
    ${EndIf}
    DeleteRegValue SHCTX "${CLASSES}\${EXTENSION}\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty SHCTX "${CLASSES}\${EXTENSION}\OpenWithProgids"
    DeleteRegKey /ifempty SHCTX "${CLASSES}\${EXTENSION}"
    DeleteRegKey SHCTX "${CLASSES}\${PROGID}\shell\open\command"
    DeleteRegKey /ifempty SHCTX "${CLASSES}\${PROGID}\shell\open"
    DeleteRegKey /ifempty SHCTX "${CLASSES}\${PROGID}\shell"
    DeleteRegKey SHCTX "${CLASSES}\${PROGID}\DefaultIcon"
    DeleteRegValue SHCTX "${CLASSES}\${PROGID}" ""
    DeleteRegKey /ifempty SHCTX "${CLASSES}\${PROGID}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

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
    Call un.WaitForProgram
    ${If} $0 == "cancel"
        SetErrorLevel 2
        Quit
    ${EndIf}
FunctionEnd
