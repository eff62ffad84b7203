#!/usr/bin/env bash
# Builds everything and runs the whole test suite, then a bounded fuzz run of every reader.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$plorvane_root/scripts/setup.sh"
configure_default_build
cmake --build "$plorvane_build"
ctest --test-dir "$plorvane_build" --output-on-failure --no-tests=error -j2

if fuzzer_available; then
  "$plorvane_root/scripts/fuzz.sh"
else
  echo "test: clang with libFuzzer is not available; skipping the fuzz run"
fi
