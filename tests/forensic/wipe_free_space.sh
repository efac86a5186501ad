#!/usr/bin/env bash
# Wipe Free Space, measured on disk images of our own: ext4 (no journal, mounted sync and
# nodiscard, so freed blocks keep their bytes) and FAT32 (through fusefat). Each gets files
# that carry a marker; half are deleted; the real vellox.exe wipes the drive's free space; the
# unmounted image must then hold no marker of a deleted file, every live file must be intact,
# and the free space must be back within 1 MiB. Then a fill is killed half way (kill -9): the
# space must come back without a restart, and the next start removes what is left.
# Needs root (loop mounts). Usage: wipe_free_space.sh <vellox.exe>; WINEPREFIX names a prepared prefix.
set -euo pipefail
EXE=$(readlink -f "$1")
source "$(dirname "${BASH_SOURCE[0]}")/loop_drive.sh"

# File i: a marker repeated to a size that ranges from a few hundred bytes to 150 KB.
write_marked() {  # folder kind i
  local size=$(( ($3 % 4 == 0) ? 300 : ($3 % 4) * 50000 ))
  head -c "$size" < <(yes "VELLOXMARK-$2-$3-") >"$1/file$3.txt"
}

forensic() {  # kind size letter
  local kind=$1 img=$WORK/$1.img mnt=$WORK/$1 letter=$3
  mkdir -p "$mnt"
  make_image "$kind" "$img" "$2"
  mount_image "$kind" "$img" "$mnt"
  # Wine cannot read the volume at a mount's root: the drive letter names a folder inside.
  mkdir -p "$mnt/drive/data"
  add_letter "$letter" "$mnt/drive"
  for i in $(seq 1 40); do write_marked "$mnt/drive/data" "$kind" "$i"; done
  sync
  for i in $(seq 2 2 40); do rm "$mnt/drive/data/file$i.txt"; done
  sync
  (cd "$mnt/drive/data" && md5sum file*.txt) >"$WORK/$kind.md5"
  local before after out rc=0
  before=$(free_bytes "$mnt")
  out=$(wine "$EXE" --wipe-free-space "$letter:" --yes 2>&1) || rc=$?
  echo "$kind: exit $rc: $out"
  ((rc == 0)) || fail "$kind: exit code $rc"
  [[ $out == *"$letter: ("*") free space wiped"* ]] || fail "$kind: no result line"
  sync
  (cd "$mnt/drive/data" && md5sum -c --quiet "$WORK/$kind.md5") || fail "$kind: a live file changed"
  [[ -z $(ls -A "$mnt/drive") || $(ls -A "$mnt/drive") == data ]] || fail "$kind: left $(ls -A "$mnt/drive")"
  after=$(free_bytes "$mnt")
  unmount "$mnt"
  # fusefat loses count of free clusters after a fill (its summary stays low until fsck);
  # the file system's own table tells what is free.
  if [[ $kind == fat32 ]]; then
    after=$( (fsck.vfat -n "$img" || true) | sed -n 's|.* \([0-9]*\)/\([0-9]*\) clusters$|\1 \2|p' |
            (read -r used total; echo $(( (total - used) * 1024 ))))
  fi
  echo "$kind: free before $before, after $after"
  (( before - after <= 1048576 && after - before <= 1048576 )) || fail "$kind: free space $before -> $after"
  local found=0 kept=0
  for i in $(seq 2 2 40); do
    if grep -aq "VELLOXMARK-$kind-$i-" "$img"; then found=$((found + 1)); fi
  done
  for i in $(seq 1 2 40); do
    if grep -aq "VELLOXMARK-$kind-$i-" "$img"; then kept=$((kept + 1)); fi
  done
  echo "$kind: markers of deleted files left: $found of 20; of live files: $kept of 20"
  ((found == 0)) || fail "$kind: $found deleted files can still be read in the image"
  ((kept == 20)) || fail "$kind: live files lost"
  mount_image "$kind" "$img" "$mnt"
}

interrupted() {  # kind size letter
  local img=$WORK/$1-big.img mnt=$WORK/$1-big letter=$3 before pid
  mkdir -p "$mnt"
  make_image "$1" "$img" "$2"
  mount_image "$1" "$img" "$mnt"
  mkdir -p "$mnt/drive"
  add_letter "$letter" "$mnt/drive"
  before=$(free_bytes "$mnt")
  wine "$EXE" --wipe-free-space "$letter:" --yes >/dev/null 2>&1 &
  pid=$!
  half() { (( $(free_bytes "$mnt") < before / 2 )); }
  wait_for 60 half || fail "$1: the fill never reached half"
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  local killed=$SECONDS
  back() { (( $(free_bytes "$mnt") >= before - 1048576 )); }
  wait_for 10 back || fail "$1: the space did not come back after kill -9 ($(free_bytes "$mnt") of $before)"
  echo "$1: killed at half; space back; left behind: $(ls -A "$mnt/drive" | tr '\n' ' ')"
  # The next start removes any fill file or folder still there.
  wine "$EXE" --wipe-free-space "Q:" --yes >/dev/null 2>&1 || true
  [[ ! -e "$mnt/drive/Vellox free space" ]] || fail "$1: the fill folder stays after the next start"
}

[[ ${SKIP_EXT4:-} ]] || forensic ext4 96M V
forensic fat32 80M W
interrupted ext4 1G X
echo "wipe free space: forensic and interruption checks passed"
