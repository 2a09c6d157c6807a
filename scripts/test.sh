#!/usr/bin/env bash
# Installs what is missing, builds, starts the servers the tests use and runs
# every test. The Firebird server is stopped again at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
bash scripts/deps.sh
bash scripts/build.sh

if dir=$(bash scripts/firebird-test-server.sh start); then
  export SABREL22_TEST_SERVER=127.0.0.1 SABREL22_TEST_SERVER_DIR="$dir"
  export SABREL22_TEST_SERVER_SCRIPT="$top/scripts/firebird-test-server.sh"
  trap 'bash "$top/scripts/firebird-test-server.sh" stop' EXIT
else
  echo "Sem servidor Firebird: os testes de servidor serão pulados, com o motivo." >&2
fi

cd build
ctest --output-on-failure -j"$(nproc)" --timeout 300
