#!/usr/bin/env bash
# Installs the German translation: builds the language-file maker when needed and makes
# content/language/german.txt into the settings folder's language file, which the editor and the
# player load at their next start. `scripts/install-german.sh --remove` puts them back in English.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

settings="${XDG_CONFIG_HOME:-$HOME/.config}/Vumra Enterprises/Settings"
if [[ ${1:-} == --remove ]]; then
  rm -f "$settings/language.llf"
  echo "Removed $settings/language.llf: the programs speak English again."
  exit 0
fi

"$plorvane_root/scripts/setup.sh"
configure_default_build
cmake --build "$plorvane_build" --target plorvane_language
"$plorvane_build/app/language-maker/plorvane-language" make "$plorvane_root/content/language/german.txt"
