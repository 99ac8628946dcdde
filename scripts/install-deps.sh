#!/usr/bin/env bash
# Installs the Debian 12 packages the editor, its tests and its screenshots need,
# only when something is missing. --deep adds what the deeper checks use: clang
# with its sanitizer and libFuzzer runtimes, and valgrind. --browser adds what the
# web page lane uses: Chromium, its driver, Selenium, html5lib and Pillow for
# Debian's own python3.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl1-mesa-dev
          libjpeg62-turbo-dev zlib1g-dev qt6-image-formats-plugins qt6-svg-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth imagemagick openbox xdotool x11-utils
          desktop-file-utils groff-base dpkg-dev xorriso)
for option in "$@"; do
  case "$option" in
    --deep) packages+=(clang libclang-rt-14-dev valgrind) ;;
    --browser) packages+=(chromium chromium-driver python3-selenium python3-html5lib python3-pil) ;;
    *) echo "install-deps.sh: unknown option $option" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
