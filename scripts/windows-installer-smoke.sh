#!/usr/bin/env bash
# The Windows installer tried as a user would, under Wine and Xvfb:
#   scripts/windows-installer-smoke.sh INSTALLER SIMULATOR_DLL
# As root. An ordinary Unix user (LUMIDOR_SMOKE_USER, default lumidor-smoke,
# made if missing) gets a fresh Wine prefix (under LUMIDOR_SMOKE_TMP, default
# /tmp) with the converter simulator placed where the vendor's driver puts its
# DLL. For all users: installs silently, installs again over that install,
# starts the program from Program Files made read-only (Wine has no ACLs, so
# only file modes keep a user out, and root ignores those), writes the
# presets, opens a preset file through the shell, is refused an uninstall
# while the program runs, and uninstalls; the settings must land in the
# user's application-data folder and outlive the uninstall. For the current
# user: installs over an older install made here with a file of its own,
# beside which the user keeps settings and a preset file, opens that file
# with the registered command, is refused an install and an uninstall while
# the program runs, and uninstalls; the settings and the preset file must
# outlive both. The association is checked after each install and uninstall,
# with another program's or the user's own choice for the extension left
# alone. One line per step; the first failure ends the run with its reason.
# Needs wine, wine64, xvfb, xdotool, makensis, cmake.
set -euo pipefail

me="windows-installer-smoke"
say() { echo "$me: $*"; }
fail() {
  echo "$me: FAILED: $*" >&2
  # What the screen showed, for a run that failed in CI.
  if [ -n "${LUMIDOR_SMOKE_SHOT:-}" ] && [ -n "${DISPLAY:-}" ]; then
    import -window root "$LUMIDOR_SMOKE_SHOT" 2>/dev/null && echo "$me: screen saved to $LUMIDOR_SMOKE_SHOT" >&2
  fi
  exit 1
}

