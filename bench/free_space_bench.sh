#!/usr/bin/env bash
# Wipe Free Space against the disk's own limit, in one run on one volume: `dd if=/dev/zero
# bs=4M oflag=direct` writes as many bytes as the fill wrote, on the same freshly made ext4
# image, mounted sync and nodiscard as the forensic test mounts it (MOUNT_OPTS= mounts it without
# sync: both still reach the disk, as the fill flushes its files before it lets them go). Prints
# both times and the ratio; the fill should stay within 1.1x. Needs root (a loop mount).
# BENCH_WRAP="strace -f -c -o FILE" profiles the fill.
# Usage: free_space_bench.sh <vellox.exe> [image size, default 2G]; WINEPREFIX names a prefix.
set -euo pipefail
EXE=$(readlink -f "$1")
SIZE=${2:-2G}
: "${WINEPREFIX:?a prepared Wine prefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
WORK=$(mktemp -d /tmp/vellox-bench.XXXXXX)
cleanup() {
  wineserver -k 2>/dev/null || true
  umount "$WORK/mnt" 2>/dev/null || true
  rm -f "$WINEPREFIX/dosdevices/y:"
  rm -rf "$WORK"
}
trap cleanup EXIT
# Written whole first: a sparse image would make the fill, which runs first, pay for the host's
# allocation of the image's blocks, and dd, which comes after, not.
head -c "$SIZE" /dev/zero >"$WORK/disk.img"
sync
# Few inodes: Wine calls the volume NTFS, and each tiny file of the file-table phase costs a
# create; that phase is bounded by free records, not by bytes.
mkfs.ext4 -q -O ^has_journal -m 0 -N 1024 "$WORK/disk.img"
mkdir -p "$WORK/mnt"
MOUNT_OPTS=${MOUNT_OPTS-sync}
mount -o "loop,nodiscard${MOUNT_OPTS:+,$MOUNT_OPTS}" "$WORK/disk.img" "$WORK/mnt"
echo 0 >"/sys/fs/ext4/$(basename "$(findmnt -n -o SOURCE "$WORK/mnt")")/reserved_clusters"
mkdir -p "$WORK/mnt/drive"
ln -sfn "$WORK/mnt/drive" "$WINEPREFIX/dosdevices/y:"
# A warm prefix, so the server's start is not timed as the fill. Output goes to a file: a pipe
# would stay open as long as the server the first wine start leaves behind.
wine "$EXE" --wipe-free-space Q: --yes >/dev/null 2>&1 || true

now() { date +%s.%N; }
calc() { python3 -c "print(round($1, 3))"; }
free=$(df --output=avail -B1 "$WORK/mnt" | tail -1 | tr -d ' ')
# The fill writes the whole free space: dd writes the same, in whole 4 MiB blocks, each way
# before and after the fill, as the first large write on a fresh image is the slow one.
blocks=$((free / 4194304))
# The same bytes through the cache, as Wine writes them: it opens files without O_DIRECT
# whatever FILE_FLAG_NO_BUFFERING says, and flushed at the end as the fill flushes its files.
# The floor for any Windows program under Wine; timed before and after the fill, as the first
# large write on a fresh image is the slow one.
# Times dd writing the whole free space with its last arguments, then gives the space back.
timedDd() {
  local start
  start=$(now)
  dd if=/dev/zero of="$WORK/mnt/drive/dd.bin" bs=4M count="$blocks" "$@" status=none || true
  calc "$(now) - $start"
  rm -f "$WORK/mnt/drive/dd.bin"
  sync
}
directBefore=$(timedDd oflag=direct)
cachedBefore=$(timedDd conv=fsync)
start=$(now)
${BENCH_WRAP:-} wine "$EXE" --wipe-free-space Y: --yes >"$WORK/line.txt" 2>&1 || true
fill=$(calc "$(now) - $start")
echo "fill: $(grep -a 'free space' "$WORK/line.txt")"
cachedAfter=$(timedDd conv=fsync)
directAfter=$(timedDd oflag=direct)
ddtime=$(calc "($directBefore + $directAfter) / 2")
cached=$(calc "($cachedBefore + $cachedAfter) / 2")
own=$(sed -n 's/.* written in \([0-9.]*\) s,.*/\1/p' "$WORK/line.txt")
echo "free bytes: $free; fill: ${fill}s (the whole free space, Wine's start included), ${own}s by its own clock; dd: ${directBefore}s before the fill, ${directAfter}s after, for $((blocks * 4)) MiB"
echo "dd through the cache (bs=4M, conv=fsync, no oflag=direct): ${cachedBefore}s before the fill, ${cachedAfter}s after"
echo "ratio fill/dd: $(calc "$fill / $ddtime") (by the fill's own clock: $(calc "${own:-0} / $ddtime")); fill/dd through the cache: $(calc "${own:-0} / $cached")"
