#!/usr/bin/env bash
# Builds Kelvra and all test programs, then runs every test under Wine.
# Usage: scripts/test.sh [ctest arguments]. Installs what is missing first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
dir="${KELVRA_BUILD_DIR:-$here/build/release}"
kelvra_ensure_setup
kelvra_build "$dir"
kelvra_start_session "$dir" yes
set +e
(cd "$dir" && ctest --output-on-failure --parallel "${KELVRA_TEST_JOBS:-4}" "$@")
status=$?
set -e
exit $status
