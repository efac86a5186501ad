#!/usr/bin/env bash
# The Browsers rows' clean, measured on a disk image of our own (ext4 without a journal,
# mounted sync and nodiscard, so freed blocks keep their bytes). The user's Local AppData and
# AppData folders are moved onto the image; a Chrome and a Firefox profile there carry markers
# in their cookies, history, icons, site data and cache, and one site is kept. The real
# vellox.exe cleans them at start-up, with "Secure Wipe all other areas" on. Then the unmounted
# image must hold no marker of what went, in any file, journal, freed page or freed block; the
# kept site's markers must be there, and the kept cookies readable. A second start with no kept
# site must leave no marker at all: the stores that mix sites, left whole the first time, go too.
# Needs root (loop mounts) and a display. Usage: browser_clean.sh <vellox.exe>; WINEPREFIX names
# a prepared prefix.
set -euo pipefail
EXE=$(readlink -f "$1")
HERE=$(dirname "${BASH_SOURCE[0]}")
SCHEMAS=$HERE/../browsers/browser_schemas.h
source "$HERE/loop_drive.sh"
source "$HERE/seed_profiles.sh"
IMG=$WORK/browsers.img MNT=$WORK/browsers LETTER=V
DRIVE=$MNT/drive LOG="$MNT/drive/Local/Tarn Vellox/clean.log"
KEPT_KINDS=(cookie enc idb ffstorage)
MIXED_KINDS=(localstorage sessionstorage serviceworker webappsstore)
SETTINGS='HKCU\Software\ Tarn Vellox\Settings'

