#!/usr/bin/env bash
# Builds Kelvra and all test programs, then runs every test: the pure code's tests
# on the build machine under AddressSanitizer and UBSan (build/host), and every
# test under Wine (build/release).
# Usage: scripts/test.sh [ctest arguments]. Installs what is missing first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
dir="${KELVRA_BUILD_DIR:-$here/build/release}"
host_dir="${KELVRA_HOST_BUILD_DIR:-$here/build/host}"
kelvra_ensure_setup
kelvra_build "$dir"
kelvra_build_host "$host_dir"
set +e
(cd "$host_dir" && ctest --output-on-failure --parallel "$(nproc)" "$@")
host_status=$?
set -e
kelvra_start_session "$dir" yes || exit 1
set +e
(cd "$dir" && ctest --output-on-failure --parallel "${KELVRA_TEST_JOBS:-4}" "$@")
status=$?
set -e
if [ $host_status != 0 ]; then
  echo "test.sh: the host build's tests failed (see above)" >&2
  exit $host_status
fi
exit $status
