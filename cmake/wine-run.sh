#!/usr/bin/env bash
# Runs one Windows executable under Wine for ctest. scripts/test exports the
# prefix, HOME and XDG_DATA_HOME of the run; refuse to run without them, so a
# test can never reach the user's real home or trash.
set -uo pipefail
if [[ -z "${WINEPREFIX:-}" || -z "${VELLOX_TEST_ROOT:-}" ]]; then
  echo "wine-run.sh: run the Windows tests through scripts/test" >&2
  exit 2
fi
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
# Wine's own helper processes (explorer, services) outlive the program and would
# keep ctest's pipes open: give the program files instead, then copy them out.
out=$(mktemp) err=$(mktemp)
wine "$@" >"$out" 2>"$err" </dev/null
rc=$?
cat "$out"
cat "$err" >&2
rm -f "$out" "$err"
exit $rc
