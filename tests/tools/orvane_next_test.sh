#!/usr/bin/env bash
# The schedule preview as a user runs it: its output for real settings files, and its refusals.
#   orvane_next_test.sh PATH_TO_ORVANE_NEXT
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

expect() {  # expect NAME EXPECTED_STDOUT EXPECTED_CODE ARGS...
  local name=$1 want=$2 code=$3
  shift 3
  local got rc
  got=$("$tool" "$@" 2>"$work/err")
  rc=$?
  if [ "$got" == "$want" ] && [ "$rc" == "$code" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAIL %s (exit %s, want %s)\n--- got:\n%s\n--- want:\n%s\n' "$name" "$rc" "$code" "$got" "$want"
  fi
  if [ "$code" == 2 ] && [ "$(wc -l <"$work/err")" != 1 ]; then
    failed=$((failed + 1))
    echo "FAIL $name: a refusal says one line on stderr"
  fi
}

# Every 7 hours from hh:30:00, the hour left open; written on Windows (code page 932, CR LF).
printf '[OPTION]\r\nIS_00MINUTES=0\r\nDISPLAYTIME=1\r\nIS_BASETIME_OK=0\r\nBASETIME_HOUR=0\r\nBASETIME_MINUTE=31\r\nBASETIME_SECOND=0\r\nDISPLAYTIME_ANY_HOUR=7\r\nMESSAGE_0=\x8E\x9E\r\n' >"$work/seven.ini"
printf '[OPTION]\nIS_00MINUTES=0\nDISPLAYTIME=2\nDISPLAYTIME_ONCE_HOUR=9\n' >"$work/daily.conf"
printf '[OPTION]\nIS_00MINUTES=0\nDISPLAYTIME=1\nDISPLAYTIME_ANY_HOUR=1193\nDISPLAYTIME_ANY_MINUTE=59\nDISPLAYTIME_ANY_SECOND=59\n' >"$work/long.ini"

expect "no file: on the hour" $'11:00:00 2400000\n12:00:00 3600000\n13:00:00 3600000\n14:00:00 3600000\n15:00:00 3600000' 0 \
  --ini "$work/missing.ini" --at 10:20:00
expect "every 7 hours from hh:30" $'16:30:00 21720000\n23:30:00 25200000\n06:30:00 25200000' 0 \
  --ini "$work/seven.ini" --at 10:28:00 --count 3
expect "daily at its own second" $'09:00:00 3600000\n09:00:00 86400000\n09:00:00 86400000' 0 \
  --ini "$work/daily.conf" --at 08:00:00 --count 3
expect "1193:59:59 is not cut short" $'03:59:59 4298399000' 0 --ini "$work/long.ini" --at 10:00:00 --count 1
for bad in "--at 24:00:00" "--at 10:00" "--count 0" "--count 10001" "--count" "--bogus"; do
  # shellcheck disable=SC2086
  expect "refuses $bad" "" 2 --ini "$work/seven.ini" $bad
done
cmp -s "$work/seven.ini" <(printf '[OPTION]\r\nIS_00MINUTES=0\r\nDISPLAYTIME=1\r\nIS_BASETIME_OK=0\r\nBASETIME_HOUR=0\r\nBASETIME_MINUTE=31\r\nBASETIME_SECOND=0\r\nDISPLAYTIME_ANY_HOUR=7\r\nMESSAGE_0=\x8E\x9E\r\n') &&
  passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL the preview changed the settings file"; }

echo "$passed passed, $failed failed"
[ "$failed" == 0 ]
