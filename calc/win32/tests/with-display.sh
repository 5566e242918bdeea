#!/usr/bin/env bash
# Runs a Windows program with windows under Wine, on a display of its own:
#   with-display.sh WINE_RUN PREFIX_DIR win32|win64 PROGRAM [ARGS...]
# WINE_RUN is scripts/wine-run.  The prefix serves these tests alone: Wine runs there as a
# virtual desktop, so it draws window frames and captions itself (Xvfb has no window
# manager) and screenshots show whole windows.  A Wine server left in the prefix by an
# earlier run is ended first, since its desktop still belongs to that run's display.
# Exits with the program's status, or 77 when this machine cannot run Wine for ARCH.
set -u
WINEPREFIX=$2 wineserver -k >/dev/null 2>&1
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wine_run=$1 prefix=$2 arch=$3
  shift 3
  for setting in "Explorer /v Desktop /d Default" "Explorer\\Desktops /v Default /d 1280x1024"; do
    # shellcheck disable=SC2086
    "$wine_run" "$prefix" "$arch" reg add HKCU\\Software\\Wine\\$setting /f >/dev/null 2>&1
    status=$?
    [ $status -eq 0 ] || exit $status
  done
  "$wine_run" "$prefix" "$arch" "$@"
  status=$?
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1
  exit $status
' with-display "$@"
