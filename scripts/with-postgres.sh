#!/usr/bin/env bash
# Runs a command with a throwaway PostgreSQL server named in TEKVO_TEST_PG, then removes it.
# Usage: scripts/with-postgres.sh make test
set -euo pipefail
pgbin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
pgdir=$(mktemp -d /tmp/tekvo-pg.XXXXXX)
port=${TEKVO_PG_PORT:-$((20000 + RANDOM % 20000))}
runas=()
if [ "$(id -u)" -eq 0 ]; then
  chown postgres "$pgdir"
  runas=(runuser -u postgres --)
fi
cleanup() {
  "${runas[@]}" "$pgbin/pg_ctl" -D "$pgdir/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$pgdir"
}
trap cleanup EXIT
"${runas[@]}" "$pgbin/initdb" -D "$pgdir/data" -A trust -E UTF8 --locale=C.UTF-8 -U tekvo >/dev/null
"${runas[@]}" "$pgbin/pg_ctl" -D "$pgdir/data" -w -l "$pgdir/log" \
  -o "-p $port -k $pgdir -c listen_addresses=127.0.0.1 -c fsync=off -c max_connections=200" \
  start >/dev/null
"${runas[@]}" "$pgbin/createdb" -h 127.0.0.1 -p "$port" -U tekvo tekvo_test
export TEKVO_TEST_PG="host=127.0.0.1;port=$port;database=tekvo_test;user=tekvo"
"$@"