[ $# -eq 2 ] || fail "usage: $0 INSTALLER SIMULATOR_DLL"
[ "$(id -u)" -eq 0 ] || fail "run as root: it makes a user and a read-only Program Files"
[ -f "$1" ] || fail "no installer at $1"
[ -f "$2" ] || fail "no simulator DLL at $2"
for tool in wine xvfb-run xdotool runuser makensis cmake; do
  command -v "$tool" >/dev/null || fail "$tool is missing"
done

# The rest runs on its own X server; -ac lets the user's Wine connect to it.
if [ -z "${LUMIDOR_SMOKE_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-ac -screen 0 1280x1024x24 -nolisten tcp" \
    env LUMIDOR_SMOKE_DISPLAY=1 bash "$0" "$@"
fi

started=$SECONDS
user="${LUMIDOR_SMOKE_USER:-lumidor-smoke}"
if ! id "$user" >/dev/null 2>&1; then
  useradd --create-home --shell /bin/bash "$user"
  say "made the user $user"
fi
home="$(getent passwd "$user" | cut -d: -f6)"
mkdir -p "${LUMIDOR_SMOKE_TMP:-/tmp}"
work="$(mktemp -d "${LUMIDOR_SMOKE_TMP:-/tmp}/lumidor-winsmoke.XXXXXX")"
prefix="$work/prefix"
trace="$work/sim-trace.txt"
cp "$1" "$work/setup.exe"
chown -R "$user:" "$work"
pf="$prefix/drive_c/Program Files"
installed="$pf/RC Lumidor"
exe_win='C:\Program Files\RC Lumidor\rc_lumidor_konfigurator.exe'
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/RC Lumidor configurator.lnk"
appdata="$prefix/drive_c/users/$user/AppData"
ini=rc_lumidor_konfigurator_hw_v40.ini
program_pid=

cleanup() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null || true
  fi
  if [ -d "$prefix" ]; then
    as_user wineserver -k >/dev/null 2>&1 || true
    chmod -R u+w "$prefix" 2>/dev/null || true
  fi
  if [ -z "${LUMIDOR_SMOKE_KEEP:-}" ]; then
    rm -rf "$work"
  else
    say "kept $work"
  fi
}
trap cleanup EXIT

as_user() {
  (cd "$home" && runuser -u "$user" -- env -i HOME="$home" USER="$user" LOGNAME="$user" \
    PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY" \
    WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
    LUMIDOR_SIM_TRACE="Z:${trace//\//\\}" "$@")
}

# Waits up to $1 seconds for a visible window whose title matches $2; prints its id.
wait_window() {
  local deadline=$((SECONDS + $1)) id
  while [ $SECONDS -lt $deadline ]; do
    id="$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1)" || true
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.5
  done
  return 1
}

# Without a window manager Wine hands the keyboard to the window clicked
# last; the click lands on the empty margin of the window's top-left corner.
press() {
  xdotool mousemove --window "$1" 4 4 click 1
  sleep 0.3
  xdotool key --clearmodifiers "$2"
}

# Presses Return on box $1 until it closes (a box just shown may not take
# the key yet); fails after 10 s.
dismiss() {
  local tries
  for tries in 1 2 3 4 5; do
    press "$1" Return
    sleep 2
    xdotool search --onlyvisible --name "$2" 2>/dev/null | grep -qx "$1" || return 0
  done
  fail "the \"$2\" box did not close on Return ($tries tries)"
}

# The value of a registry value ("" for the default one) on stdout; fails
# when the key or the value is missing.
reg_value() {
  local out
  if [ -z "$2" ]; then
    out="$(as_user wine reg query "$1" /ve 2>/dev/null)" || return 1
  else
    out="$(as_user wine reg query "$1" /v "$2" 2>/dev/null)" || return 1
  fi
  out="$(printf '%s\n' "$out" | tr -d '\r' | grep -E '^ +[^ ].*  +REG_[A-Z_]+' | head -n 1)"
  [ -n "$out" ] || return 1
  printf '%s\n' "$out" | sed -E 's/^ +.*  +REG_[A-Z_]+( +|$)//'
}
reg_key() { as_user wine reg query "$1" >/dev/null 2>&1; }
reg_set() { as_user wine reg add "$1" /v "$2" /d "$3" /f >/dev/null 2>&1 || fail "could not set $1 $2"; }

progid=RCLumidor.PresetFile
# The association an install must have written under $1 (HKLM or HKCU) for
# the program at Windows path $2.
check_association() {
  local classes="$1\\Software\\Classes" value
  value="$(reg_value "$classes\\.rcl" "")" || fail "no .rcl type under $classes"
  [ "$value" = "$progid" ] || fail ".rcl under $classes names \"$value\", not $progid"
  reg_key "$classes\\.rcl\\OpenWithProgids" || fail "no OpenWithProgids for .rcl under $classes"
  value="$(reg_value "$classes\\$progid\\shell\\open\\command" "")" || fail "no open command under $classes\\$progid"
  [ "$value" = "\"$2\" \"%1\"" ] || fail "the open command is $value"
  value="$(reg_value "$classes\\$progid\\DefaultIcon" "")" || fail "no icon for $progid"
  [ "$value" = "$2,0" ] || fail "the file type's icon is $value"
}
# After the uninstall: $progid gone under $1, another choice ($2) left alone.
check_association_removed() {
  local classes="$1\\Software\\Classes" value
  ! reg_key "$classes\\$progid" || fail "$progid is still under $classes"
  if [ -n "$2" ]; then
    value="$(reg_value "$classes\\.rcl" "")" || fail "the uninstall removed the other program's .rcl type"
    [ "$value" = "$2" ] || fail ".rcl under $classes now names \"$value\", not $2"
  else
    ! reg_key "$classes\\.rcl" || fail ".rcl is still under $classes"
  fi
  ! reg_value "$classes\\.rcl\\OpenWithProgids" "$progid" >/dev/null || fail "$progid is still in OpenWithProgids"
}

entries() { # how many uninstall entries of ours the registry file $1 holds
  grep -c 'Uninstall\\\\RC Lumidor\]' "$1" || true
}

# Closes the program through taskkill and waits until its window is gone.
close_program() {
  as_user wine taskkill /im rc_lumidor_konfigurator.exe >/dev/null 2>&1 || true
  for _ in $(seq 40); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || break
    sleep 0.5
  done
  if xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; then
    fail "the program did not end when asked to close"
  fi
  if [ -n "$program_pid" ]; then
    wait "$program_pid" 2>/dev/null || true
    program_pid=
  fi
  as_user wineserver -w
}

# The window once it shows mine.rcl: the file opens after the window's first
# activation, so the plain title comes first. Sets $main and $name.
any_title='RC Lumidor (konfigurátor|configurator) HW v4\.0$'
opened_window() {
  if ! main="$(wait_window 60 "^mine(\.rcl)? - $any_title")"; then
    name="$(xdotool search --onlyvisible --name "$any_title" getwindowname 2>/dev/null | head -n 1)" || true
    fail "no window titled after mine.rcl within 60 s (seen: \"$name\")"
  fi
  name="$(xdotool getwindowname "$main")"
}

# What a folder holds, names and contents, to show an attempt changed nothing.
fingerprint() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 md5sum); }

