#!/usr/bin/env bash
# One-time machine setup for building and testing Kelvra on Debian 12 (run as root).
# Idempotent: every step checks whether it is already done.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deps_prefix="${KELVRA_DEPS:-$here/build/deps}"
export DEBIAN_FRONTEND=noninteractive

need_root() {
  if [ "$(id -u)" != 0 ]; then
    echo "setup.sh must run as root (it installs Debian packages)" >&2
    exit 1
  fi
}

install_packages() {
  local pkgs=(cmake ninja-build g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
              mingw-w64-i686-dev libz-mingw-w64-dev wine wine32:i386 wine32-preloader:i386 xvfb x11-apps
              googletest dpkg-dev xauth
              g++ libpng-dev libjpeg-dev zlib1g-dev libexpat1-dev clang libclang-rt-14-dev)
  local missing=()
  for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  local changed=0
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386; changed=1
  fi
  # `apt-get source` needs deb-src entries, whichever format the machine's apt
  # sources use (a network-installed Debian 12 has only the one-line file).
  if [ "$(bash "$here/scripts/apt-source-entries.sh" /etc/apt)" = added ]; then changed=1; fi
  if [ ${#missing[@]} -gt 0 ] || [ $changed = 1 ] || [ ! -d /var/lib/apt/lists ] || \
     ! ls /var/lib/apt/lists/*_source_Sources >/dev/null 2>&1; then
    apt-get update -q
  fi
  if [ ${#missing[@]} -gt 0 ]; then
    apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

# Cross-builds one CMake project from a Debian source package into $deps_prefix.
build_dep() {
  local name="$1" subdir="$2" stamp="$deps_prefix/.stamp-$1"; shift 2
  [ -f "$stamp" ] && return 0
  local work="$here/build/deps-src"
  mkdir -p "$work"
  ( cd "$work"
    if ! ls -d "${name}"-*/ >/dev/null 2>&1; then
      apt-get source --download-only "$name/bookworm"
      dpkg-source -x "$(ls ${name}_*.dsc | head -n1)"
    fi )
  local dir
  dir="$(ls -d "$work/${name}"-*/ | head -n1)"
  if [ "$name" = expat ]; then
    # Debian's security patches test "XML_DTD == 1", which the CMake config header
    # defines empty; the autotools build Debian uses defines it as 1.
    sed -i 's/^#cmakedefine XML_DTD$/#cmakedefine XML_DTD 1/' "$dir/expat/expat_config.h.cmake"
  fi
  cmake -S "$dir/$subdir" -B "$work/build-$name" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/i686-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps_prefix" \
    -DCMAKE_POSITION_INDEPENDENT_CODE=OFF "$@"
  cmake --build "$work/build-$name"
  cmake --install "$work/build-$name"
  touch "$stamp"
}

# Some virtual machines run a 64-bit kernel that cannot execute 32-bit programs
# (Wine's 32-bit loader and server among them). There qemu's user-mode i386
# emulator runs them, registered with binfmt_misc ("F": the interpreter is opened
# now, so it also works inside other mount namespaces). Debian 12's own qemu (7.2)
# is not enough: 32-bit Wine programs that run two threads at once crash under it
# (segmentation faults, "stack smashing detected"), so the emulator comes from
# bookworm-backports (qemu 10), which runs them.
qemu_major() {
  /usr/bin/qemu-i386-static --version 2>/dev/null | sed -n 's/.*version \([0-9]*\)\..*/\1/p' | head -n1
}

ensure_i386_exec() {
  local bm=/proc/sys/fs/binfmt_misc
  if [ ! -f "$bm/qemu-i386" ] && /usr/lib/wine/wineserver32 --version >/dev/null 2>&1; then
    return 0  # the kernel runs 32-bit programs itself
  fi
  local fresh=0 major
  major="$(qemu_major)"
  if [ -z "$major" ] || [ "$major" -lt 8 ]; then
    local list=/etc/apt/sources.list.d/kelvra-backports.sources
    if [ ! -f "$list" ]; then
      printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm-backports' \
        'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' >"$list"
    fi
    apt-get update -q
    apt-get install -y -q --no-install-recommends -t bookworm-backports qemu-user-static
    fresh=1
  fi
  [ -f "$bm/register" ] || mount -t binfmt_misc binfmt_misc "$bm"
  # A registration made before the emulator was replaced still holds the old
  # binary open: make it again.
  if [ -f "$bm/qemu-i386" ] && [ $fresh = 1 ]; then echo -1 >"$bm/qemu-i386"; fi
  if [ ! -f "$bm/qemu-i386" ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' > "$bm/register"
  fi
  /usr/lib/wine/wineserver32 --version >/dev/null
}

need_root
install_packages
ensure_i386_exec
mkdir -p "$deps_prefix"
build_dep expat expat -DEXPAT_SHARED_LIBS=OFF -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF \
  -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_BUILD_PKGCONFIG=OFF
build_dep libpng1.6 . -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DZLIB_ROOT=/usr/i686-w64-mingw32
build_dep libjpeg-turbo . -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
build_dep benchmark . -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF \
  -DBENCHMARK_ENABLE_INSTALL=ON -DBENCHMARK_ENABLE_WERROR=OFF -DBUILD_SHARED_LIBS=OFF \
  -DGIT_VERSION=0.0.0 -DBENCHMARK_INSTALL_DOCS=OFF
echo "setup: done"
