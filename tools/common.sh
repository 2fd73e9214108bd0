# Shared by ./test, ./run and bench/run: packages, the two build trees, a
# private virtual display and a private Wine prefix. Source it; do not run it.

ZORVIK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZORVIK_PACKAGES=(cmake make g++ python3 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth xdotool imagemagick x11-utils googletest fonts-liberation
  fonts-wine clang libclang-rt-14-dev libfreetype-dev pkg-config zip unzip
  nsis lintian desktop-file-utils man-db)

zorvik_log() { printf '\033[1m== %s\033[0m\n' "$*" >&2; }

zorvik_install_packages() {
  local missing=()
  for p in "${ZORVIK_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  zorvik_log "installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -q >/dev/null
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}

zorvik_build_host() {
  cmake -S "$ZORVIK_ROOT" -B "$ZORVIK_ROOT/build/host" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$ZORVIK_ROOT/build/host" -j"$(nproc)" "$@"
}

zorvik_build_win() {
  cmake -S "$ZORVIK_ROOT" -B "$ZORVIK_ROOT/build/win" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ZORVIK_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DZORVIK_HOST_TREE="$ZORVIK_ROOT/build/host" -DZORVIK_DIST_DIR="$ZORVIK_ROOT/build/dist" >/dev/null
  cmake --build "$ZORVIK_ROOT/build/win" -j"$(nproc)" "$@"
}

# A virtual X display of our own. Xvfb picks the first free display number
# itself and reports it once it accepts connections, so suites starting side
# by side never pick the same one.
zorvik_start_display() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  ZORVIK_XVFB_PID=$!
  for _ in $(seq 200); do
    if grep -qx '[0-9]\+' "$number_file"; then
      export DISPLAY=":$(cat "$number_file")"
      rm -f "$number_file"
      return 0
    fi
    kill -0 "$ZORVIK_XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  rm -f "$number_file"
  echo "Xvfb did not start" >&2
  return 1
}

zorvik_stop_display() {
  if [ -n "${ZORVIK_XVFB_PID:-}" ]; then
    kill "$ZORVIK_XVFB_PID" 2>/dev/null || true
    wait "$ZORVIK_XVFB_PID" 2>/dev/null || true
    ZORVIK_XVFB_PID=""
  fi
}

zorvik_wine_environment() {
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
}

# Boots a prefix in $WINEPREFIX (on $DISPLAY) as every suite wants it.
zorvik_boot_prefix() {
  timeout 180 wine wineboot -i >/dev/null 2>&1 || { echo "wineboot failed" >&2; return 1; }
  # Without a window manager on the virtual display Wine draws the frames
  # itself, so screenshots show captions and the outer rectangle is the X window.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  zorvik_prefix_fonts
  timeout 60 wineserver -w 2>/dev/null || true
}

# Booting takes Wine a quarter of a minute, so one booted prefix that no
# program has run in is kept in build/wine-template and each suite gets a
# copy of it. The template is made again when Wine or the boot changes.
zorvik_prefix_template() {
  local template="$ZORVIK_ROOT/build/wine-template"
  local key
  key="$(wine --version 2>/dev/null) $(declare -f zorvik_boot_prefix zorvik_prefix_fonts | sha1sum | cut -c1-40)"
  mkdir -p "$ZORVIK_ROOT/build"
  (
    flock 9
    [ "$(cat "$template/key" 2>/dev/null)" = "$key" ] && exit 0
    rm -rf "$template"
    mkdir -p "$template/home"
    export HOME="$template/home" WINEPREFIX="$template/prefix"
    zorvik_wine_environment
    zorvik_boot_prefix || exit 1
    echo "$key" >"$template/key"
  ) 9>"$ZORVIK_ROOT/build/wine-template.lock"
}

# A fresh Wine prefix and home under $1: nothing of the user's own Wine is
# touched, and everything the program plays goes to $1/home/played.raw.
zorvik_new_prefix() {
  local base=$1
  local template="$ZORVIK_ROOT/build/wine-template"
  zorvik_prefix_template || return 1
  rm -rf "$base"
  mkdir -p "$base/home"
  cp -a "$template/prefix" "$base/prefix" || { echo "cannot copy the Wine prefix" >&2; return 1; }
  # The profile's Desktop, Documents and the like link to the home the
  # template was booted with.
  find "$base/prefix/drive_c/users" -type l -lname "$template/home" -exec ln -sfn "$base/home" {} \;
  export HOME="$base/home"
  export WINEPREFIX="$base/prefix"
  export XDG_DATA_HOME="$base/home/.local/share"
  zorvik_wine_environment
  cat >"$HOME/.asoundrc" <<ASOUND
pcm.!default {
  type file
  slave.pcm "null"
  file "$base/home/played.raw"
  format "raw"
}
pcm.null { type null }
ASOUND
}

# Wine draws the caption buttons with Marlett; a prefix made here does not
# find Wine's own fonts unless they are in its Fonts folder.
zorvik_prefix_fonts() {
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

zorvik_stop_prefix() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  if [ "${1:-}" = kill ]; then
    wineserver -k 2>/dev/null || true
  fi
  timeout 30 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
}
