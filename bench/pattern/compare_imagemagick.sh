#!/usr/bin/env bash
# Times the pattern bank's construction beside ImageMagick drawing textures
# of the same 50 sizes (fractal plasma, its cheapest procedural texture),
# in the same run. Usage: compare_imagemagick.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build directory}
runs=${2:-5}
talvik="$build/bin/talvik"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export LUMAVEIL_REGISTRY="$tmp/registry.reg"

sizes=$("$talvik" patterns | awk '$1 < 50 { print $2 }')
args=()
for s in $sizes; do args+=(-size "$s" plasma:fractal); done

best() {  # best wall time in ms of "$@" over $runs runs
  local b=""
  for _ in $(seq "$runs"); do
    local t0 t1
    t0=$(date +%s%N)
    "$@" >/dev/null
    t1=$(date +%s%N)
    local ms=$(( (t1 - t0) / 1000000 ))
    if [ -z "$b" ] || [ "$ms" -lt "$b" ]; then b=$ms; fi
  done
  echo "$b"
}

echo "talvik patterns (process start + bank of 50 patterns + thumbnails): $(best "$talvik" patterns) ms"
echo "convert, 50 plasma textures of the same sizes:                      $(best convert "${args[@]}" null:) ms"
