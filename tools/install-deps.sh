#!/usr/bin/env bash
# Installs what building, testing and running the program need (Debian 12).
# Only the server and client programs are installed, not the system's
# database service: the demo and the tests run servers of their own, so
# nothing else ever listens on port 3306 or starts at boot.
set -euo pipefail
pkgs=(build-essential cmake ninja-build qt6-base-dev libqt6sql6-mysql libgl1-mesa-dev
      mariadb-server-core mariadb-client-core python3 python3-xlrd)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
