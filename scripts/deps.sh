#!/usr/bin/env bash
# Installs the Debian packages Strumix needs to build, test and run, when any is missing.
set -euo pipefail
packages=(cmake ninja-build g++ clang-format qt6-base-dev libgl-dev libfontconfig-dev libbenchmark-dev clang-14 libclang-rt-14-dev
          xvfb xauth openbox xdotool imagemagick fonts-liberation2 desktop-file-utils
          shared-mime-info appstream dpkg-dev
          musescore3 python3-mido libfluidsynth-dev libsndfile1-dev fluid-soundfont-gm
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libxcb-damage0-dev libxcb-xtest0-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
