#!/usr/bin/env bash
# Starts and stops a private MariaDB server for the tests or the demo.
#   dbserver.sh start DIR [--port N]   (no --port: socket only, no TCP at all)
#   dbserver.sh stop DIR
#   dbserver.sh load DIR FILE.sql [DATABASE]
#   dbserver.sh schema DIR             (central schema, two stores and two accounts years)
# The server keeps everything under DIR (data, socket, pid, log) and never
# touches the system's data directory.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
cmd=${1:?usage: dbserver.sh start|stop|load DIR ...}
dir=${2:?usage: dbserver.sh start|stop|load DIR ...}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
sock="$dir/mysql.sock"
if [ ${#sock} -gt 100 ]; then
  echo "The folder $dir is too deep for the server's socket (at most 100 characters for $sock); use a shorter path." >&2
  exit 1
fi
# The server's administrator is the system user who set it up (socket authentication).
client() { mariadb --no-defaults --socket="$sock" -u"$(id -un)" "$@"; }

case "$cmd" in
start)
  port=""
  if [ "${3:-}" = "--port" ]; then port=${4:?port}; fi
  if [ -S "$sock" ] && client -e 'select 1' >/dev/null 2>&1; then
    echo "server already running in $dir"; exit 0
  fi
  if [ ! -d "$dir/data/mysql" ]; then
    rm -rf "$dir/data"
    mariadb-install-db --no-defaults --datadir="$dir/data" --user="$(id -un)" \
      --auth-root-authentication-method=socket --skip-test-db >"$dir/install.log" 2>&1 \
      || { cat "$dir/install.log"; exit 1; }
    fresh=1
  else
    fresh=0
  fi
  # Temporary tables live in the server's own folder, never in a shared /tmp
  # that something else may clean while the server runs.
  mkdir -p "$dir/tmp"
  net=(--skip-networking)
  if [ -n "$port" ]; then net=(--bind-address=127.0.0.1 --port="$port"); fi
  mariadbd --no-defaults --datadir="$dir/data" --socket="$sock" --pid-file="$dir/mariadbd.pid" \
    --tmpdir="$dir/tmp" --user="$(id -un)" --log-error="$dir/error.log" "${net[@]}" \
    --innodb-buffer-pool-size=64M --innodb-log-file-size=16M --innodb-flush-log-at-trx-commit=2 \
    --sql-mode=ONLY_FULL_GROUP_BY,STRICT_TRANS_TABLES,STRICT_ALL_TABLES,ERROR_FOR_DIVISION_BY_ZERO,NO_ENGINE_SUBSTITUTION \
    --character-set-server=utf8mb4 --collation-server=utf8mb4_general_ci >/dev/null 2>&1 &
  for _ in $(seq 1 100); do
    if client -e 'select 1' >/dev/null 2>&1; then break; fi
    if ! kill -0 $! 2>/dev/null; then echo "the database server did not start:"; tail -20 "$dir/error.log"; exit 1; fi
    sleep 0.2
  done
  client -e 'select 1' >/dev/null || { echo "the database server did not answer"; tail -20 "$dir/error.log"; exit 1; }
  if [ "$fresh" = 1 ]; then
    # The accounts the program signs in with: root from this machine, quillbase from elsewhere.
    client <<'SQL'
CREATE USER IF NOT EXISTS 'root'@'127.0.0.1' IDENTIFIED BY '5831';
GRANT ALL PRIVILEGES ON *.* TO 'root'@'127.0.0.1' WITH GRANT OPTION;
ALTER USER 'root'@'localhost' IDENTIFIED VIA unix_socket OR mysql_native_password USING PASSWORD('5831');
CREATE USER IF NOT EXISTS 'quillbase'@'%' IDENTIFIED BY 'amberwillows';
CREATE USER IF NOT EXISTS 'quillbase'@'localhost' IDENTIFIED BY 'amberwillows';
GRANT ALL PRIVILEGES ON *.* TO 'quillbase'@'%';
GRANT ALL PRIVILEGES ON *.* TO 'quillbase'@'localhost';
FLUSH PRIVILEGES;
SQL
  fi
  echo "database server running in $dir"
  ;;
stop)
  if [ -f "$dir/mariadbd.pid" ]; then
    pid=$(cat "$dir/mariadbd.pid")
    # Only our own server: a pid file left by a crash may name another process by now.
    if tr '\0' ' ' 2>/dev/null < "/proc/$pid/cmdline" | grep -qF -- "--datadir=$dir/data"; then
      kill "$pid" 2>/dev/null || true
      for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    fi
  fi
  ;;
load)
  file=${3:?sql file}
  db=${4:-}
  if [ -n "$db" ]; then
    client -e "CREATE DATABASE IF NOT EXISTS \`$db\` CHARACTER SET utf8mb4; USE \`$db\`; SOURCE $file;"
  else
    client < "$file"
  fi
  ;;
schema)
  "$0" load "$dir" "$root/sql/central.sql"
  "$0" load "$dir" "$root/sql/hr.sql"
  for y in vstores_2023 vstores_2024; do
    for f in "$root"/sql/stores_year*.sql; do "$0" load "$dir" "$f" "$y"; done
  done
  for y in vacc_2023 vacc_2024; do
    for f in "$root"/sql/accounts_year*.sql; do [ -f "$f" ] && "$0" load "$dir" "$f" "$y"; done
    "$0" load "$dir" /dev/null "$y"
  done
  ;;
*) echo "unknown command $cmd"; exit 2 ;;
esac
