#!/usr/bin/env bash
# Installs the Debian packages that building and testing Bindwell needs,
# and any further packages named as arguments.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libpcre2-dev
  libzip-dev zlib1g-dev
  libexttextcat-dev
  libvips-dev libvips-tools  # libvips-tools: the pictures fuzzer's seeds
  libharfbuzz-dev libfreetype-dev libdeflate-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 iso-codes
  zip unzip
  epubcheck
  gvfs libglib2.0-bin dbus fusefat dosfstools
  xvfb xdotool at-spi2-core python3 python3-pyatspi python3-dbus python3-gi
  dpkg-dev file desktop-file-utils appstream groff-base
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)" = "install ok installed" ] || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
