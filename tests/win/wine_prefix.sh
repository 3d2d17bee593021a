# Sourced by the scripts that run Windows programs on a virtual X display: makes the Wine prefix
# $WINEPREFIX on first use and gives it the settings of the screen tests, Wine drawing the title
# bars itself (no window manager runs) and the resolution asked for. Each `wine reg` costs a
# Wine start-up of seconds, so a value is written only when the prefix does not hold it yet.
# Usage: . wine_prefix.sh <dots per inch>; needs $wine (the wine64 loader).
holds() {  # the registry section $1 of user.reg holds the line $2
  S="[$1]" L=$2 awk 'index($0, ENVIRON["S"]) == 1 { inside = 1; next }
                     /^\[/ { inside = 0 }
                     inside && $0 == ENVIRON["L"] { found = 1 }
                     END { exit !found }' "$WINEPREFIX/user.reg"
}
mkdir -p "$(dirname "$WINEPREFIX")"
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  flock "$WINEPREFIX.lock" sh -c '[ -f "$WINEPREFIX/system.reg" ] || "$0" wineboot -i' "$wine" \
    > /dev/null 2>&1
  "${wine%64}server" -w
fi
# Debian's Wine keeps its own fonts (fonts-wine) in its data folder but loads none from there; the
# title bars' button symbols come from Marlett, so the prefix gets it in its Fonts folder.
fonts=$WINEPREFIX/drive_c/windows/Fonts
if [[ -f /usr/share/wine/fonts/marlett.ttf && ! -f $fonts/marlett.ttf ]]; then
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
changed=0
if ! holds 'Software\\Wine\\X11 Driver' '"Managed"="N"'; then
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f > /dev/null 2>&1
  changed=1
fi
if ! holds 'Control Panel\\Desktop' "\"LogPixels\"=dword:$(printf %08x "$1")"; then
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    > /dev/null 2>&1
  changed=1
fi
# The settings take effect, and reach user.reg, when the Wine processes of the prefix have ended.
if ((changed)); then "${wine%64}server" -w; fi
