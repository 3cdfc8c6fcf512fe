#!/usr/bin/env bash
# Builds Kelvra and all test programs, then runs every test: the pure code's tests
# on the build machine under AddressSanitizer and UBSan (build/host), its fuzz
# targets for KELVRA_FUZZ_SECONDS each (30 by default; 0 skips them), several at
# once (build/fuzz, KELVRA_FUZZ_JOBS at a time, all processors by default), and
# every test under Wine (build/release).
# Usage: scripts/test.sh [ctest arguments]. Installs what is missing first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
dir="${KELVRA_BUILD_DIR:-$here/build/release}"
host_dir="${KELVRA_HOST_BUILD_DIR:-$here/build/host}"
fuzz_dir="${KELVRA_FUZZ_BUILD_DIR:-$here/build/fuzz}"
kelvra_ensure_setup
kelvra_build "$dir"
kelvra_build_host "$host_dir"
set +e
(cd "$host_dir" && ctest --output-on-failure --parallel "$(nproc)" "$@")
host_status=$?
set -e
fuzz_status=0
if [ "${KELVRA_FUZZ_SECONDS:-30}" != 0 ]; then
  kelvra_build_fuzz "$fuzz_dir"
  set +e
  (cd "$fuzz_dir" && ctest --output-on-failure --parallel "${KELVRA_FUZZ_JOBS:-$(nproc)}" "$@")
  fuzz_status=$?
  set -e
fi
kelvra_start_session "$dir" yes || exit 1
set +e
(cd "$dir" && ctest --output-on-failure --parallel "${KELVRA_TEST_JOBS:-4}" "$@")
status=$?
set -e
if [ $host_status != 0 ]; then
  echo "test.sh: the host build's tests failed (see above)" >&2
  exit $host_status
fi
if [ $fuzz_status != 0 ]; then
  echo "test.sh: a fuzz target found a fault; its input is kept under $fuzz_dir/findings (see above)" >&2
  exit $fuzz_status
fi
exit $status
