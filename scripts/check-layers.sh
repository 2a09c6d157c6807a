#!/usr/bin/env bash
# Checks the layering of src/: every #include "area/..." of a file in src/<area>/
# names its own area or one below it, never one above it or beside it.
# Prints each file that reaches too far and exits 1; exits 0 when none does.
# Usage: scripts/check-layers.sh [SRC_DIR]   (default: the src/ beside this script)
set -u
src="${1:-$(cd "$(dirname "$0")/.." && pwd)/src}"

# The layers, lowest first; areas on one line stand side by side and include
# none of each other.
layers=(
  "platform"
  "core"
  "db printing"
  "shell"
  "registers"
  "reports"
  "stock"
  "cash"
  "tabs"
  "closing"
  "cashoffice"
  "sales delivery finance salesreports exchange labels menu"
  "app"
)

declare -A rank
for i in "${!layers[@]}"; do
  for area in ${layers[$i]}; do rank[$area]=$i; done
done

status=0
for dir in "$src"/*/; do
  area=$(basename "$dir")
  if [[ -z "${rank[$area]+x}" ]]; then
    echo "src/$area/: an area the layering does not name (add it to scripts/check-layers.sh and the README)"
    status=1
    continue
  fi
  while IFS=: read -r file _ target; do
    other=${target%%/*}
    [[ "$other" == "$area" ]] && continue
    [[ -z "${rank[$other]+x}" ]] && continue   # a library's own header, not an area
    if (( rank[$other] >= rank[$area] )); then
      echo "${file#"$src"/}: includes $target (${other} is not below ${area})"
      status=1
    fi
  done < <(grep -rHo --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*"' "$dir" \
             | sed -E 's/:[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)"/::\1/')
done
exit $status
