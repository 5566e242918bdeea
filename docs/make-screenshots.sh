#!/usr/bin/env bash
# Takes the README's pictures of the calculator: both windows in Russian at 15 digits, at
# 20 MPa and 300 °C, each on a display of its own (Xvfb).  Needs build/native (Qt window)
# and build/win64 (Win32 window under Wine, drawn on a Wine virtual desktop so the frame and
# caption are Wine's own).  Writes docs/calculator-linux.png and docs/calculator-win32.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export work root

# The Qt window reads the settings from a REGEDIT4 file (Windows-1251 text).
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n"Language"="Russian"\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora\\Velmora Calculator\\Defaults]\n"Accuracy"="15"\n"PressureValue"="20"\n"PressureUnit"="\xcc\xcf\xe0"\n"TemperatureValue"="300"\n"TemperatureUnit"="\xb0C"\n' >"$work/machine.reg"
xvfb-run -a -s "-screen 0 1280x600x24" bash -c '
  VLM_REGISTRY=$work/machine.reg XDG_CONFIG_HOME=$work/user "$root/build/native/bin/vlmcalc" & pid=$!
  sleep 4
  import -window root "$work/linux.png"
  kill $pid; wait $pid || true'
convert "$work/linux.png" -trim +repage "$root/docs/calculator-linux.png"

xvfb-run -a -s "-screen 0 1100x500x24" bash -c '
  run() { "$root/scripts/wine-run" "$work/prefix" win64 "$@" >/dev/null 2>&1; }
  run reg add "HKCU\\Software\\Wine\\Explorer" /v Desktop /d Default /f
  run reg add "HKCU\\Software\\Wine\\Explorer\\Desktops" /v Default /d 1100x500 /f
  key="HKLM\\SOFTWARE\\Brindlow\\Velmora"
  run reg add "$key" /v Language /d Russian /f
  for kv in Accuracy=15 PressureValue=2e7 TemperatureValue=300 TemperatureUnit=°C; do
    run reg add "$key\\Velmora Calculator\\Defaults" /v "${kv%%=*}" /d "${kv#*=}" /f
  done
  # The caption buttons are drawn with the Marlett font (package fonts-wine).
  cp /usr/share/wine/fonts/marlett.ttf "$work/prefix/drive_c/windows/Fonts/"
  WINEPREFIX=$work/prefix wineserver -w
  "$root/scripts/wine-run" "$work/prefix" win64 "$root/build/win64/bin/vlmcalc.exe" & pid=$!
  sleep 20
  import -window root "$work/win32.png"
  WINEPREFIX=$work/prefix wineserver -k; wait $pid || true'
convert "$work/win32.png" -trim +repage "$root/docs/calculator-win32.png"
