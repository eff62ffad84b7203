#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running the project need. Does nothing
# (and needs no root) when they are all present.
set -euo pipefail

# Every package the project needs, in one place.
packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev libjpeg62-turbo-dev
  # PNG images in icons; PNG, GIF and WebP pictures taken into the editor
  libpng-dev libgif-dev libwebp-dev
  # windows, sound (MIDI through FluidSynth with a General MIDI soundfont)
  qt6-base-dev libsdl2-mixer-dev timgm6mb-soundfont
  # a font for the card's labels and the about screen
  fonts-dejavu-core
  # the dingbat face D050000L that the symbol window draws its default face "Wingdings" with
  fonts-urw-base35
  # end-to-end tests of the real programs on a virtual display (xsetroot paints its desktop)
  xvfb xauth xdotool imagemagick x11-xserver-utils
  # the help pages' test loads every page in a headless browser
  chromium
  # the print companion's test renders its PDF page
  poppler-utils
  # end-to-end tests of the programs in a Wayland session with XWayland
  weston xwayland
  # the player measurement watches the screen through Xlib
  libx11-dev
  # libFuzzer and the sanitizer runtimes of clang 14
  clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [[ $status == installed ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root() {
  if [[ $EUID -eq 0 ]]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "setup: root or sudo is needed to install: ${missing[*]}" >&2
    exit 1
  fi
}

echo "setup: installing ${missing[*]}"
apt_get=(env DEBIAN_FRONTEND=noninteractive apt-get -qq -o DPkg::Lock::Timeout=600)
as_root "${apt_get[@]}" update
as_root "${apt_get[@]}" install -y --no-install-recommends "${missing[@]}" >/dev/null
