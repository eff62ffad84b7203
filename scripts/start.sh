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
# Until the editor is there, the player shows what a finished card looks like.
echo "The editor is not built yet; playing the sample card instead."
exec "$plorvane_build/sample-card.exe"
