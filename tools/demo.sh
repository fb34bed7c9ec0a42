#!/usr/bin/env bash
# Installs what is missing, builds, starts the demo database server on
# 127.0.0.1:3306 with a small demo data set, and starts the program on it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j"$(nproc)" --target velmora
demo="${VELMORA_DEMO_DIR:-$HOME/.local/share/velmora-demo}"
sock="$demo/mysql.sock"
if [ -S "$sock" ] && mariadb --no-defaults --socket="$sock" -u"$(id -un)" -e 'select 1' >/dev/null 2>&1; then
  echo "demo database server already running"
else
  if (exec 3<>/dev/tcp/127.0.0.1/3306) 2>/dev/null; then
    echo "Port 3306 on this machine is taken by another server; stop it first, the demo server needs that port." >&2
    exit 1
  fi
  fresh=0; [ -d "$demo/data/mysql" ] || fresh=1
  "$root/tools/dbserver.sh" start "$demo" --port 3306
  if [ "$fresh" = 1 ]; then
    "$root/tools/dbserver.sh" schema "$demo"
    for f in "$root"/sql/demo_data*.sql; do "$root/tools/dbserver.sh" load "$demo" "$f"; done
  fi
fi
# The program reaches its server by the address in the per-user settings.
conf="${XDG_CONFIG_HOME:-$HOME/.config}/Velmora"
mkdir -p "$conf"
if ! grep -q '^ServerIP=' "$conf/Velmora.ini" 2>/dev/null; then
  printf '[ServerIp]\nServerIP=127.0.0.1\n' >> "$conf/Velmora.ini"
fi
echo "Sign on as: clerk / clerk123 (or admin / admin). Stop the demo server with: tools/dbserver.sh stop $demo"
exec "$root/build/app/velmora"
