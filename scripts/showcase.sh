#!/usr/bin/env bash
# Builds Kelvra and the showcase program and runs it under Wine. It uses your
# display when DISPLAY is set, otherwise a private Xvfb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
dir="${KELVRA_BUILD_DIR:-$here/build/release}"
kelvra_ensure_setup
kelvra_build "$dir"
kelvra_start_session "$dir" no
cd "$dir/bin"
wine panel_showcase.exe
