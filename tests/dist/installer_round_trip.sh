#!/usr/bin/env bash
# The installer under Wine, as a user without administrator rights meets it: a silent install
# into the user's programs folder with a Start menu shortcut and an uninstall entry, nothing
# registered; the installed Tockly.exe starts; the uninstaller, run as Windows runs it, takes
# away everything the installer added and the auto-start value of this copy.
#   installer_round_trip.sh SESSION-DIR SETUP.EXE PACKAGE-DIR
# Exits 77 (skipped) after the install checks when the package holds no Tockly.exe.
set -u
session=$1 setup=$2 package=$3
gui=$(dirname "$0")/../wine/gui_session.sh
export WINEPREFIX=$session/wineprefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
wine_run() { WINE_TIMEOUT=${timeout:-60} "$gui" run "$session" "$@" </dev/null 2>/dev/null; }
unix_path() { wine_run winepath -u "$1" | tr -d '\r'; }
windows_variable() { wine_run cmd /c echo "%$1%" | tr -d '\r'; }
reg_has() { wine_run reg query "$@" >/dev/null 2>&1; }

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tockly'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
program=$(windows_variable LOCALAPPDATA)'\Programs\Tockly'
folder=$(unix_path "$program")
shortcut=$(unix_path "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Tockly.lnk")
[ -n "$folder" ] && [ "$folder" != / ] || { echo "FAIL: no user programs folder in the prefix"; exit 1; }
rm -rf "$folder"

timeout=120 wine_run "$setup" /S
[ -f "$folder/uninstall.exe" ] || fail "nothing installed in $program"
missing=$(cd "$package" && find . -type f | while read -r f; do cmp -s "$f" "$folder/$f" || echo "$f"; done)
[ -z "$missing" ] && echo "ok: $(cd "$package" && find . -type f | wc -l) files installed" ||
  fail "files not installed as packed: $(echo "$missing" | head -5 | tr '\n' ' ')"
[ -f "$shortcut" ] || fail "no Start menu shortcut"
reg_has "$uninstall_key" /v UninstallString || fail "no uninstall entry"
wine_run reg query "$uninstall_key" /v DisplayName | grep -q 'Tockly ' || fail "the uninstall entry has no name"
for key in 'HKCU\Software\Classes\Moonleaf2.Moonleaf' 'HKLM\Software\Classes\Moonleaf2.Moonleaf'; do
  reg_has "$key" && fail "the installer registered the control ($key)"
done

started=0
if [ -f "$folder/Tockly.exe" ]; then
  export DISPLAY=:$(cat "$session/display")
  timeout=30 wine_run "$folder/Tockly.exe" &
  runner=$!
  for _ in $(seq 100); do
    xdotool search --name '^Tockly ' >/dev/null 2>&1 && started=1 && break
    sleep 0.2
  done
  [ $started = 1 ] && echo "ok: the installed Tockly.exe shows its window" ||
    fail "the installed Tockly.exe showed no window"
  wine_run taskkill /f /im Tockly.exe >/dev/null
  kill "$runner" 2>/dev/null
  wait "$runner" 2>/dev/null
fi

# As the options page writes it when the user ticks auto-start.
wine_run reg add "$run_key" /v Tockly /d "\"$program\\Tockly.exe\"" /f >/dev/null
wine_run reg add "$run_key" /v TocklyOtherCopy /d '"D:\Tockly\Tockly.exe"' /f >/dev/null
# The uninstall entry's command, as Windows runs it: the uninstaller copies itself away and
# returns at once, so wait for the folder to go.
quiet=$(wine_run reg query "$uninstall_key" /v QuietUninstallString | sed -n 's/.*REG_SZ *//p' | tr -d '\r')
uninstaller=${quiet#\"} && uninstaller=${uninstaller%%\"*}
# shellcheck disable=SC2086
timeout=60 wine_run "$uninstaller" ${quiet##*\" }
for _ in $(seq 150); do [ -e "$folder" ] || break; sleep 0.2; done
[ -e "$folder" ] && fail "left behind: $(cd "$folder" && find . | head -5 | tr '\n' ' ')"
[ -e "$shortcut" ] && fail "the Start menu shortcut is left"
reg_has "$uninstall_key" && fail "the uninstall entry is left"
reg_has "$run_key" /v Tockly && fail "the auto-start value is left"
reg_has "$run_key" /v TocklyOtherCopy || fail "another copy's auto-start value was removed"
wine_run reg delete "$run_key" /v TocklyOtherCopy /f >/dev/null

[ $failures -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "ok: installed, uninstalled, nothing left"
if [ ! -f "$package/Tockly.exe" ]; then
  echo "SKIPPED: the package holds no Tockly.exe (no tockly_exe target in this tree), so the installed program was not started"
  exit 77
fi
