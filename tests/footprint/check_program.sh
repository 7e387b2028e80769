#!/usr/bin/env bash
# Checks a built Windows program against what it may be: its imports against
# the reviewed list, its PE headers, its size against a budget.
#   check_program.sh imports  OBJDUMP PROGRAM LIST
#   check_program.sh headers  OBJDUMP PROGRAM
#   check_program.sh size     PROGRAM BUDGET
#   check_program.sh selftest OBJDUMP PROGRAM LIST CONSOLE_PROGRAM
# A LIST line is "<dll> <function> <oldest Windows that has it>"; "#" starts a comment.
set -euo pipefail

# "dll function" for every import, the DLL in lower case, sorted.
imports_of() {
  "$1" -p "$2" | awk '
    /^\tDLL Name: / { dll = tolower($3); next }
    dll != "" && /^\t[0-9a-f]+\t/ { print dll, $NF }
    /^$/ { dll = "" }' | sort -u
}

listed_in() {
  sed 's/#.*//' "$1" | awk 'NF { print tolower($1), $2 }' | sort -u
}

check_imports() {
  local objdump=$1 program=$2 list=$3 actual expected status=0
  actual=$(imports_of "$objdump" "$program")
  if [ -z "$actual" ]; then
    echo "no imports read from $program"
    return 1
  fi
  local bare
  bare=$(sed 's/#.*//' "$list" | awk 'NF && NF < 3 { print "  " $0 }')
  if [ -n "$bare" ]; then
    echo "entries of $list without the oldest Windows that has them:"
    echo "$bare"
    status=1
  fi
  local runtime
  runtime=$(awk '$1 ~ /^(libgcc|libstdc|libwinpthread)/' <<<"$actual")
  if [ -n "$runtime" ]; then
    echo "$program needs a compiler runtime DLL:"
    echo "$runtime"
    status=1
  fi
  expected=$(listed_in "$list")
  local added removed
  added=$(comm -13 <(echo "$expected") <(echo "$actual"))
  removed=$(comm -23 <(echo "$expected") <(echo "$actual"))
  if [ -n "$added$removed" ]; then
    echo "the imports of $program differ from $list:"
    [ -z "$added" ] || sed 's/^/+ /' <<<"$added"
    [ -z "$removed" ] || sed 's/^/- /' <<<"$removed"
    echo "(+ imported but not listed, - listed but not imported)"
    status=1
  fi
  [ $status -ne 0 ] || echo "$(wc -l <<<"$actual") imports of $program, as listed"
  return $status
}

check_headers() {
  local objdump=$1 program=$2 headers status=0
  headers=$("$objdump" -p "$program")
  local want
  for want in 'file format pei-i386' $'^Magic\t+010b' $'^MajorOSystemVersion\t+4$' \
              $'^MinorOSystemVersion\t+0$' $'^MajorSubsystemVersion\t+4$' \
              $'^MinorSubsystemVersion\t+0$' $'^Subsystem\t+00000002\t\\(Windows GUI\\)'; do
    if ! grep -Eq "$want" <<<"$headers"; then
      echo "$program: no header line matches '$want'"
      status=1
    fi
  done
  [ $status -ne 0 ] || echo "$program: 32-bit GUI program for Windows 4.0"
  return $status
}

check_size() {
  local program=$1 budget=$2 size
  size=$(stat -c %s "$program")
  if [ "$size" -gt "$budget" ]; then
    echo "$program is $size bytes, $((size - budget)) over its budget of $budget"
    return 1
  fi
  echo "$program is $size bytes, $((budget - size)) under its budget of $budget"
}

# Each check must fail, and say why, when given what it exists to catch.
selftest() {
  local objdump=$1 program=$2 list=$3 console=$4 work output status=0
  work=$(mktemp -d)
  trap 'rm -rf "$work"' RETURN
  local first
  first=$(listed_in "$list" | head -n 1)
  { listed_in "$list" | tail -n +2 | sed 's/$/ Windows 95/'
    echo "kernel32.dll NotAnImport Windows 95"
  } >"$work/mutated"
  expect_failure "$work" imports "+ $first" check_imports "$objdump" "$program" "$work/mutated" || status=1
  expect_failure "$work" imports "- kernel32.dll NotAnImport" \
    check_imports "$objdump" "$program" "$work/mutated" || status=1
  { cat "$list"; echo "kernel32.dll Sleep"; } >"$work/bare"
  expect_failure "$work" annotation "without the oldest Windows" \
    check_imports "$objdump" "$program" "$work/bare" || status=1
  expect_failure "$work" headers "Subsystem" check_headers "$objdump" "$console" || status=1
  expect_failure "$work" size "over its budget" check_size "$program" "$(($(stat -c %s "$program") - 1))" || status=1
  [ $status -ne 0 ] || echo "every check fails when it should"
  return $status
}

# expect_failure WORK NAME TEXT COMMAND...: the command fails and prints TEXT.
expect_failure() {
  local work=$1 name=$2 text=$3
  shift 3
  if "$@" >"$work/out" 2>&1; then
    echo "selftest $name: the check passed, it should have failed"
    return 1
  fi
  if ! grep -qiF -- "$text" "$work/out"; then
    echo "selftest $name: the failure does not say '$text':"
    cat "$work/out"
    return 1
  fi
}

mode=$1
shift
case $mode in
  imports) check_imports "$@" ;;
  headers) check_headers "$@" ;;
  size) check_size "$@" ;;
  selftest) selftest "$@" ;;
  *) echo "unknown check: $mode" >&2; exit 2 ;;
esac
