#!/usr/bin/env bash
# Installs what building, testing and running the program need (Debian 12).
set -euo pipefail
pkgs=(build-essential cmake ninja-build qt6-base-dev libqt6sql6-mysql libgl1-mesa-dev
      mariadb-server mariadb-client python3 python3-xlrd)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update
  # Keep the package's own server from starting on 3306: the demo and the tests run their own.
  if [ ! -e /usr/sbin/policy-rc.d ]; then
    printf '#!/bin/sh\nexit 101\n' | $sudo tee /usr/sbin/policy-rc.d >/dev/null; $sudo chmod +x /usr/sbin/policy-rc.d; added=1
  fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  [ "${added:-0}" = 1 ] && $sudo rm -f /usr/sbin/policy-rc.d
fi
