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
display_number=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_number" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -f "$display_number"' EXIT
# The server writes its display number once it accepts clients.
for _ in $(seq 100); do
  [[ -s $display_number ]] && break
  kill -0 "$server" 2>/dev/null || { echo "Xvfb did not start." >&2; exit 1; }
  sleep 0.1
done
[[ -s $display_number ]] || { echo "Xvfb did not start in time." >&2; exit 1; }
rm -f "$screenshot"
DISPLAY=":$(head -n1 "$display_number")" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
  "$editor" --screenshot "$screenshot" "$@"
echo "$screenshot"
