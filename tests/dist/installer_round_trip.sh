#!/usr/bin/env bash
# The installer under Wine, as a user without administrator rights meets it: a silent install
# into the user's programs folder with a Start menu shortcut and an uninstall entry (its version
# as the program's caption shows it), nothing registered; the installed Tockly.exe starts; an
# install over the running program closes it first; an uninstall that cannot close it (its
# question about unsaved settings stays unanswered) stops and removes nothing; the uninstaller,
# run as Windows runs it while Tockly runs, closes it and takes away everything the installer
# added and the auto-start value of this copy.
#   installer_round_trip.sh SESSION-DIR SETUP.EXE PACKAGE-DIR [UI_PROBE.exe]
# Exits 77 (skipped) after the install checks when the package holds no Tockly.exe.
set -u
session=$1 setup=$2 package=$3 probe_exe=${4:-}
gui=$(dirname "$0")/../wine/gui_session.sh
export WINEPREFIX=$session/wineprefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Says "ok: TEXT" when no check failed since `mark`.
mark() { marked=$failures; }
passed() { [ "$failures" = "$marked" ] && echo "ok: $*"; }
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

export DISPLAY=:$(cat "$session/display")
runners=()
# Starts the installed Tockly.exe; true once its main window shows.
start_tockly() {
  timeout=120 wine_run "$folder/Tockly.exe" &
  runners+=($!)
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Tockly ' >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  return 1
}
# A Tockly.exe process of this prefix (Wine's tasklist lists nothing).
tockly_runs() {
  local pid
  for pid in $(pgrep -f 'Tockly\.exe'); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}
# Waits up to 20 s for Tockly.exe to end; true when it did.
tockly_ended() {
  for _ in $(seq 100); do tockly_runs || return 0; sleep 0.2; done
  return 1
}
stop_tockly() {
  tockly_runs && wine_run taskkill /f /im Tockly.exe >/dev/null
  local runner
  for runner in "${runners[@]}"; do kill "$runner" 2>/dev/null; wait "$runner" 2>/dev/null; done
  runners=()
}
trap stop_tockly EXIT

if [ -f "$folder/Tockly.exe" ]; then
  if start_tockly; then
    echo "ok: the installed Tockly.exe shows its window"
    mark
    caption=$(xdotool search --onlyvisible --name '^Tockly ' getwindowname | head -1)
    version=$(wine_run reg query "$uninstall_key" /v DisplayVersion | sed -n 's/.*REG_SZ *//p' | tr -d '\r')
    [ "$version" = "$(awk '{print $2}' <<<"$caption")" ] ||
      fail "the app list shows version $version, the caption reads \"$caption\""
    # Installing over the running program closes it first.
    timeout=120 wine_run "$setup" /S
    tockly_ended || fail "installing over the running Tockly.exe left it running"
    missing=$(cd "$package" && find . -type f | while read -r f; do cmp -s "$f" "$folder/$f" || echo "$f"; done)
    [ -z "$missing" ] || fail "installing over the running program did not replace: $missing"
    passed "the app list shows version $version as the caption; installing over the running program closed it"
  else
    fail "the installed Tockly.exe showed no window"
  fi
  stop_tockly
fi

if [ -f "$folder/Tockly.exe" ] && [ -n "$probe_exe" ]; then
  # An edit not saved: Tockly asks before it quits, and the uninstaller, which cannot wait for
  # the answer for ever, stops and says so (exit code 2), with nothing removed.
  cp "$probe_exe" "$session/ui_probe.exe"
  probe() { wine_run "$session/ui_probe.exe" "$@"; }
  mark
  start_tockly || fail "Tockly.exe did not start again"
  probe wait-window 'Tockly *' 20000 select class:SysTabControl32 '闹钟定时' \
    check '启用定时 1' 1 >/dev/null || fail "switching on slot 1 failed"
  timeout=120 wine_run "$folder/uninstall.exe" /S "_?=$program"
  code=$?
  [ "$code" = 2 ] || fail "the uninstaller that could not close Tockly ended with $code"
  tockly_runs || fail "Tockly.exe ended without an answer to its question"
  [ -f "$folder/Tockly.exe" ] || fail "the uninstaller removed Tockly.exe of a program it could not close"
  # 否: Tockly quits without saving.
  probe wait-window class:#32770 5000 mouse-click id:7 >/dev/null || fail "Tockly did not ask"
  tockly_ended || fail "Tockly.exe still runs after 否"
  passed "an uninstall that could not close Tockly stopped with nothing removed"
  stop_tockly

  # A file another program holds open stays: the uninstaller removes the others, says so
  # (exit code 2) and keeps itself and its entry for another try.
  mark
  timeout=60 probe hold "$program\\说明.txt" 15000 >/dev/null &
  holder=$!
  sleep 3
  timeout=120 wine_run "$folder/uninstall.exe" /S "_?=$program"
  code=$?
  [ "$code" = 2 ] || fail "the uninstaller that could not remove 说明.txt ended with $code"
  [ -f "$folder/说明.txt" ] || fail "说明.txt, held open, is gone"
  [ -f "$folder/Tockly.exe" ] && fail "the files that were free to go stayed"
  reg_has "$uninstall_key" /v UninstallString || fail "the uninstall entry went although 说明.txt stayed"
  wait "$holder"
  passed "a file held open stays, and the uninstaller says it could not finish"
  timeout=120 wine_run "$setup" /S
fi

[ -f "$folder/Tockly.exe" ] && { start_tockly || fail "Tockly.exe did not start for the uninstall"; }

# As the options page writes it when the user ticks auto-start.
wine_run reg add "$run_key" /v Tockly /d "\"$program\\Tockly.exe\"" /f >/dev/null
wine_run reg add "$run_key" /v TocklyOtherCopy /d '"D:\Tockly\Tockly.exe"' /f >/dev/null
mark
# The uninstall entry's command, as Windows runs it: the uninstaller copies itself away and
# returns at once, so wait for the folder to go.
quiet=$(wine_run reg query "$uninstall_key" /v QuietUninstallString | sed -n 's/.*REG_SZ *//p' | tr -d '\r')
uninstaller=${quiet#\"} && uninstaller=${uninstaller%%\"*}
# shellcheck disable=SC2086
timeout=60 wine_run "$uninstaller" ${quiet##*\" }
for _ in $(seq 150); do [ -e "$folder" ] || break; sleep 0.2; done
[ -e "$folder" ] && fail "left behind: $(cd "$folder" && find . | head -5 | tr '\n' ' ')"
[ -f "$package/Tockly.exe" ] && { tockly_ended || fail "the uninstaller left Tockly.exe running"; }
[ -f "$package/Tockly.exe" ] && passed "the uninstaller closed the running Tockly.exe"
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
