; The Windows installer.  Built by the build (cmake/package.cmake) with
;   makensis -INPUTCHARSET UTF8 -DVERSION=... -DBIN=... -DROOT=... -DOUTFILE=... Vorndel.nsi
; It installs for the current user or for every user of the machine,
; offers Vorndel in "Open with" for web files without taking over their
; default program, and leaves the user's settings and tag library behind
; when it is removed: they live in the user's application-data folder, which
; neither side touches.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!ifndef VERSION | BIN | ROOT | OUTFILE
  !error "VERSION, BIN, ROOT and OUTFILE must be defined"
!endif

!define PRODUCT "Vorndel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define PROGID "Vorndel.Document"
!define APP_KEY "Software\Classes\Applications\Vorndel.exe"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_USE_PROGRAMFILES64
; A later installer or the uninstaller finds the earlier choice here.
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PRODUCT}"

!define MUI_ICON "${ROOT}\res\vorndel.ico"
!define MUI_UNICON "${ROOT}\res\vorndel.ico"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_ALLLANGUAGES

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Vorndel.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
!include "strings_english.nsh"
!include "strings_japanese.nsh"

; The files of a release, as the portable zip has them too.
!macro ProgramFiles
  File "${BIN}\Vorndel.exe"
  File "${BIN}\English.dll"
  File "${BIN}\Japanese.dll"
  File "${BIN}\OptTags_en.txt"
  File "${BIN}\Vorndel.chm"
!macroend

; The extensions offered "Open with Vorndel".
!macro ForEachExtension MACRO
  !insertmacro ${MACRO} ".html"
  !insertmacro ${MACRO} ".htm"
  !insertmacro ${MACRO} ".xhtml"
  !insertmacro ${MACRO} ".xml"
  !insertmacro ${MACRO} ".css"
  !insertmacro ${MACRO} ".js"
  !insertmacro ${MACRO} ".php"
  !insertmacro ${MACRO} ".txt"
!macroend

!macro OfferExtension EXTENSION
  WriteRegStr SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids" "${PROGID}" ""
  WriteRegStr SHCTX "${APP_KEY}\SupportedTypes" "${EXTENSION}" ""
!macroend

!macro WithdrawExtension EXTENSION
  DeleteRegValue SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids"
!macroend

Function .onInit
  ; /D= sets the folder before this runs; the install mode must not undo it.
  StrCpy $0 $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${EndIf}
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "!$(SectionProgram)" SectionProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  !insertmacro ProgramFiles
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Vorndel.exe"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vorndel.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SectionProgram} $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(SectionOpenWith)" SectionOpenWith
  WriteRegStr SHCTX "${APP_KEY}" "FriendlyAppName" "${PRODUCT}"
  WriteRegStr SHCTX "${APP_KEY}\DefaultIcon" "" "$INSTDIR\Vorndel.exe,0"
  WriteRegStr SHCTX "${APP_KEY}\shell\open\command" "" '"$INSTDIR\Vorndel.exe" "%1"'
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "$(DocumentType)"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\Vorndel.exe,0"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\Vorndel.exe" "%1"'
  !insertmacro ForEachExtension OfferExtension
  ; SHCNE_ASSOCCHANGED: Explorer rereads the associations.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section /o "$(SectionDesktop)" SectionDesktop
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\Vorndel.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "$(SectionProgramText)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionOpenWith} "$(SectionOpenWithText)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "$(SectionDesktopText)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Removes only what the installer put there, by name: a file the user left
; in the folder keeps it, and the settings folder is never touched.
Section "Uninstall"
  Delete "$INSTDIR\Vorndel.exe"
  Delete "$INSTDIR\English.dll"
  Delete "$INSTDIR\Japanese.dll"
  Delete "$INSTDIR\OptTags_en.txt"
  Delete "$INSTDIR\Vorndel.chm"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"

  !insertmacro ForEachExtension WithdrawExtension
  DeleteRegKey SHCTX "${APP_KEY}"
  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
