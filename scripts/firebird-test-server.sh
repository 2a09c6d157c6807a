#!/usr/bin/env bash
# Starts a Firebird server on 127.0.0.1:3050 for the tests that need one, with the
# program's database password, and prints the folder where the tests may create
# databases. Usage: firebird-test-server.sh start|stop|kill
# (kill takes the server away at once and keeps its databases, for a test that
# starts it again)
set -uo pipefail
PIDFILE=/tmp/sabrel22-firebird.pid
case "${1:-start}" in
start)
  if ss -ltn 2>/dev/null | grep -q '127.0.0.1:3050\|\*:3050\|0.0.0.0:3050'; then
    echo "firebird: a server already listens on 3050" >&2
  else
    [ "$(id -u)" -eq 0 ] || { echo "firebird: needs root to set the server's password" >&2; exit 1; }
    printf "CREATE OR ALTER USER SYSDBA PASSWORD 'plumbgate' USING PLUGIN Srp;\nCOMMIT;\n" \
      | isql-fb -q -user SYSDBA /var/lib/firebird/3.0/system/security3.fdb >/dev/null 2>&1 \
      || { echo "firebird: could not set the SYSDBA password" >&2; exit 1; }
    /usr/sbin/firebird >/tmp/sabrel22-firebird.log 2>&1 &
    echo $! > "$PIDFILE"
    for _ in $(seq 1 100); do
      ss -ltn 2>/dev/null | grep -q ':3050' && break
      sleep 0.1
    done
    ss -ltn 2>/dev/null | grep -q ':3050' || { echo "firebird: server did not start" >&2; exit 1; }
  fi
  dir=/tmp/sabrel22-server-db
  mkdir -p "$dir" && chmod 777 "$dir"
  echo "$dir"
  ;;
kill)
  # The server going away at once, as a crash or a power cut does (a graceful stop
  # waits for the attachments still open).
  [ -f "$PIDFILE" ] || { echo "firebird: no server of ours to stop" >&2; exit 1; }
  kill -9 "$(cat "$PIDFILE")" 2>/dev/null
  for _ in $(seq 1 100); do
    ss -ltn 2>/dev/null | grep -q ':3050' || break
    sleep 0.1
  done
  rm -f "$PIDFILE"
  ! ss -ltn 2>/dev/null | grep -q ':3050'
  ;;
stop)
  if [ -f "$PIDFILE" ]; then
    pid=$(cat "$PIDFILE")
    kill "$pid" 2>/dev/null
    for _ in $(seq 1 30); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null   # still waiting on attachments: it goes all the same
    rm -f "$PIDFILE"
  fi
  rm -rf /tmp/sabrel22-server-db
  exit 0
  ;;
esac