# A REG_MULTI_SZ value as a .reg file writes it: UTF-16 code units, each list item ending in NUL.
# Wine takes these bytes as they are only from a file in UTF-16; from an 8-bit file it widens each.
multi_sz() { printf '%s\0' "$@" | iconv -t UTF-16LE | od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//; s/,$/,00,00/'; }

settings() {
  local folders='Software\Microsoft\Windows\CurrentVersion\Explorer'
  {
    echo 'Windows Registry Editor Version 5.00'
    for key in "User Shell Folders" "Shell Folders"; do
      printf '[HKEY_CURRENT_USER\\%s\\%s]\n"Local AppData"="%s:\\\\Local"\n"AppData"="%s:\\\\Roaming"\n' \
             "$folders" "$key" "$LETTER" "$LETTER"
    done
    printf '[HKEY_CURRENT_USER\\Software\\ Tarn Vellox\\Settings]\n'
    for key in runonstart autodelcookies autodelhistory autodelcache secureforall; do echo "\"$key\"=\"1\""; done
    echo '"shredlevel"="True"'
    echo "\"keepcookies\"=hex(7):$(multi_sz "$KEPT_SITE")"
  } | { printf '\xff\xfe'; iconv -t UTF-16LE; } >"$WORK/settings.reg"
  wine reg import "$(winepath -w "$WORK/settings.reg")" >/dev/null 2>&1 || fail "the settings were not stored"
}

# The kinds of marker ("VLXMARK-gone-cookie") the image holds, one a line.
markers() { grep -ao "VLXMARK-$1-[a-z]*" "$IMG" | sort -u || true; }

# Fails unless the image holds each of the kinds of marker named.
holds() {  # what kind...
  local what=$1 found
  shift
  found=$(markers "$what")
  for kind in "$@"; do grep -qx "VLXMARK-$what-$kind" <<<"$found" || fail "the image lacks VLXMARK-$what-$kind"; done
}

# Where each byte offset of a marker lies: a file's block, or a free one.
locate() {  # kind
  local offset block inode
  grep -abo "VLXMARK-$1-[a-z]*" "$IMG" | sort -t: -k2 -u | head -20 | while IFS=: read -r offset marker; do
    block=$((offset / 1024))
    inode=$(debugfs -R "icheck $block" "$IMG" 2>/dev/null | awk 'NR == 2 {print $2}')
    if [[ $inode =~ ^[0-9]+$ ]]; then
      echo "  $marker at block $block: $(debugfs -R "ncheck $inode" "$IMG" 2>/dev/null | awk 'NR == 2 {$1 = ""; print}')"
    else
      echo "  $marker at block $block: free"
    fi
  done
}

# Starts vellox.exe, waits for the start-up clean's line in the log, ends the session as Windows
# would, then stops the prefix's server so that no handle stays open on the image.
clean_once() {  # lines the log had before
  wine "$EXE" >/dev/null 2>&1 </dev/null &
  local pid=$! start=$SECONDS
  logged() { [[ -f $LOG ]] && (($(grep -c ' | start-up | ' "$LOG") > $1)); }
  wait_for 120 logged "$1" || fail "no start-up clean was logged (log: $(cat "$LOG" 2>/dev/null))"
  echo "clean took $((SECONDS - start)) s: $(tail -1 "$LOG" | tr -d '\r')"
  wine wineboot --end-session >/dev/null 2>&1 || true
  wait_for 30 bash -c "! kill -0 $pid 2>/dev/null" || fail "vellox.exe did not end with the session"
  wait "$pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

expect_log() { [[ $(tail -1 "$LOG") == *"$1"* ]] || fail "the log does not say \"$1\": $(tail -1 "$LOG")"; }

kept_cookies() {  # database table host-column
  sqlite3 -readonly "$1" "SELECT count(*) FROM $2 WHERE $3 = '.$KEPT_SITE' AND value LIKE 'VLXMARK-kept-cookie-%'"
}

mkdir -p "$MNT"
make_image ext4 "$IMG" 96M
mount_image ext4 "$IMG" "$MNT"
# Wine cannot read the volume at a mount's root: the drive letter names a folder inside.
mkdir -p "$DRIVE/Local" "$DRIVE/Roaming"
add_letter "$LETTER" "$DRIVE"
settings
# Built beside the image and copied whole, so no marker lies in a block freed before the clean.
seed_chrome "$WORK/seed/Local/Google/Chrome/User Data"
seed_firefox "$WORK/seed/Roaming/Mozilla/Firefox" "$WORK/seed/Local/Mozilla/Firefox"
cp -r "$WORK/seed/." "$DRIVE/"
sync
unmount "$MNT"
holds gone cookie enc url title referrer term segment annotation cluster visited iconpage icon visitedlinks hsts \
           netstate cache idb input query download ffhsts ffstorage ffcache
holds kept "${KEPT_KINDS[@]}"
holds mixed "${MIXED_KINDS[@]}"
mount_image ext4 "$IMG" "$MNT"

clean_once 0
for text in "Chrome (Person 1) cookies: 360 cookies" "Firefox (default) cookies: 360 cookies" \
            "Chrome (Person 1) site data: " "Firefox (default) site data: " \
            "Local Storage, Session Storage, Service Worker left whole: they mix the data of many sites" \
            "Chrome (Person 1) history: 500 pages" "Firefox (default) history: 500 pages" \
            "Chrome (Person 1) cache: " "Firefox (default) cache: "; do
  expect_log "$text"
done
unmount "$MNT"
left=$(markers gone)
[[ -z $left ]] || fail "after Clean the image still holds: $(echo $left)
$(locate gone)"
holds kept "${KEPT_KINDS[@]}"
# Left whole while a site is kept, as the log says.
holds mixed "${MIXED_KINDS[@]}"
mount_image ext4 "$IMG" "$MNT"
chrome=$(kept_cookies "$DRIVE/Local/Google/Chrome/User Data/Default/Network/Cookies" cookies host_key)
firefox=$(kept_cookies "$DRIVE/Roaming/Mozilla/Firefox/Profiles/vlx.default/cookies.sqlite" moz_cookies host)
((chrome == 40 && firefox == 40)) || fail "kept cookies readable: Chrome $chrome, Firefox $firefox of 40"
echo "kept: 40 cookies in each browser, the kept site's IndexedDB and storage folders"

wine reg delete "$SETTINGS" /v keepcookies /f >/dev/null 2>&1 || fail "the kept site stays"
wineserver -k 2>/dev/null || true
clean_once 1
expect_log "Chrome (Person 1) cookies: 40 cookies"
unmount "$MNT"
left=$(markers '[a-z]*')
[[ -z $left ]] || fail "with no site kept, the image still holds: $(echo $left)
$(locate '[a-z]*')"
echo "browser clean: no marker of a cleaned store is left on the disk"
