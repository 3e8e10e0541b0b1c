#!/usr/bin/env bash
# Builds Qt 6.4.2 (base modules, shared) for 64-bit Windows with Debian 12's MinGW-w64 from
# Debian's own qt6-base source, and packs it as qt6-mingw64-6.4.2.tar.xz: the SDK that
# ORVISNAP_QT_MINGW names, for machines that do not have it at hand.
#
# Usage: scripts/build-qt-mingw.sh [OUTPUT_DIR]     (default: build-qt-mingw)
#
# About 40 minutes on 2 cores; on a shared machine run it under `nice -n 19`. Running it again
# reuses the downloaded source, the build folder and a finished install.
set -euo pipefail

qt_version=6.4.2
# Same upstream version as the host's moc, rcc and uic, which the SDK relies on.
source_version_pattern='^6\.4\.2\+dfsg-'

usage() { echo "Usage: $0 [OUTPUT_DIR]   (default: build-qt-mingw)"; }
case "${1:-}" in
  -h | --help) usage; exit 0 ;;
  -*) usage >&2; exit 2 ;;
esac
if [ $# -gt 1 ]; then usage >&2; exit 2; fi

say() { echo "== $*"; }
die() { echo "build-qt-mingw: $*" >&2; exit 1; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"
  elif command -v sudo >/dev/null; then sudo "$@"
  else die "needs root (or sudo) for: $*"
  fi
}

out="${1:-build-qt-mingw}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
src_parent="$out/src"
build_dir="$out/build"
prefix="$out/qt6-mingw64"
# Installed as if into this folder, then moved: the few files that name the prefix (pkg-config
# files, qmake's target_qt.conf) then read as in the shared SDK wherever this runs. Qt's CMake
# packages find everything relative to themselves.
nominal_prefix=/opt/qt6-mingw64
stage="$out/stage"
tarball="$out/qt6-mingw64-$qt_version.tar.xz"
toolchain="$out/mingw64.cmake"
installed_stamp="$out/.qt6-mingw64-installed"

# ---------------------------------------------------------------------------------------------
# Packages

packages=(
  cmake ninja-build dpkg-dev perl xz-utils
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  qt6-base-dev qt6-base-dev-tools
)
apt_updated=0
apt_update() {
  as_root apt-get update -qq
  apt_updated=1
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  say "Installing ${missing[*]}"
  apt_update
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

host_qt="$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)"
[[ "$host_qt" =~ $source_version_pattern ]] ||
  die "the host's qt6-base-dev-tools is $host_qt; Qt $qt_version is needed (Debian 12)"

# ---------------------------------------------------------------------------------------------
# deb-src for bookworm. Added as a file of its own beside the system's entries, copying their
# mirrors and options (a deb-src entry whose Signed-By differs from its deb entry's makes apt
# refuse the whole configuration), and taken out again if apt does not accept it.

src_list_name=orvisnap-bookworm-src

has_bookworm_src() {
  # shellcheck disable=SC2016 # apt's format, not the shell's
  apt-get indextargets --no-release-info --format '$(TARGET_OF) $(RELEASE)' 2>/dev/null |
    grep -qx 'deb-src bookworm'
}

# deb822 paragraphs that fetch bookworm packages, as deb-src paragraphs.
deb822_src_from() {
  awk '
    function flush() {
      if (n && types ~ /(^|[ \t])deb([ \t]|$)/ && types !~ /deb-src/ &&
          suites ~ /(^|[ \t])bookworm(-[a-z]+)?([ \t]|$)/ && tolower(enabled) !~ /no/) {
        print "Types: deb-src"; printf "%s\n", body
      }
      n = 0; body = ""; types = ""; suites = ""; enabled = ""; field = ""
    }
    FNR == 1 { flush() }
    /^[ \t]*#/ { next }
    /^[ \t]*$/ { flush(); next }
    /^[ \t]/ {
      if (field == "types") types = types " " $0
      else { if (field == "suites") suites = suites " " $0; body = body $0 "\n" }
      next
    }
    {
      n++
      field = tolower(substr($0, 1, index($0, ":") - 1))
      value = substr($0, index($0, ":") + 1)
      if (field == "types") { types = value; next }
      if (field == "suites") suites = value
      if (field == "enabled") enabled = value
      body = body $0 "\n"
    }
    END { flush() }
  ' "$@"
}

# One-line entries that fetch bookworm packages, as deb-src lines.
list_src_from() {
  sed -nE 's/^[[:space:]]*deb([[:space:]]+\[[^]]*\])?[[:space:]]+([^[:space:]]+)[[:space:]]+(bookworm(-[a-z]+)?)([[:space:]].*)?$/deb-src\1 \2 \3\5/p' "$@"
}

enable_bookworm_src() {
  local d=/etc/apt/sources.list.d tmp added=() f
  local sources=() lists=()
  for f in "$d"/*.sources; do
    [ -f "$f" ] && [ "$f" != "$d/$src_list_name.sources" ] && sources+=("$f")
  done
  for f in /etc/apt/sources.list "$d"/*.list; do
    [ -f "$f" ] && [ "$f" != "$d/$src_list_name.list" ] && lists+=("$f")
  done
  tmp="$(mktemp -d)"
  {
    echo "# deb-src for bookworm, added by Orvisnap's scripts/build-qt-mingw.sh"
    [ ${#sources[@]} -eq 0 ] || deb822_src_from "${sources[@]}"
  } >"$tmp/src.sources"
  {
    echo "# deb-src for bookworm, added by Orvisnap's scripts/build-qt-mingw.sh"
    [ ${#lists[@]} -eq 0 ] || list_src_from "${lists[@]}"
  } >"$tmp/src.list"
  if ! grep -q '^Types: deb-src' "$tmp/src.sources" && ! grep -q '^deb-src' "$tmp/src.list"; then
    echo "No deb entry for bookworm found: using Debian's main mirror"
    printf '%s\n' "# deb-src for bookworm, added by Orvisnap's scripts/build-qt-mingw.sh" \
      "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: bookworm" \
      "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" \
      >"$tmp/src.sources"
  fi
  if grep -q '^Types: deb-src' "$tmp/src.sources"; then
    as_root install -m 644 "$tmp/src.sources" "$d/$src_list_name.sources"
    added+=("$d/$src_list_name.sources")
  fi
  if grep -q '^deb-src' "$tmp/src.list"; then
    as_root install -m 644 "$tmp/src.list" "$d/$src_list_name.list"
    added+=("$d/$src_list_name.list")
  fi
  rm -rf "$tmp"
  say "Enabled deb-src for bookworm in ${added[*]}"
  cat "${added[@]}"
  if ! apt-get indextargets --no-release-info >/dev/null || ! apt_update || ! has_bookworm_src; then
    as_root rm -f "${added[@]}"
    die "apt did not accept the deb-src entries; removed them again (${added[*]})"
  fi
}

if ! has_bookworm_src; then
  enable_bookworm_src
fi

# ---------------------------------------------------------------------------------------------
# Source

source_dir="$src_parent/qt6-base-$qt_version+dfsg"
source_stamp="$src_parent/.qt6-base-version"
if [ -f "$source_stamp" ] && [ -d "$source_dir" ]; then
  source_version="$(cat "$source_stamp")"
  say "Reusing qt6-base $source_version source in $source_dir"
else
  available="$(apt-cache showsrc qt6-base 2>/dev/null | sed -n 's/^Version: //p')"
  if [ -z "$available" ] && [ "$apt_updated" -eq 0 ]; then
    apt_update
    available="$(apt-cache showsrc qt6-base 2>/dev/null | sed -n 's/^Version: //p')"
  fi
  source_version=""
  # The host tools' own revision if the archive has it, else the newest 6.4.2+dfsg one.
  for v in $available; do
    [[ "$v" =~ $source_version_pattern ]] || continue
    if [ "$v" = "$host_qt" ]; then source_version="$v"; break; fi
    if [ -z "$source_version" ] || dpkg --compare-versions "$v" gt "$source_version"; then
      source_version="$v"
    fi
  done
  [ -n "$source_version" ] ||
    die "no qt6-base $qt_version+dfsg source package found (have: ${available:-none})"
  say "Downloading qt6-base $source_version source into $src_parent"
  rm -rf "$source_dir"
  mkdir -p "$src_parent"
  # Unpacked with Debian's patches, its security fixes among them.
  (cd "$src_parent" && apt-get source -q "qt6-base=$source_version")
  [ -f "$source_dir/CMakeLists.txt" ] || die "apt-get source did not unpack $source_dir"
  echo "$source_version" >"$source_stamp"
fi

# ---------------------------------------------------------------------------------------------
# Toolchain: MinGW-w64 with posix threads (std::thread and friends need them).

write_toolchain() {
  cat >"$1" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
}

# ---------------------------------------------------------------------------------------------
# Configure, build, install

configure_args=(
  -G Ninja
  -DCMAKE_TOOLCHAIN_FILE="$toolchain"
  -DCMAKE_INSTALL_PREFIX="$nominal_prefix"
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_optimize_size=ON
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
  # The source package has no wintab.h.
  -DFEATURE_tabletevent=OFF
  # Software drawing only: with any OpenGL left on, the windows platform plugin does not build.
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
  -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_printsupport=ON -DFEATURE_testlib=ON
  -DFEATURE_accessibility=ON
  # Bundled third-party code, so that the DLLs need no more than the MinGW runtime, even where
  # the sysroot has a zlib of its own (libz-mingw-w64).
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_doubleconversion=OFF
)

build_id="qt6-base $source_version: ${configure_args[*]}"
if [ -f "$installed_stamp" ] && [ "$(cat "$installed_stamp")" = "$build_id" ] &&
   [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
  say "Reusing the finished install in $prefix"
else
  write_toolchain "$toolchain"
  args_stamp="$build_dir/.orvisnap-configure-args"
  if [ -f "$build_dir/build.ninja" ] && [ -f "$args_stamp" ] &&
     [ "$(cat "$args_stamp")" = "$source_dir ${configure_args[*]}" ]; then
    say "Reusing the configured build in $build_dir"
  else
    say "Configuring in $build_dir"
    # Qt keeps feature choices in its cache: start from a clean one when the choices change.
    rm -f "$build_dir/CMakeCache.txt" "$args_stamp"
    mkdir -p "$build_dir"
    cmake -S "$source_dir" -B "$build_dir" "${configure_args[@]}"
    # A second run stores Qt's install folders in their normalised form ("plugins", not
    # "./plugins"), which the installed CMake packages and pkg-config files repeat.
    cmake "$build_dir" >/dev/null
    echo "$source_dir ${configure_args[*]}" >"$args_stamp"
  fi

  say "Building with $(nproc) jobs (about 40 minutes on 2 cores)"
  start=$SECONDS
  cmake --build "$build_dir" --parallel "$(nproc)" ||
    die "the build failed (see above); running this again resumes it"
  echo "Built in $(((SECONDS - start) / 60)) min"

  say "Installing into $prefix"
  rm -f "$installed_stamp"
  rm -rf "$prefix" "$stage"
  DESTDIR="$stage" cmake --install "$build_dir" >"$build_dir/install.log"
  mv "$stage$nominal_prefix" "$prefix"
  rm -rf "$stage"
  # qdoc's settings for building Qt's own documentation: no use to a program built with it.
  rm -rf "$prefix/doc"

  find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

  # Shipped inside the SDK, and named relative to Qt's own toolchain file, so that the folder
  # works wherever it is unpacked.
  write_toolchain "$prefix/mingw64.cmake"
  qt_toolchain="$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
  [ -f "$qt_toolchain" ] || die "$qt_toolchain is missing after the install"
  # shellcheck disable=SC2016 # CMake's variable, written as it is
  relative='"${CMAKE_CURRENT_LIST_DIR}/../../../mingw64.cmake"'
  sed -i "s|^set(__qt_initially_configured_toolchain_file \".*\")\$|set(__qt_initially_configured_toolchain_file $relative)|" \
    "$qt_toolchain"
  grep -qF "set(__qt_initially_configured_toolchain_file $relative)" "$qt_toolchain" ||
    die "$qt_toolchain does not load mingw64.cmake from the SDK itself"

  for f in bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6PrintSupport.dll \
    bin/Qt6Test.dll plugins/platforms/qwindows.dll plugins/platforms/qoffscreen.dll \
    plugins/styles/qwindowsvistastyle.dll; do
    [ -f "$prefix/$f" ] || die "$prefix/$f is missing after the install"
  done
  echo "$build_id" >"$installed_stamp"
fi

# ---------------------------------------------------------------------------------------------
# Pack

if [ -f "$tarball" ] && [ "$tarball" -nt "$installed_stamp" ]; then
  say "Reusing $tarball"
else
  say "Packing $tarball"
  tar -C "$out" --sort=name --owner=root:0 --group=root:0 -cf - qt6-mingw64 |
    xz -6 -T1 >"$tarball.part"
  mv "$tarball.part" "$tarball"
fi

echo
echo "Qt $qt_version for MinGW-w64, from qt6-base $source_version: $tarball"
sha256sum "$tarball"
echo "Use it with (the folder, or the tarball):"
echo "  ORVISNAP_QT_MINGW=$prefix"
