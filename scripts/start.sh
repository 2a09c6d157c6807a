#!/usr/bin/env bash
# Installs what is missing, builds, prepares the station (a new local database on
# the first run) and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh --target sabrel22 sabrel22-instalar
./build/sabrel22-instalar
exec ./build/sabrel22
