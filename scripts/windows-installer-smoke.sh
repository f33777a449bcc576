#!/usr/bin/env bash
# The Windows installer tried as a user would, under Wine and Xvfb:
#   scripts/windows-installer-smoke.sh INSTALLER SIMULATOR_DLL
# As root. An ordinary Unix user (LUMIDOR_SMOKE_USER, default lumidor-smoke,
# made if missing) gets a fresh Wine prefix, installs for all users silently,
# starts the program from Program Files made read-only (Wine has no ACLs, so
# only file modes keep a user out, and root ignores those), writes the
# presets to the converter simulator placed where the vendor's driver puts its
# DLL, and uninstalls. The settings must land in the user's application-data
# folder and outlive the uninstall. One line per step; the first failure ends
# the run with its reason. Needs wine, wine64, xvfb, xdotool.
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
for tool in wine xvfb-run xdotool runuser; do
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
work="$(mktemp -d /tmp/lumidor-winsmoke.XXXXXX)"
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

say "fresh Wine prefix in $prefix as $user"
as_user wineboot --init >/dev/null 2>&1 || fail "wineboot could not make the prefix"
as_user wine winecfg -v win10 >/dev/null 2>&1 || fail "winecfg could not set Windows 10"
as_user wineserver -w

say "silent install for all users"
as_user wine "$work/setup.exe" /S /AllUsers || fail "the installer exited with status $?"
as_user wineserver -w
for f in rc_lumidor_konfigurator.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
  platforms/qwindows.dll styles/qwindowsvistastyle.dll README.txt uninstall.exe; do
  [ -f "$installed/$f" ] || fail "the installer left out $f"
done
[ ! -e "$installed/ftd2xx.dll" ] || fail "the installer put an ftd2xx.dll beside the program"
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
grep -q 'Uninstall\\\\RC Lumidor\]' "$prefix/system.reg" ||
  fail "no Add/Remove Programs entry under HKLM"
say "installed: $(find "$installed" -type f | wc -l) files, the Start-menu shortcut, the uninstall entry"

say "simulator placed as C:\\windows\\system32\\ftd2xx.dll; Program Files made read-only"
install -o "$user" -m 0644 "$2" "$prefix/drive_c/windows/system32/ftd2xx.dll"
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
as_user wine taskkill /im rc_lumidor_konfigurator.exe >/dev/null 2>&1 || true
for _ in $(seq 40); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$program_pid" 2>/dev/null; then
  fail "the program did not end when asked to close"
fi
program_pid=

# Removing an all-users install needs the rights Program Files was denied.
chmod -R u+w "$pf"
say "silent uninstall"
as_user wine 'C:\Program Files\RC Lumidor\uninstall.exe' /S /AllUsers ||
  fail "the uninstaller exited with status $?"
# The uninstaller runs from a copy in TEMP; wait for it.
as_user wineserver -w
if [ -e "$installed" ]; then
  fail "left behind in $installed: $(cd "$installed" && find . -mindepth 1 | head -n 5 | tr '\n' ' ')"
fi
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
if grep -q 'Uninstall\\\\RC Lumidor\]' "$prefix/system.reg"; then
  fail "the Add/Remove Programs entry is still there"
fi
[ -f "$found" ] || fail "the uninstall removed the settings file"
say "uninstalled: no program files, shortcut or entry left; the settings file stays"
say "passed in $((SECONDS - started)) s"