# The uninstaller of Windows folder $1 run in place with mode $2, so its
# status is the uninstall's own (from a copy in TEMP it would report at once);
# its _?= must stand unquoted, hence the batch file.
uninstall_in_place() {
  printf '@"%s\\uninstall.exe" /S %s _?=%s\r\n@exit /b %%ERRORLEVEL%%\r\n' "$1" "$2" "$1" \
    >"$work/uninstall-in-place.cmd"
  as_user wine cmd /c "$(winpath "$work/uninstall-in-place.cmd")"
}
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# A preset file as the program saves it: a header and 160 cells of 11 bytes,
# each with the file's tag, every cell lit.
preset_file() {
  for _ in $(seq 161); do printf '\004v4.0\001\000\000\000\000\000'; done >"$1"
  chown "$user:" "$1"
}

say "fresh Wine prefix in $prefix as $user"
as_user wineboot --init >/dev/null 2>&1 || fail "wineboot could not make the prefix"
as_user wine winecfg -v win10 >/dev/null 2>&1 || fail "winecfg could not set Windows 10"
as_user wineserver -w
install -o "$user" -m 0644 "$2" "$prefix/drive_c/windows/system32/ftd2xx.dll"
say "simulator placed as C:\\windows\\system32\\ftd2xx.dll"

say "silent install for all users"
as_user wine "$work/setup.exe" /S /AllUsers || fail "the installer exited with status $?"
as_user wineserver -w
for f in rc_lumidor_konfigurator.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
  platforms/qwindows.dll styles/qwindowsvistastyle.dll README.txt uninstall.exe; do
  [ -f "$installed/$f" ] || fail "the installer left out $f"
done
[ ! -e "$installed/ftd2xx.dll" ] || fail "the installer put an ftd2xx.dll beside the program"
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
[ "$(entries "$prefix/system.reg")" = 1 ] || fail "no Add/Remove Programs entry under HKLM"
check_association HKLM "$exe_win"
say "installed: $(find "$installed" -type f | wc -l) files, the Start-menu shortcut, the uninstall entry, the .rcl association"

say "the same version installed over it"
before="$(cd "$installed" && find . -type f | sort)"
as_user wine "$work/setup.exe" /S /AllUsers || fail "the installer over an install exited with status $?"
as_user wineserver -w
[ "$(cd "$installed" && find . -type f | sort)" = "$before" ] || fail "the files differ after installing over the install"
[ "$(entries "$prefix/system.reg")" = 1 ] || fail "not exactly one Add/Remove Programs entry after installing over the install"
check_association HKLM "$exe_win"
say "one entry, the same files"

say "Program Files made read-only"
chmod -R a-w "$pf"
if as_user touch "$installed/probe" 2>/dev/null; then
  fail "$user can still write into $installed"
fi

say "starting the program from $exe_win"
as_user wine "$exe_win" >"$work/program.log" 2>&1 &
program_pid=$!
title='^RC Lumidor (konfigurátor|configurator) HW v4\.0$'
main="$(wait_window 60 "$title")" || fail "no window titled \"RC Lumidor konfigurátor/configurator HW v4.0\" within 60 s"
name="$(xdotool getwindowname "$main")"
say "window found: \"$name\""

# At the first start the only box says there is no settings file yet.
box="$(wait_window 20 '^(Warning|Error)$')" || fail "the box announcing the missing settings file did not show"
[ "$(xdotool getwindowname "$box")" = Warning ] || fail "an error box at start (converter not found?)"
dismiss "$box" '^Warning$'
if extra="$(wait_window 2 '^(Warning|Error|Information)$')"; then
  fail "a further box at start: \"$(xdotool getwindowname "$extra")\" (the vendor library not found?)"
