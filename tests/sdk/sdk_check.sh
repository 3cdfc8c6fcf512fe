#!/usr/bin/env bash
# Checks of what a developer takes away from the SDK, made on the build machine
# with the cross toolchain; the programs they build run under the session's Wine.
#
#   sdk_check.sh header          kelvra.h compiles alone as C89, C99 and C++ with
#                                -Wall -Wextra -pedantic -Werror, and declares
#                                every export of core/Kelvra.def once and no other
#   sdk_check.sh import_library  lib/Kelvra.lib imports every export of the .def
#                                from Kelvra.dll, and a C89 program linked against
#                                it binds each one to the DLL's undecorated export
#   sdk_check.sh cmake_package   cmake --install, moved elsewhere: a project of
#                                someone else's finds, links and runs it
#   sdk_check.sh archive         cpack's zip holds the SDK and nothing else
#   sdk_check.sh readme_pictures every picture README.md shows is committed, and
#                                scripts/readme-pictures.sh remakes it
#
# The environment (tests/sdk/variants.cmake) names the trees and tools:
# KELVRA_SOURCE_DIR, KELVRA_BINARY_DIR, KELVRA_CC, KELVRA_CXX, KELVRA_NM,
# KELVRA_DLLTOOL, KELVRA_CMAKE, KELVRA_CPACK, KELVRA_VERSION (major.minor).
set -euo pipefail
check="${1:?which check}"
src="$KELVRA_SOURCE_DIR"
build="$KELVRA_BINARY_DIR"
work="$build/sdk-checks/$check"
rm -rf "$work"
mkdir -p "$work"
status=0
fail() {
  echo "sdk_check $check: $*" >&2
  status=1
}
run_wine() { "$src/scripts/wine-exec.sh" "$@"; }

# Name@N of each export, in the .def's order: the one list, read where it is kept.
def_exports() {
  awk '/^[[:space:]]*EXPORTS/ { exports = 1; next }
       exports { sub(/;.*/, ""); if (NF) print $1 }' "$src/core/Kelvra.def"
}

check_header() {
  local header="$src/include/kelvra.h"
  # Included twice: the guard must hold. Each line: compiler, then its options.
  printf '#include <kelvra.h>\n#include <kelvra.h>\n' >"$work/twice.h"
  local cases=(
    "$KELVRA_CC -x c -std=c89"
    "$KELVRA_CC -x c -std=c89 -DWIN32_LEAN_AND_MEAN"
    "$KELVRA_CC -x c -std=c99 -DUNICODE -D_UNICODE"
    "$KELVRA_CXX -x c++ -std=c++98"
    "$KELVRA_CXX -x c++ -std=c++20 -DUNICODE -D_UNICODE -DSTRICT -DNOMINMAX"
  )
  # Side by side: each is a second of windows.h.
  local i pids=()
  for i in "${!cases[@]}"; do
    # shellcheck disable=SC2086  # the case is a command line
    ${cases[i]} -Wall -Wextra -pedantic -Werror -fsyntax-only -I "$src/include" "$work/twice.h" &
    pids+=($!)
  done
  for i in "${!cases[@]}"; do
    wait "${pids[i]}" || fail "kelvra.h does not compile cleanly with: ${cases[i]}"
  done

  def_exports | sed 's/@[0-9]*$//' | sort >"$work/def_names"
  sed -nE 's/.*KELVRA_CALL[[:space:]]+([A-Za-z_][A-Za-z0-9_]*)[[:space:]]*\(.*/\1/p' "$header" | sort >"$work/declared"
  [ -s "$work/def_names" ] || fail "no exports read from core/Kelvra.def"
  local name
  for name in $(comm -23 "$work/def_names" <(sort -u "$work/declared")); do
    fail "$name is exported by core/Kelvra.def but not declared in kelvra.h"
  done
  for name in $(comm -13 "$work/def_names" <(sort -u "$work/declared")); do
    fail "$name is declared in kelvra.h but not exported by core/Kelvra.def"
  done
  for name in $(uniq -d "$work/declared"); do
    fail "$name is declared more than once in kelvra.h"
  done
}

