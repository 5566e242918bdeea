#!/usr/bin/env bash
# Runs mcadhost under Wine for one case and checks what it prints.
#   host_test.sh english|russian|refused HOST.exe WINE-RUN PREFIX ARCH
# Exits 77 (skipped) when Wine cannot run the architecture here.
set -uo pipefail
which=$1 host=$2
shift 2
wine=("$@")
key='HKLM\SOFTWARE\Brindlow\Velmora'

run() {
  "${wine[@]}" "$@"
  local status=$?
  [ $status -ne 77 ] || exit 77
  return $status
}
language() {  # VALUE, or nothing to remove the value
  if [ $# -gt 0 ]; then
    run reg add "$key" /v Language /d "$1" /f >/dev/null 2>&1 || { echo "reg add failed"; exit 1; }
  else
    run reg delete "$key" /v Language /f >/dev/null 2>&1 || true
  fi
}
# Skips here when Wine cannot start (run cannot skip from inside a command substitution).
run cmd.exe /c exit 0 >/dev/null 2>&1 || true
failed=0
expect() {  # OUTPUT LINE: LINE must be one of the output's lines
  if ! grep -qxF -- "$2" <<<"$1"; then
    printf 'missing line: %s\nin:\n%s\n' "$2" "$1"
    failed=1
  fi
}

case $which in
  english)
    language
    out=$(run "$host" vlmV1PT 3e6 300 vlmVPT 1e5 200:5 vlmSETMAXITERATION -2.7 vlmGETMAXITERATION 0 | tr -d '\r')
    grep -qx 'vlmV1PT(3e6, 300) = 0\.00100215[0-9]* + 0i, status 0' <<<"$out" || { echo "no region 1 value in:"; echo "$out"; failed=1; }
    expect "$out" 'vlmVPT(1e5, 200:5) = -1 + 0i, status 0x10003, message 3 on argument 1: Function is not defined for this parameters range'
    expect "$out" 'vlmSETMAXITERATION(-2.7) = -2 + 0i, status 0'
    expect "$out" 'vlmGETMAXITERATION(0) = -2 + 0i, status 0'
    ;;
  russian)
    language RUSSIAN
    out=$(run "$host" vlmVPT 1e5 200 | tr -d '\r')
    prefix='vlmVPT(1e5, 200) = -1 + 0i, status 0x10003, message 3 on argument 1: '
    text=${out#"$prefix"}
    # The Russian text, converted to UTF-8: not the English one, and not plain ASCII.
    if [ "$text" = "$out" ] || [ "$text" = "Function is not defined for this parameters range" ] ||
       LC_ALL=C grep -qx '[[:print:]]*' <<<"$text"; then
      echo "not the Russian message 3:"; echo "$out"; failed=1
    fi
    language 'Russian '
    out=$(run "$host" vlmVPT 1e5 200 | tr -d '\r')
    expect "$out" "${prefix}Function is not defined for this parameters range"
    language
    ;;
  refused)
    out=$(run "$host" --refuse-error-table --list | tr -d '\r')
    expect "$out" 'error table: 5 messages, refused'
    expect "$out" 'functions: 0'
    err=$(run "$host" --refuse-error-table vlmV1PT 3e6 300 2>&1 >/dev/null)
    status=$?
    [ $status -eq 2 ] || { echo "exit status $status, not 2"; failed=1; }
    grep -qF 'no worksheet function named vlmV1PT is registered' <<<"$err" || { echo "$err"; failed=1; }
    ;;
  *)
    echo "unknown case $which"; exit 2 ;;
esac
exit $failed
