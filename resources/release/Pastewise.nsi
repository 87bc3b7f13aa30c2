; The per-user installer and its uninstaller. Made by scripts/package.sh:
;   makensis -DVERSION=2.2 -DSTAGE=<folder with the files> -DICON=<.ico> -DOUTFILE=<setup.exe>
; STAGE holds Pastewise.exe, README.txt, LICENSE.txt and CHANGES.txt with their dates set
; from the last commit: File keeps each file's date in the installer, so that makes two
; builds of one commit byte-identical.

Unicode true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define PRODUCT "Orvane Pastewise"
!define MAKER "Orvane Software"
; The main window's class: how a running Pastewise is found.
!define WINDOW_CLASS "Pastewise Made by Orvane Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The settings folder the program uses (the program's own folder when it cannot make it).
!define SETTINGS_DIR "$APPDATA\Orvane\Pastewise"
; The exit code of a run that stopped because Pastewise was running.
!define EXIT_PASTEWISE_RUNNING 2

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
; A file that cannot be written (held open by some program) may be retried or the run
; cancelled, never skipped: an installer that skips it would report success with the old file.
AllowSkipFiles off
ManifestDPIAware true
BrandingText "${MAKER}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${MAKER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartPastewise

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Waits until no Pastewise runs, asking the user to exit it with Retry and Cancel. Cancel, or
; a silent run that finds it running, ends this run with EXIT_PASTEWISE_RUNNING: replacing or
; removing the files of a running program would leave it running from files that are gone.
!macro WAIT_UNTIL_PASTEWISE_ENDS un
  Function ${un}WaitUntilPastewiseEnds
    ${Do}
      FindWindow $0 "${WINDOW_CLASS}"
      ${If} $0 = 0
        Return
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${PRODUCT} is running.$\r$\n$\r$\nPlease exit it (Exit in its window, or right-click \
its icon in the notification area and choose Exit), then click Retry." \
        /SD IDCANCEL IDRETRY retry
      SetErrorLevel ${EXIT_PASTEWISE_RUNNING}
      Quit
    retry:
    ${Loop}
  FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_PASTEWISE_ENDS ""
!insertmacro WAIT_UNTIL_PASTEWISE_ENDS "un."

Function .onInit
  Call WaitUntilPastewiseEnds
FunctionEnd

Section "${PRODUCT}" SecProgram
  SectionIn RO
  ; It may have been started while the pages were shown.
  Call WaitUntilPastewiseEnds

  SetOutPath "$INSTDIR"
  File "${STAGE}/Pastewise.exe"
  File "${STAGE}/README.txt"
  File "${STAGE}/LICENSE.txt"
  File "${STAGE}/CHANGES.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Pastewise.exe" "" \
                 "$INSTDIR\Pastewise.exe" 0
  ; Written again by the next section when it is ticked; an earlier install's stays otherwise.
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Pastewise.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Start ${PRODUCT} when I sign in" SecSignIn
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Pastewise.exe"'
SectionEnd

Function StartPastewise
  ; From its own folder, as the Start menu shortcut starts it.
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\Pastewise.exe"'
FunctionEnd

Function un.onInit
  Call un.WaitUntilPastewiseEnds
FunctionEnd

Section "un.${PRODUCT}" SecUnProgram
  SectionIn RO
  Call un.WaitUntilPastewiseEnds

  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  Delete "$INSTDIR\Pastewise.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\CHANGES.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: the settings may live here (see SETTINGS_DIR).
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Not ticked by default, and so never in a silent run.
Section /o "un.Also remove my settings" SecUnSettings
  ${ForEach} $0 1 2 + 1
    ${If} $0 = 1
      StrCpy $1 "${SETTINGS_DIR}"
    ${Else}
      StrCpy $1 "$INSTDIR"
    ${EndIf}
    Delete "$1\options.ini"
    Delete "$1\*.pwc"
    RMDir "$1"
  ${Next}
  RMDir "$APPDATA\Orvane"
SectionEnd