check_import_library() {
  local lib="$build/lib/Kelvra.lib"
  [ -f "$lib" ] || { fail "the build made no $lib"; return; }
  local dll_name
  dll_name="$("$KELVRA_DLLTOOL" --identify "$lib" 2>&1)" || true
  [ "$dll_name" = "Kelvra.dll" ] || fail "Kelvra.lib imports from '$dll_name', not Kelvra.dll"
  # Each export has its import pointer (__imp__Name@N, what dllimport callers
  # reference) and its call thunk (_Name@N) in the library.
  def_exports | sort >"$work/expected"
  "$KELVRA_NM" -g --defined-only "$lib" | awk '$3 ~ /^__imp__/ { print substr($3, 8) }' | sort >"$work/imports"
  "$KELVRA_NM" -g --defined-only "$lib" | awk '$2 == "T" && $3 ~ /^_[^_]/ { print substr($3, 2) }' | sort >"$work/thunks"
  local e
  for e in $(comm -23 "$work/expected" "$work/imports"); do fail "Kelvra.lib has no import of $e"; done
  for e in $(comm -13 "$work/expected" "$work/imports"); do fail "Kelvra.lib imports $e, which the .def does not list"; done
  for e in $(comm -23 "$work/expected" "$work/thunks"); do fail "Kelvra.lib has no thunk _$e"; done

  # A C89 program that takes every export through kelvra.h and Kelvra.lib: the
  # link resolves each declaration's own Name@N, and the loader fills each import
  # slot by the name Kelvra.lib gives it. Wine puts a stub in a slot it cannot
  # fill and carries on, so the program compares every slot with the DLL's export
  # of the undecorated name.
  local program="$work/every_import.c"
  {
    printf '%s\n' '#include <stdio.h>' '#include <kelvra.h>' '' \
      'typedef void (*AnyFunction)(void);' 'struct Import { const char *name; AnyFunction imported; };' '' \
      'int main(void) {' '  static struct Import imports[] = {'
    def_exports | sed 's/@[0-9]*$//' | awk '{ printf "    { \"%s\", 0 },\n", $1 }'
    printf '%s\n' '  };' '  const int count = (int)(sizeof imports / sizeof imports[0]);' \
      '  HMODULE dll = GetModuleHandleA("Kelvra.dll");' '  int i = 0, failures = 0;'
    def_exports | sed 's/@[0-9]*$//' | awk '{ printf "  imports[%d].imported = (AnyFunction)%s;\n", NR - 1, $1 }'
    printf '%s\n' \
      '  if (!dll) { puts("Kelvra.dll is not loaded"); return 1; }' \
      '  for (i = 0; i < count; ++i) {' \
      '    AnyFunction exported = (AnyFunction)GetProcAddress(dll, imports[i].name);' \
      '    if (!exported || exported != imports[i].imported) {' \
      '      printf("not bound to the export %s\n", imports[i].name);' \
      '      ++failures;' \
      '    }' \
      '  }' \
      '  printf("imports %d bound %d\n", count, count - failures);' \
      '  printf("KelvraVersion %.2f\n", (double)KelvraVersion());' \
      '  return failures != 0;' \
      '}'
  } >"$program"
  $KELVRA_CC -std=c89 -Wall -Wextra -pedantic -Werror -I "$src/include" "$program" "$lib" -o "$work/every_import.exe" ||
    { fail "a C89 program does not link against Kelvra.lib"; return; }
  cp "$build/bin/Kelvra.dll" "$work/"
  local output
  output="$(cd "$work" && run_wine every_import.exe 2>&1 | tr -d '\r')" || fail "every_import.exe failed: $output"
  echo "$output"
  local count
  count="$(wc -l <"$work/expected")"
  grep -qx "imports $count bound $count" <<<"$output" || fail "not every import of Kelvra.lib is bound to its export"
  grep -qx "KelvraVersion $KELVRA_VERSION" <<<"$output" || fail "KelvraVersion is not $KELVRA_VERSION"
}

check_cmake_package() {
  "$KELVRA_CMAKE" --install "$build" --prefix "$work/installed" >"$work/install.log" ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; return; }
  local f
  for f in lib/cmake/Kelvra/KelvraConfig.cmake lib/cmake/Kelvra/KelvraConfigVersion.cmake \
    lib/cmake/Kelvra/KelvraTargets.cmake lib/libKelvra.dll.a lib/Kelvra.lib bin/Kelvra.dll include/kelvra.h; do
    [ -f "$work/installed/$f" ] || fail "the install has no $f"
  done
  # Relocatable: the package knows no folder of the machine that made it.
  mv "$work/installed" "$work/moved"
  local tree
  for tree in "$work/installed" "$build" "$src"; do
    if grep -rlF "$tree" "$work/moved/lib/cmake" >&2; then fail "the package names $tree"; fi
  done

  # The version rule: any release of the same major version up to this one.
  local rule
  for rule in "$KELVRA_VERSION yes" "${KELVRA_VERSION%%.*}.0 yes" "${KELVRA_VERSION%%.*} yes" \
    "${KELVRA_VERSION%%.*}.99 no" "$((${KELVRA_VERSION%%.*} + 1)).0 no" "$((${KELVRA_VERSION%%.*} - 1)).0 no"; do
    local wanted="${rule% *}" expected="${rule#* }"
    local got
    got="$("$KELVRA_CMAKE" -DWANTED="$wanted" -DFILE="$work/moved/lib/cmake/Kelvra/KelvraConfigVersion.cmake" \
      -P "$src/tests/sdk/package_version_probe.cmake" 2>&1)"
    [ "$got" = "$expected" ] || fail "find_package(Kelvra $wanted) compatible: '$got', expected $expected"
  done

  local consumer="$work/consumer"
  "$KELVRA_CMAKE" -S "$src/tests/sdk/consumer" -B "$consumer" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$src/cmake/i686-mingw32.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$work/moved" >"$work/configure.log" 2>&1 ||
    { cat "$work/configure.log" >&2; fail "the consumer project does not configure against the package"; return; }
  "$KELVRA_CMAKE" --build "$consumer" >"$work/build.log" 2>&1 ||
    { cat "$work/build.log" >&2; fail "the consumer project does not build against the package"; return; }
  grep -q -- "$work/moved/include" "$consumer/build.ninja" || fail "Kelvra::Kelvra does not give the installed include folder"
  grep -q -- "$work/moved/lib/libKelvra.dll.a" "$consumer/build.ninja" || fail "Kelvra::Kelvra does not link the installed libKelvra.dll.a"
  cmp -s "$consumer/Kelvra.dll" "$build/bin/Kelvra.dll" || fail "the consumer's copy of Kelvra.dll is not the built one"
  local output
  output="$(cd "$consumer" && run_wine kelvra_consumer.exe 2>&1 | tr -d '\r')" || fail "kelvra_consumer.exe failed: $output"
  echo "$output"
  grep -qx "KelvraVersion $KELVRA_VERSION" <<<"$output" || fail "the consumer did not get KelvraVersion $KELVRA_VERSION"
}

