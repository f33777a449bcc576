#!/usr/bin/env bash
# Starts the packaged configurator the way a user would: the package unpacked
# into a scratch root, run through its simulator launcher by an ordinary user
# under Xvfb. Checks that the main window appears, then writes the
# configuration to the simulated switch and checks that the settings store
# lands in that user's configuration folder (the program's folder under the
# scratch root belongs to root). Needs root to create the user.
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
