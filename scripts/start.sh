#!/usr/bin/env bash
# Builds the project and starts the editor, passing on the arguments.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$plorvane_root/scripts/setup.sh"
configure_default_build
cmake --build "$plorvane_build"

editor="$plorvane_build/app/editor/plorvane"
if [[ -x $editor ]]; then
  exec "$editor" "$@"
fi
echo "The editor is not built yet; running the test suite instead."
exec "$plorvane_root/scripts/test.sh"