fi
grep -q '^FT_ListDevices' "$trace" 2>/dev/null || fail "the program never called the simulator"
say "first-start box dismissed; the simulator answered the converter search"

# Alt + the underlined letter of "Zapsat předvolby" / "Save presets".
case "$name" in
  *konfigurátor*) key=alt+z ;;
  *) key=alt+s ;;
esac
say "writing the presets ($key)"
press "$main" "$key"
box="$(wait_window 30 '^(Warning|Error|Information)$')" || fail "no box after the preset write"
kind="$(xdotool getwindowname "$box")"
[ "$kind" = Information ] || fail "the preset write ended with a \"$kind\" box, not the success box"
grep -q '^FT_Write' "$trace" || fail "the success box showed without a write to the simulator"
dismiss "$box" '^Information$'
say "success box shown and dismissed"

found="$(find "$appdata" -name "$ini" 2>/dev/null | head -n 1)"
[ -n "$found" ] || fail "no $ini under $appdata"
[ ! -e "$installed/$ini" ] || fail "$ini was written into Program Files"
say "settings stored in ${found#"$prefix/"}"

say "closing the program"
close_program "$title"

# As a double-click in Explorer does: the shell finds the program through
# the association and hands it the file.
preset_file "$work/mine.rcl"
say "opening $(winpath "$work/mine.rcl") through its association"
as_user wine start "$(winpath "$work/mine.rcl")" >"$work/program-open.log" 2>&1 ||
  fail "the shell could not open mine.rcl (status $?)"
opened_window
if extra="$(wait_window 3 '^(Warning|Error|Information)$')"; then
  fail "a box after opening mine.rcl: \"$(xdotool getwindowname "$extra")\""
fi
say "window found: \"$name\": the program opened the file"

# Removing an all-users install needs the rights Program Files was denied.
chmod -R u+w "$pf"
say "silent uninstall while the program runs"
before="$(fingerprint "$installed")"
status=0
uninstall_in_place 'C:\Program Files\RC Lumidor' /AllUsers || status=$?
[ "$status" -ne 0 ] || fail "the uninstaller went ahead while the program ran"
[ "$(fingerprint "$installed")" = "$before" ] || fail "the refused uninstall changed the program folder"
say "refused with status $status; nothing changed"
close_program "$any_title"

# Another program has since taken .rcl over; the uninstall must leave it.
reg_set 'HKLM\Software\Classes\.rcl' "" Other.Editor
say "silent uninstall"
as_user wine 'C:\Program Files\RC Lumidor\uninstall.exe' /S /AllUsers ||
  fail "the uninstaller exited with status $?"
# The uninstaller runs from a copy in TEMP; wait for it.
as_user wineserver -w
if [ -e "$installed" ]; then
  fail "left behind in $installed: $(cd "$installed" && find . -mindepth 1 | head -n 5 | tr '\n' ' ')"
fi
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
[ "$(entries "$prefix/system.reg")" = 0 ] || fail "the Add/Remove Programs entry is still there"
[ -f "$found" ] || fail "the uninstall removed the settings file"
check_association_removed HKLM Other.Editor
as_user wine reg delete 'HKLM\Software\Classes\.rcl' /f >/dev/null 2>&1 || true
say "uninstalled: no program files, shortcut, entry or file type left; the settings file and the other program's .rcl stay"

# ---- For the current user, over an older install ----
local_win="C:\\users\\$user\\AppData\\Local\\Programs\\RC Lumidor"
mine="$appdata/Local/Programs/RC Lumidor"
user_exe="$local_win\\rc_lumidor_konfigurator.exe"

say "an older version built, with a file the current one lacks"
old="$work/old"
mkdir -p "$old/stage"
echo "a file only the older version has" >"$old/stage/old-only.txt"
echo "the older version's readme" >"$old/stage/README.txt"
nsis_dir="$(cd "$(dirname "$0")/../packaging/windows" && pwd)"
cmake -DSTAGE="$old/stage" -DOUT="$old/files.nsh" -P "$nsis_dir/nsis-files.cmake" ||
  fail "could not list the older version's files"
(cd "$nsis_dir" && makensis -V1 -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DFILES="$old/files.nsh" \
  -DOUTFILE="$old/rc-lumidor-1.0.0-win64-setup.exe" rc-lumidor.nsi) || fail "makensis failed on the older version"
