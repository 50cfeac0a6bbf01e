#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only those missing,
# so a second run costs a few dpkg queries.
set -euo pipefail

packages=(
  g++ cmake make clang-format googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  mingw-w64 mingw-w64-tools libwine-dev wine wine64 xvfb xdotool x11-apps imagemagick
  fonts-wqy-microhei fonts-wine locales
  espeak-ng bc nsis unzip
  # Sound under Wine: a PulseAudio null sink to play into and record from, the GStreamer
  # plugins through which Wine decodes MP3, and the tools that make and measure test sounds.
  pulseaudio pulseaudio-utils gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  sox libsox-fmt-mp3 lame
  # HTTPS for Wine's WinHTTP.
  libgnutls30
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "bootstrap: missing packages (${missing[*]}); run as root to install them" >&2
    exit 1
  fi
  echo "bootstrap: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine's console programs print in the Chinese locale only when it exists.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
  fi
fi
