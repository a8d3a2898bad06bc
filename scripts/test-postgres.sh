#!/usr/bin/env bash
# Starts a throwaway PostgreSQL cluster on a free loopback port, runs the given command with
# ORVOSAL_TEST_PG pointing at it, and removes the cluster afterwards (also on failure).
# Usage: scripts/test-postgres.sh COMMAND [ARGS...]
set -euo pipefail

pg_bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$pg_bin" ] || [ ! -x "$pg_bin/initdb" ]; then
  echo "PostgreSQL-Server nicht installiert: die Tests laufen nur auf SQLite." >&2
  exec "$@"
fi

data=$(mktemp -d /tmp/orvosal-pg.XXXXXX)
run_as=()
if [ "$(id -u)" = 0 ]; then
  # initdb refuses to run as root; the cluster belongs to the postgres system user.
  chown postgres "$data"
  run_as=(runuser -u postgres --)
fi

port=$(python3 - <<'PY' 2>/dev/null || echo 55432
import socket
s = socket.socket()
s.bind(("127.0.0.1", 0))
print(s.getsockname()[1])
s.close()
PY
)

cleanup() {
  "${run_as[@]}" "$pg_bin/pg_ctl" -D "$data/db" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$data"
}
trap cleanup EXIT

"${run_as[@]}" "$pg_bin/initdb" -D "$data/db" -U postgres --auth=trust --encoding=UTF8 --locale=C.UTF-8 >"$data/initdb.log" 2>&1 \
  || { cat "$data/initdb.log" >&2; exit 1; }
"${run_as[@]}" "$pg_bin/pg_ctl" -D "$data/db" -l "$data/server.log" -w \
  -o "-c listen_addresses=127.0.0.1 -c port=$port -c unix_socket_directories=$data -c fsync=off -c full_page_writes=off -c synchronous_commit=off" \
  start >/dev/null || { cat "$data/server.log" >&2; exit 1; }

export ORVOSAL_TEST_PG="host=127.0.0.1 port=$port user=postgres dbname=postgres"
echo "PostgreSQL für die Tests: $ORVOSAL_TEST_PG"
"$@"
