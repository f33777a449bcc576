#!/usr/bin/env bash
# Starts the packaged configurator the way a user would: the package unpacked
# into a scratch root, run through its simulator launcher by an ordinary user
# under Xvfb. Checks that the main window appears, then writes the
# configuration to the simulated switch and checks that the settings store
# lands in that user's configuration folder (the program's folder under the
# scratch root belongs to root). Then opens a preset file as a file manager
# would, through the package's MIME type and desktop entry alone, and checks
# that the window comes up titled with the file. Needs root to create the user.
#   scripts/package-smoke.sh <package.deb>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

deb="$(readlink -f "$1")"
user=lumidor-smoke
root="$(mktemp -d /tmp/lumidor-root.XXXXXX)"
trap 'rm -rf "$root"' EXIT
chmod 755 "$root"
dpkg-deb -x "$deb" "$root"

id "$user" >/dev/null 2>&1 || useradd --create-home --shell /bin/sh "$user"
home="$(getent passwd "$user" | cut -d: -f6)"
rm -rf "$home/.config/rc_lumidor_konfigurator"
settings="$home/.config/rc_lumidor_konfigurator/rc_lumidor_konfigurator_hw_v40.ini"

cat >"$root/session.sh" <<'SESSION'
#!/bin/sh
# Inside Xvfb, as the ordinary user: start, wait for the window, dismiss the
# missing-settings warning, press "save configuration", dismiss the result.
set -u
"$1/usr/bin/rc-lumidor-simulator" &
app=$!
found=""
for _ in $(seq 1 100); do
  found="$(xdotool search --onlyvisible --name 'RC Lumidor' 2>/dev/null | head -n1)"
  [ -n "$found" ] && break
  sleep 0.2
done
if [ -z "$found" ]; then
  echo "smoke: no main window appeared" >&2
  kill "$app"; exit 1
fi
echo "smoke: main window is up"
sleep 2
# The first run announces the missing settings file; Return closes the box.
xdotool key --clearmodifiers Return
sleep 1
# "Save configuration" through its mnemonic (Alt+V in English, the language
# of the C locale set below), so that no screen position is assumed. Without
# a window manager nothing activates the window but an explicit focus.
timeout 5 xdotool windowfocus --sync "$found" || echo "smoke: focus not confirmed" >&2
xdotool key --clearmodifiers alt+v
for _ in $(seq 1 50); do
  [ -f "$2" ] && break
  sleep 0.2
done
import -window root "$3" 2>/dev/null || true
xdotool key --clearmodifiers Return
sleep 0.5
kill "$app" 2>/dev/null
wait "$app" 2>/dev/null
[ -f "$2" ]
SESSION
chmod 755 "$root/session.sh"

shot=/tmp/lumidor-package-smoke.png
rm -f "$shot"
if ! runuser -u "$user" -- env HOME="$home" XDG_CONFIG_HOME= LC_ALL=C.UTF-8 LANGUAGE= \
    "${xvfb[@]}" "$root/session.sh" "$root" "$settings" "$shot"; then
  echo "smoke: no settings store in $settings (screenshot: $shot)" >&2
  exit 1
fi
grep -q '^\[Configuration\]' "$settings"
echo "smoke: settings stored in $settings"
if find "$root" -name 'rc_lumidor_konfigurator_hw_v40.ini' | grep -q .; then
  echo "smoke: a settings file appeared inside the installed tree" >&2
  exit 1
fi

# Preset files as a file type: the MIME and desktop databases built from the
# package alone (the way its triggers build them on install) send a .rcl file
# to the configurator's desktop entry, whose program is found on the PATH.
update-mime-database "$root/usr/share/mime"
# (It notes that the scratch folder is not on root's search path: it need not be.)
update-desktop-database "$root/usr/share/applications" >/dev/null 2>&1
pattern="$home/pattern.rcl"
# Every cell lit; time axis 3, on/off 2, brightness mode 1.
for _ in $(seq 0 160); do printf '\004v4.0\001\003\002\001\000\000'; done >"$pattern"
chown "$user" "$pattern"
as_desktop_user() {
  runuser -u "$user" -- env -i HOME="$home" LC_ALL=C.UTF-8 PATH="$root/usr/bin:/usr/bin:/bin" \
    XDG_DATA_DIRS="$root/usr/share:/usr/share" "$@"
}
type="$(as_desktop_user gio info -a standard::content-type "$pattern" | sed -n 's/.*content-type: //p')"
[ "$type" = application/x-rc-lumidor-pattern ] || {
  echo "smoke: $pattern has the type \"$type\"" >&2
  exit 1
}
as_desktop_user gio mime "$type" | grep -q "^Default application.*example.rc_lumidor.configurator.desktop" || {
  echo "smoke: the configurator is not the default application for $type" >&2
  exit 1
}

cat >"$root/open.sh" <<'SESSION'
#!/bin/sh
# Inside Xvfb: open the file as a file manager would, answer the first
# activation's boxes (the plain entry runs without the vendor library), wait
# for the title naming the file.
set -u
gio open "$1" || exit 1
for _ in $(seq 1 100); do
  found="$(xdotool search --onlyvisible --name '^pattern[.]rcl - RC Lumidor' 2>/dev/null | head -n1)"
  [ -n "$found" ] && break
  if xdotool search --onlyvisible --name '^(Warning|Error)$' >/dev/null 2>&1; then
    xdotool key --clearmodifiers Return
    sleep 0.5
  fi
  sleep 0.2
done
import -window root "$2" 2>/dev/null || true
[ -n "$found" ] || exit 1
kill "$(xdotool getwindowpid "$found")" 2>/dev/null
exit 0
SESSION
chmod 755 "$root/open.sh"
if ! as_desktop_user "${xvfb[@]}" "$root/open.sh" "$pattern" "$shot"; then
  echo "smoke: opening $pattern did not bring up the window titled with it (screenshot: $shot)" >&2
  exit 1
fi
echo "smoke: $pattern opens the configurator through the file type"
