#!/usr/bin/env bash
# Takes the pictures of the help pages with an editor build on a private virtual display:
#
#   help_screenshots.sh EDITOR FOLDER CARD NAME=WHAT...
#
# writes FOLDER/NAME.png for each NAME=WHAT, where WHAT is what the editor's --shoot option
# names (the strip, a tool window, a menu). Every picture is made by a fresh editor with a home
# of its own, with CARD open. Fails, naming the picture and showing the editor's output, when one cannot be made.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

[[ $# -ge 4 ]] || { echo "usage: $0 EDITOR FOLDER CARD NAME=WHAT..." >&2; exit 2; }
editor=$1
folder=$2
card=$3
shift 3

mkdir -p "$folder"
homes=$(mktemp -d)
start_virtual_display
trap 'kill "$virtual_display_server" 2>/dev/null || true; rm -rf "$homes"' EXIT

for shot in "$@"; do
  name=${shot%%=*}
  what=${shot#*=}
  picture="$folder/$name.png"
  home="$homes/$name"
  mkdir -p "$home/config" "$home/data"
  rm -f "$picture"
  if ! HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" DISPLAY="$virtual_display" \
      QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy LANG=C.UTF-8 \
      timeout 120 "$editor" "$card" --screenshot "$picture" --shoot "$what" >"$home/output.txt" 2>&1; then
    echo "help_screenshots: the picture $name ($what) could not be made:" >&2
    cat "$home/output.txt" >&2
    rm -f "$picture"
    exit 1
  fi
  if [[ $(head -c 8 "$picture" | od -An -tx1 | tr -d ' \n') != 89504e470d0a1a0a ]]; then
    echo "help_screenshots: $picture is no PNG picture" >&2
    rm -f "$picture"
    exit 1
  fi
done
