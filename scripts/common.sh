# Shared by scripts/run and scripts/test: installs what is missing, builds, and
# prepares quiet Wine prefixes. Source it; do not run it.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${VELLOX_BUILD:-$ROOT/build}
JOBS=${JOBS:-$(nproc)}
SQLITE_DIR=$BUILD/third_party/sqlite3  # fetched by scripts/fetch-sqlite, never committed
JSON_DIR=$BUILD/third_party/json       # nlohmann/json's headers, copied from the Debian package

PACKAGES=(cmake make g++ googletest libgtest-dev libgmock-dev g++-mingw-w64-x86-64-posix mingw-w64-tools
          wine wine64 xvfb x11-apps x11-utils imagemagick xdotool python3 coreutils nsis
          nlohmann-json3-dev e2fsprogs dosfstools fusefat util-linux sqlite3)

as_root() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "== installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
  "$ROOT/scripts/fetch-sqlite" "$SQLITE_DIR"
  copy_json_headers
}

# The JSON library is headers only; both trees take them from the build folder, since the
# cross compiler must not see the host's /usr/include.
copy_json_headers() {
  if ! diff -rq /usr/include/nlohmann "$JSON_DIR/nlohmann" >/dev/null 2>&1; then
    rm -rf "$JSON_DIR"
    mkdir -p "$JSON_DIR"
    cp -r /usr/include/nlohmann "$JSON_DIR/"
  fi
}

build_native() {
  cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug -DVELLOX_SQLITE_DIR="$SQLITE_DIR" \
        -DVELLOX_JSON_DIR="$JSON_DIR" >/dev/null
  cmake --build "$BUILD/native" -j "$JOBS"
}

# VELLOX_VERSION builds another version than the project's; WINDOWS_TARGET builds one target.
build_windows() {
  cmake -S "$ROOT" -B "$BUILD/windows" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DVELLOX_SQLITE_DIR="$SQLITE_DIR" -DVELLOX_JSON_DIR="$JSON_DIR" \
        -DVELLOX_VERSION="${VELLOX_VERSION:-}" \
        "$@" >/dev/null
  cmake --build "$BUILD/windows" -j "$JOBS" ${WINDOWS_TARGET:+--target "$WINDOWS_TARGET"}
}

wine_env() {  # prefix dir
  export WINEPREFIX=$1 WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
}

# A fresh prefix with Wine's virtual desktop (a taskbar with a notification area)
# and no links into the Linux home: Desktop, Documents and the rest become plain folders.
make_prefix() {  # prefix dir
  wine_env "$1"
  mkdir -p "$1"
  wine wineboot --init >/dev/null 2>&1 || true
  wineserver -w
  local users="$1/drive_c/users"
  for link in "$users"/*/*; do
    if [[ -L "$link" ]]; then rm -f "$link"; mkdir -p "$link"; fi
  done
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1000 /f >/dev/null 2>&1
  wineserver -w
}

free_display() {
  local n=99
  while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
  echo ":$n"
}

# Starts Xvfb on a free display and waits until it answers.
start_xvfb() {
  XVFB_DISPLAY=$(free_display)
  Xvfb "$XVFB_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=$XVFB_DISPLAY
  for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  return 1
}

stop_xvfb() {
  [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null || true
}

# Two small drives for the free-space contract, which fills a drive for real: S: on a tmpfs of
# 8 MiB and R: on a read-only one, never a disk the host needs. Made before the prefix's server
# starts, which is when Wine learns drive letters. Needs root (mounts); without, the contract
# test says the drives are missing.
SMALL_MOUNTS=()
small_drives() {  # folder
  local rw=$1/small-drive ro=$1/readonly-drive
  mkdir -p "$rw" "$ro"
  mount -t tmpfs -o size=8m tmpfs "$rw" 2>/dev/null || return 0
  SMALL_MOUNTS+=("$rw")
  mount -t tmpfs -o size=1m tmpfs "$ro" || return 0
  SMALL_MOUNTS+=("$ro")
  # Wine cannot read the volume at a mount's root: the letters name folders inside.
  mkdir "$rw/drive" "$ro/drive"
  mount -o remount,ro "$ro"
  ln -sfn "$rw/drive" "$WINEPREFIX/dosdevices/s:"
  ln -sfn "$ro/drive" "$WINEPREFIX/dosdevices/r:"
  export VELLOX_SMALL_DRIVE=S: VELLOX_READONLY_DRIVE=R:
}

unmount_small_drives() {
  for m in "${SMALL_MOUNTS[@]}"; do umount "$m" 2>/dev/null || true; done
}

# Runs one Windows program and waits for it. Its output goes to a file first:
# Wine's helper processes outlive the program and would hold a pipe open.
wine_quiet() {  # exe args...
  local out
  out=$(mktemp)
  local rc=0
  wine "$@" >"$out" 2>&1 </dev/null || rc=$?
  tr -d '\r' <"$out"  # a console program's lines end in CR LF
  rm -f "$out"
  return $rc
}

# Starts vellox.exe in the current prefix, detached from this shell's pipes.
start_vellox() {
  setsid wine "$BUILD/windows/vellox.exe" >/dev/null 2>&1 </dev/null &
}

# Saves the screen, or the part "x y width height" of it, as a PNG.
screenshot() {  # file [x y width height]
  if (($# == 5)); then
    import -window root -crop "$4x$5+$2+$3" +repage "$1"
  else
    import -window root "$1"
  fi
}