chown -R "$user:" "$old"
as_user wine "$old/rc-lumidor-1.0.0-win64-setup.exe" /S /CurrentUser || fail "the older installer exited with status $?"
as_user wineserver -w
[ -f "$mine/old-only.txt" ] || fail "the older version is not in $mine"
[ "$(reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\RC Lumidor' DisplayVersion)" = 1.0.0 ] ||
  fail "no uninstall entry of the older version under HKCU"

# What the user keeps beside the program: settings and a preset file.
printf '[Presets]\r\nKeptByTheUser=1\r\n' >"$mine/$ini"
chown "$user:" "$mine/$ini"
preset_file "$mine/mine.rcl"
kept="$(cd "$mine" && md5sum "$ini" mine.rcl)"

say "silent install for the current user over the older version"
as_user wine "$work/setup.exe" /S /CurrentUser || fail "the installer exited with status $?"
as_user wineserver -w
[ -f "$mine/rc_lumidor_konfigurator.exe" ] || fail "the program is not in $mine"
[ ! -e "$mine/old-only.txt" ] || fail "the older version's own file is still there"
grep -q 'the older version' "$mine/README.txt" && fail "the older version's readme is still there"
[ "$(entries "$prefix/user.reg")" = 1 ] || fail "not exactly one uninstall entry under HKCU"
version="$(reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\RC Lumidor' DisplayVersion)"
[ "$version" != 1.0.0 ] || fail "the entry still names the older version"
[ "$(cd "$mine" && md5sum "$ini" mine.rcl)" = "$kept" ] || fail "the install changed the user's settings or preset file"
check_association HKCU "$user_exe"
say "the older version's files and entry gone, version $version installed, the user's files unchanged"

# Wine's shell reads file types from HKLM's classes only, not the current
# user's, so the command checked above is run as the shell would run it.
say "opening mine.rcl with the registered command"
as_user wine "$user_exe" "$local_win\\mine.rcl" >"$work/program-user.log" 2>&1 &
program_pid=$!
opened_window
if extra="$(wait_window 3 '^(Warning|Error|Information)$')"; then
  fail "a box at start: \"$(xdotool getwindowname "$extra")\""
fi
say "window found: \"$name\": the program opened the file beside it"

say "silent install and uninstall while the program runs"
before="$(fingerprint "$mine")"
status=0
as_user wine "$work/setup.exe" /S /CurrentUser || status=$?
[ "$status" -ne 0 ] || fail "the installer went ahead while the program ran"
status2=0
uninstall_in_place "$local_win" /CurrentUser || status2=$?
[ "$status2" -ne 0 ] || fail "the uninstaller went ahead while the program ran"
[ "$(fingerprint "$mine")" = "$before" ] || fail "a refused install or uninstall changed the program folder"
say "both refused (status $status and $status2); nothing changed"
close_program "$any_title"

# The user's own choice of program for .rcl, which the uninstall must leave.
userchoice='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\FileExts\.rcl\UserChoice'
reg_set "$userchoice" ProgId Other.Editor
say "silent uninstall for the current user"
as_user wine "$local_win\\uninstall.exe" /S /CurrentUser || fail "the uninstaller exited with status $?"
as_user wineserver -w
[ ! -e "$mine/rc_lumidor_konfigurator.exe" ] || fail "the program is still in $mine"
[ ! -e "$mine/uninstall.exe" ] || fail "the uninstaller is still in $mine"
left="$(cd "$mine" && find . -type f | sort | tr '\n' ' ')"
[ "$left" = "./mine.rcl ./$ini " ] || fail "left in $mine: $left"
[ "$(cd "$mine" && md5sum "$ini" mine.rcl)" = "$kept" ] || fail "the uninstall changed the user's settings or preset file"
[ "$(entries "$prefix/user.reg")" = 0 ] || fail "the uninstall entry under HKCU is still there"
check_association_removed HKCU ""
[ "$(reg_value "$userchoice" ProgId)" = Other.Editor ] || fail "the uninstall changed the user's own choice for .rcl"
say "uninstalled: only the user's settings and preset file stay; the user's choice for .rcl too"
say "passed in $((SECONDS - started)) s"
