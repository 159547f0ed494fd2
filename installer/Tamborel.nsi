; The Windows installer of one build: a per-user install (settings live beside the program and are
; written by it, so the folder must be the user's), a start-menu shortcut, an optional per-user
; association of .hsp and .as, and an uninstaller registered for the user.
;
; makensis -DVERSION=1.0.0 -DTARGET=amd64-unicode -DDIST=<program directory> -DICON=<icon> -DOUTFILE=<setup.exe>
;
; Upgrading replaces the program's own files and never touches what the user made or changed:
; lexer\*.xml (the settings), lexer\_common.kw (the user's keywords), log\, work\ and the client
; folders the user added. Uninstalling removes the program's files and asks about the rest
; (silently: /REMOVESETTINGS removes it, anything else keeps it).

Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define PRODUCT "Tamborel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tamborel"
!define SETTINGS_KEY "Software\Tamborel"
!define SCRIPT_CLASS "Tamborel.HspScript"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tamborel"
InstallDirRegKey HKCU "${SETTINGS_KEY}" "InstallDir"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=1041 "LegalCopyright" "${PRODUCT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tamborel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Tamborel を起動する"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Var removeSettings

Section "Tamborel 本体" SectionProgram
    SectionIn RO
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${DIST}/Tamborel.exe"
    File "${DIST}/Tamborel.html"
    File /nonfatal /r "${DIST}/help"
    File /r "${DIST}/library"
    File /r "${DIST}/template"
    SetOutPath "$INSTDIR\lexer"
    File "${DIST}/lexer/_common.ct"
    File "${DIST}/lexer/_common.cc"
    ; The user's keyword list: the shipped one only where there is none yet.
    SetOverwrite off
    File "${DIST}/lexer/_common.kw"
    SetOverwrite on
    SetOutPath "$INSTDIR\client"
    File /nonfatal /r "${DIST}/client/*"
    CreateDirectory "$INSTDIR\log"
    CreateDirectory "$INSTDIR\work"
    SetOutPath "$INSTDIR"

    WriteUninstaller "$INSTDIR\uninstall.exe"
    WriteRegStr HKCU "${SETTINGS_KEY}" "InstallDir" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tamborel.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    CreateDirectory "$SMPROGRAMS\Tamborel"
    CreateShortcut "$SMPROGRAMS\Tamborel\Tamborel.lnk" "$INSTDIR\Tamborel.exe"
    CreateShortcut "$SMPROGRAMS\Tamborel\Tamborel のアンインストール.lnk" "$INSTDIR\uninstall.exe"
SectionEnd

Section /o ".hsp と .as を関連付ける" SectionAssociate
    WriteRegStr HKCU "Software\Classes\${SCRIPT_CLASS}" "" "HSP スクリプト"
    WriteRegStr HKCU "Software\Classes\${SCRIPT_CLASS}\DefaultIcon" "" "$INSTDIR\Tamborel.exe,0"
    WriteRegStr HKCU "Software\Classes\${SCRIPT_CLASS}\shell\open\command" "" '"$INSTDIR\Tamborel.exe" "%1"'
    WriteRegStr HKCU "Software\Classes\.hsp" "" "${SCRIPT_CLASS}"
    WriteRegStr HKCU "Software\Classes\.as" "" "${SCRIPT_CLASS}"
    WriteRegDWORD HKCU "${SETTINGS_KEY}" "Associated" 1
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

LangString DescriptionProgram ${LANG_JAPANESE} "エディタ本体、エディットコンポーネント、テンプレート、キーワード、ヘルプ。"
LangString DescriptionAssociate ${LANG_JAPANESE} "エクスプローラーで .hsp と .as のファイルを開くと Tamborel で開くようにします（このユーザーだけ）。"
!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} $(DescriptionProgram)
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionAssociate} $(DescriptionAssociate)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function un.onInit
    StrCpy $removeSettings 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVESETTINGS" $1
    ${IfNot} ${Errors}
        StrCpy $removeSettings 1
    ${EndIf}
    ${IfNot} ${Silent}
        MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "設定ファイル（lexer フォルダ）、ユーザーキーワード、ログ、作業フォルダ、追加したクライアントも削除しますか？$\r$\n「いいえ」を選ぶと、これらは残り、次にインストールしたときにそのまま使われます。" IDYES remove IDNO keep
        remove:
            StrCpy $removeSettings 1
        keep:
    ${EndIf}
FunctionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$INSTDIR\Tamborel.exe"
    Delete "$INSTDIR\Tamborel.html"
    RMDir /r "$INSTDIR\help"
    RMDir /r "$INSTDIR\library"
    RMDir /r "$INSTDIR\template"
    RMDir /r "$INSTDIR\client\run"
    Delete "$INSTDIR\lexer\_common.ct"
    Delete "$INSTDIR\lexer\_common.cc"
    ${If} $removeSettings == 1
        RMDir /r "$INSTDIR\lexer"
        RMDir /r "$INSTDIR\log"
        RMDir /r "$INSTDIR\work"
        RMDir /r "$INSTDIR\client"
    ${EndIf}
    ; Folders left empty go; what the user kept stays.
    RMDir "$INSTDIR\client"
    RMDir "$INSTDIR\work"
    RMDir "$INSTDIR\log"
    RMDir "$INSTDIR\lexer"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\Tamborel\Tamborel.lnk"
    Delete "$SMPROGRAMS\Tamborel\Tamborel のアンインストール.lnk"
    RMDir "$SMPROGRAMS\Tamborel"

    ReadRegDWORD $0 HKCU "${SETTINGS_KEY}" "Associated"
    ${If} $0 == 1
        ReadRegStr $1 HKCU "Software\Classes\.hsp" ""
        ${If} $1 == "${SCRIPT_CLASS}"
            DeleteRegKey HKCU "Software\Classes\.hsp"
        ${EndIf}
        ReadRegStr $1 HKCU "Software\Classes\.as" ""
        ${If} $1 == "${SCRIPT_CLASS}"
            DeleteRegKey HKCU "Software\Classes\.as"
        ${EndIf}
        DeleteRegKey HKCU "Software\Classes\${SCRIPT_CLASS}"
        System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    ${EndIf}
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
