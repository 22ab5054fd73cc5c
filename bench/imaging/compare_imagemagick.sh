#!/usr/bin/env bash
# Runs the imaging benchmarks and, in the same run, ImageMagick's convert on
# the same pictures doing the nearest equivalent jobs.
#
#   bench/imaging/compare_imagemagick.sh [BUILD_DIR]
#
# ImageMagick reads its input from its own memory-mapped format (.mpc) and
# writes to null: where the job has no output file; the time of that bare
# read (convert in.mpc null:) is measured too and subtracted, so that the
# figures compare the work itself. Each convert job runs 7 times; the
# median is shown.
set -euo pipefail
build=${1:-build}
bench="$build/bench/imaging/bench_imaging"
[ -x "$bench" ] || bench="$build/bin/bench_imaging"
[ -x "$bench" ] || { echo "bench_imaging not found in $build" >&2; exit 1; }
convert=/usr/bin/convert
[ -x "$convert" ] || convert=$(command -v convert)

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$bench" --write-inputs "$dir"
"$convert" "$dir/large.bmp" "$dir/large.mpc"
"$convert" "$dir/screen.bmp" "$dir/screen.mpc"

echo "== Talvik (Google Benchmark, real time)"
"$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.5 2>&1 | grep -E "median|^-|Benchmark|Run on|CPU"

# Median wall time in milliseconds of a command run 7 times.
median_ms() {
  local times=()
  for _ in 1 2 3 4 5 6 7; do
    local t0 t1
    t0=$(date +%s%N)
    "$@" >/dev/null
    t1=$(date +%s%N)
    times+=($(( (t1 - t0) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n 4p
}

echo
echo "== ImageMagick ($("$convert" -version | head -1 | cut -d' ' -f2-3), $(nproc) cores), median of 7, ms"
base_large=$(median_ms "$convert" "$dir/large.mpc" null:)
base_screen=$(median_ms "$convert" "$dir/screen.mpc" null:)
echo "bare read 4000x3000 (subtracted below): $base_large"
echo "bare read 1280x960  (subtracted below): $base_screen"
job() {  # label, baseline, command...
  local label=$1 base=$2
  shift 2
  local t
  t=$(median_ms "$@")
  printf '%-52s %5d total  %5d work\n' "$label" "$t" "$((t - base))"
}
job "resize box 4000x3000 -> 1280x960" "$base_large" \
  "$convert" "$dir/large.mpc" -filter Box -resize '1280x960!' null:
job "resize default filter 4000x3000 -> 1280x960" "$base_large" \
  "$convert" "$dir/large.mpc" -resize '1280x960!' null:
job "brightness-contrast + modulate 1280x960" "$base_screen" \
  "$convert" "$dir/screen.mpc" -brightness-contrast 13x20 -modulate 115 null:
job "rotate 90 4000x3000" "$base_large" \
  "$convert" "$dir/large.mpc" -rotate 90 null:
job "JPEG quality 75 1280x960 (write included)" "$base_screen" \
  "$convert" "$dir/screen.mpc" -quality 75 "$dir/out.jpg"
