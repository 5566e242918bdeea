#!/usr/bin/env bash
# Takes the README's pictures of the calculator: both windows at 20 MPa and 300 °C with 15
# digits, in Russian and in English (the Language value), each on a display of its own (Xvfb).
# Needs build/native (Qt window) and build/win64 (Win32 window under Wine, drawn on a Wine
# virtual desktop so the frame and caption are Wine's own).  Writes, in docs/:
#   calculator-linux.png  calculator-linux-english.png    the Qt window
#   calculator-win32.png  calculator-win32-english.png    the Win32 window
# The settings of every picture are written into stores of the script's own, so the
# pictures never depend on the settings of the machine they are taken on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export work root

for language in Russian English; do
  suffix=$([ "$language" = Russian ] && echo "" || echo "-english")
  export language

  # The Qt window reads the settings from a REGEDIT4 file (Windows-1251 text).  Unit names
  # are those of the language in force: a name of the other language selects the first unit.
  rm -rf "$work/user"
  mpa=$([ "$language" = Russian ] && printf '\xcc\xcf\xe0' || echo MPa)
  printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n"Language"="%s"\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora\\Velmora Calculator\\Defaults]\n"Accuracy"="15"\n"PressureValue"="20"\n"PressureUnit"="%s"\n"TemperatureValue"="300"\n"TemperatureUnit"="\xb0C"\n' \
    "$language" "$mpa" >"$work/machine.reg"
  xvfb-run -a -s "-screen 0 1280x600x24" bash -c '
    QT_QPA_PLATFORM=xcb VLM_REGISTRY=$work/machine.reg XDG_CONFIG_HOME=$work/user "$root/build/native/bin/vlmcalc" &
    pid=$!
    sleep 4
    import -window root "$work/linux.png"
    kill $pid; wait $pid || true'
  convert "$work/linux.png" -trim +repage "$root/docs/calculator-linux$suffix.png"

  # The Win32 window's settings go into the prefix's registry from a file in the registry
  # editor's Unicode format (UTF-16LE).  The calculator keeps Windows-1251 bytes through the
  # prefix's ANSI code page (1252 in an English prefix): the Russian unit name is written as
  # those bytes read in that code page, as the calculator itself would have left it.
  mpa=$([ "$language" = Russian ] && printf '\xcc\xcf\xe0' | iconv -f CP1252 -t UTF-8 || echo MPa)
  key='HKEY_LOCAL_MACHINE\SOFTWARE\Brindlow\Velmora'
  {
    printf '\xff\xfe'
    sed 's/$/\r/' <<END | iconv -f UTF-8 -t UTF-16LE
Windows Registry Editor Version 5.00

[$key]
"Language"="$language"

[$key\Velmora Calculator\Defaults]
"Accuracy"="15"
"PressureValue"="20"
"PressureUnit"="$mpa"
"TemperatureValue"="300"
"TemperatureUnit"="°C"
END
  } >"$work/settings.reg"
  xvfb-run -a -s "-screen 0 1100x500x24" bash -c '
    run() { "$root/scripts/wine-run" "$work/prefix" win64 "$@" >/dev/null 2>&1; }
    run reg add "HKCU\\Software\\Wine\\Explorer" /v Desktop /d Default /f
    run reg add "HKCU\\Software\\Wine\\Explorer\\Desktops" /v Default /d 1100x500 /f
    run regedit /s "Z:$work/settings.reg"
    # The caption buttons are drawn with the Marlett font (package fonts-wine).
    cp /usr/share/wine/fonts/marlett.ttf "$work/prefix/drive_c/windows/Fonts/"
    WINEPREFIX=$work/prefix wineserver -w
    "$root/scripts/wine-run" "$work/prefix" win64 "$root/build/win64/bin/vlmcalc.exe" &
    pid=$!
    sleep 20
    import -window root "$work/win32.png"
    WINEPREFIX=$work/prefix wineserver -k; wait $pid || true'
  convert "$work/win32.png" -trim +repage "$root/docs/calculator-win32$suffix.png"
done