check_archive() {
  local name="Kelvra-$KELVRA_VERSION-win32"
  (cd "$work" && "$KELVRA_CPACK" -G ZIP --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; return; }
  local zip="$work/out/$name.zip"
  [ -f "$zip" ] || { fail "cpack made no $name.zip"; ls "$work/out" >&2; return; }
  (cd "$work" && "$KELVRA_CMAKE" -E tar tf "$zip") | grep -v '/$' | sort >"$work/listed"

  # What the archive must hold: the named files, and every picture the showcase reads.
  {
    printf "$name/%s\n" bin/Kelvra.dll bin/panel_showcase.exe include/kelvra.h lib/Kelvra.lib lib/libKelvra.dll.a \
      lib/cmake/Kelvra/KelvraConfig.cmake lib/cmake/Kelvra/KelvraConfigVersion.cmake \
      lib/cmake/Kelvra/KelvraTargets.cmake README.txt
    (cd "$build/bin" && find icons -type f) | sed "s|^|$name/bin/|"
  } | sort >"$work/required"
  local entry
  for entry in $(comm -23 "$work/required" "$work/listed"); do fail "the archive has no $entry"; done
  # Nothing else, bar the per-configuration half of the CMake targets.
  for entry in $(comm -13 "$work/required" "$work/listed"); do
    [[ "$entry" =~ ^$name/lib/cmake/Kelvra/KelvraTargets-[a-z]+\.cmake$ ]] || fail "the archive holds $entry"
  done
  [ -n "$(sed -n "\|^$name/lib/cmake/Kelvra/KelvraTargets-|p" "$work/listed")" ] || fail "the archive has no KelvraTargets-<configuration>.cmake"

  (cd "$work" && "$KELVRA_CMAKE" -E tar xf "$zip")
  local root="$work/$name"
  cmp -s "$root/bin/Kelvra.dll" "$build/bin/Kelvra.dll" || fail "the archive's Kelvra.dll is not the built one"
  cmp -s "$root/include/kelvra.h" "$src/include/kelvra.h" || fail "the archive's kelvra.h is not include/kelvra.h"
  local readme="$root/README.txt"
  if [ -f "$readme" ]; then
    ! grep -q '@' "$readme" || fail "README.txt has an unfilled @value@"
    grep -q "find_package(Kelvra $KELVRA_VERSION REQUIRED)" "$readme" || fail "README.txt does not show find_package"
    for entry in MSVC MinGW CMake Kelvra.lib libKelvra.dll.a Kelvra::Kelvra; do
      grep -qF "$entry" "$readme" || fail "README.txt says nothing of $entry"
    done
    [ "$(grep -c $'\r$' "$readme")" = "$(wc -l <"$readme")" ] || fail "README.txt's lines do not end in CRLF"
  fi
  echo "$zip: $(wc -l <"$work/listed") files, $(stat -c %s "$zip") bytes"
}

check_readme_pictures() {
  local readme="$src/README.md"
  grep -oE '!\[[^]]*\]\([^)]+\)' "$readme" | sed -E 's/.*\(([^)]+)\)/\1/' >"$work/pictures"
  [ -s "$work/pictures" ] || fail "README.md shows no picture"
  local picture
  while read -r picture; do
    if [ ! -f "$src/$picture" ]; then
      fail "README.md shows $picture, which is not in the tree"
    elif [ "$(head -c 8 "$src/$picture" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
      fail "$picture is not a PNG"
    elif ! grep -qF "\"${picture#docs/}|" "$src/scripts/readme-pictures.sh"; then
      fail "$picture has no line in scripts/readme-pictures.sh, which remakes the README's pictures"
    elif git -C "$src" rev-parse --git-dir >/dev/null 2>&1 &&
      ! git -C "$src" ls-files --error-unmatch -- "$picture" >/dev/null 2>&1; then
      fail "$picture is not committed"
    fi
  done <"$work/pictures"
}

case "$check" in
  header | import_library | cmake_package | archive | readme_pictures) "check_$check" ;;
  *) echo "sdk_check.sh: unknown check $check" >&2; exit 2 ;;
esac
exit $status
