#!/usr/bin/env bash
# Builds the project and starts the editor, passing on the arguments. On a machine without a
# display the editor runs on a private virtual display and leaves a screenshot of its start-up.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$plorvane_root/scripts/setup.sh"
configure_default_build
cmake --build "$plorvane_build"

editor="$plorvane_build/app/editor/plorvane"
if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  exec "$editor" "$@"
fi

screenshot="$plorvane_build/editor-screenshot.png"
echo "No display here: running the editor on a private virtual display and taking a screenshot."
start_virtual_display
trap 'kill "$virtual_display_server" 2>/dev/null || true' EXIT
rm -f "$screenshot"
DISPLAY="$virtual_display" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
  "$editor" --screenshot "$screenshot" "$@"
echo "$screenshot"
