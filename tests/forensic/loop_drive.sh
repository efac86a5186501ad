# Shared by the forensic tests: disk images of our own as Windows drives in a copy of the
# test's Wine prefix. ext4 is made without a journal and mounted sync and nodiscard, so freed
# blocks keep their bytes and nothing but the file system's own blocks holds old data.
# Source it after setting EXE; WINEPREFIX names a prepared prefix. Needs root (loop mounts).
set -euo pipefail
: "${WINEPREFIX:?a prepared Wine prefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
WORK=$(mktemp -d /tmp/vellox-forensic.XXXXXX)
# Wine's mount manager learns the drive letters when its server starts: the test works in a copy
# of the prefix with a server of its own, restarted after each new letter.
cp -a "$WINEPREFIX" "$WORK/prefix"
export WINEPREFIX=$WORK/prefix
MOUNTS=()
LETTERS=()

cleanup() {
  for m in "${MOUNTS[@]}"; do umount "$m" 2>/dev/null || fusermount -u "$m" 2>/dev/null || true; done
  wineserver -k 2>/dev/null || true
  for l in "${LETTERS[@]}"; do rm -f "$WINEPREFIX/dosdevices/$l"; done
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits for a condition (a command) for up to $1 seconds.
wait_for() {
  local limit=$1 start=$SECONDS
  shift
  until "$@"; do
    ((SECONDS - start < limit)) || return 1
    sleep 0.05
  done
}

add_letter() {  # letter folder
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  ln -sfn "$2" "$WINEPREFIX/dosdevices/${1,,}:"
  LETTERS+=("${1,,}:")
}

free_bytes() { df --output=avail -B1 "$1" | tail -1 | tr -d ' '; }

mount_image() {  # kind image mountpoint
  case $1 in
    ext4)
      mount -o loop,sync,nodiscard "$2" "$3"
      # ext4 keeps a pool of free clusters (2%, at most 4096) that no write may take: freed
      # blocks in it would keep their bytes whatever a program writes. Let the fill have it.
      echo 0 >"/sys/fs/ext4/$(basename "$(findmnt -n -o SOURCE "$3")")/reserved_clusters" ;;
    fat32) fusefat -o rw+ "$2" "$3" ;;
  esac
  MOUNTS+=("$3")
}

unmount() {
  umount "$1" 2>/dev/null || fusermount -u "$1"
  wait_for 10 bash -c "! mountpoint -q '$1'" || fail "$1 stays mounted"
}

make_image() {  # kind image size
  truncate -s "$3" "$2"
  case $1 in
    ext4) mkfs.ext4 -q -O ^has_journal -m 0 "$2" ;;
    fat32) mkfs.vfat -F 32 -s 2 "$2" >/dev/null ;;
  esac
}
