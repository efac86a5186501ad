#!/usr/bin/env bash
# The Windows tab's Analyze with 10,000 UserAssist values and 10,000 ShellBags values (100
# folders of 100 entries, and 1,000 folder views), seeded with `regedit /s` in a prefix of its own
# and timed through the program's own code by vellox_traces_bench.exe. Aim: under 1 s.
# Usage: traces_bench.sh <build/windows folder>
set -euo pipefail
BENCH_BUILD=$(readlink -f "$1")
source "$(dirname "$0")/../scripts/common.sh"
WORK=$(mktemp -d /tmp/vellox-traces-bench.XXXXXX)
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
make_prefix "$WORK/prefix" >/dev/null 2>&1
python3 - "$WORK/seed.reg" <<'PY'
import sys
hkcu = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows"
lines = ["Windows Registry Editor Version 5.00", ""]
lines.append(f"[{hkcu}\\CurrentVersion\\Explorer\\UserAssist\\{{CEBFF5CD-ACE2-4F4F-9178-9926F41749EA}}\\Count]")
lines += [f'"{{1NP14R77}}\\\\cebtenz{i}.rkr"=hex:' + ",".join(["07"] * 72) for i in range(10000)]
for folder in range(100):
    lines += ["", f"[{hkcu}\\Shell\\BagMRU\\{folder}]"]
    lines += [f'"{i}"=hex:' + ",".join(["14"] * 20) for i in range(100)]
for view in range(1000):
    lines += ["", f"[{hkcu}\\Shell\\Bags\\{view}\\Shell]", '"Mode"=dword:00000004']
open(sys.argv[1], "w", encoding="utf-16").write("\r\n".join(lines) + "\r\n")
PY
wineserver -p
wine regedit /s "$(winepath -w "$WORK/seed.reg" | tr -d '\r')"
wine "$BENCH_BUILD/vellox_traces_bench.exe" >"$WORK/out.txt" 2>&1 || rc=$?
cat "$WORK/out.txt"
exit "${rc:-0}"
