#!/usr/bin/env bash
# Private server for the tests: socket only, own data directory, schema loaded.
#   testdb.sh start DIR | stop DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
cmd=${1:?}; dir=${2:?}
case "$cmd" in
start)
  "$here/dbserver.sh" stop "$dir" >/dev/null 2>&1 || true
  rm -rf "$dir"
  "$here/dbserver.sh" start "$dir"
  "$here/dbserver.sh" schema "$dir"
  "$here/dbserver.sh" load "$dir" "$root/sql/test_fixtures.sql"
  ;;
stop)
  "$here/dbserver.sh" stop "$dir"
  ;;
esac
