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
# medians of wall time and of processor time (all threads) are shown. The
# Talvik figures give the same two: "Time" is wall time, "CPU" processor
# time of the whole process. On a busy machine compare the processor times.
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

# "WALL CPU": median wall time and median processor time (user + system,
# all threads) in milliseconds of a command run 7 times.
measure() {
  local walls=() cpus=() out
  out=$(mktemp)
  for _ in 1 2 3 4 5 6 7; do
    /usr/bin/time -f "%e %U %S" -o "$out" "$@" >/dev/null
    read -r e u s < <(tail -1 "$out")
    walls+=("$(awk -v e="$e" 'BEGIN { printf "%d", e * 1000 }')")
    cpus+=("$(awk -v u="$u" -v s="$s" 'BEGIN { printf "%d", (u + s) * 1000 }')")
  done
  rm -f "$out"
  echo "$(printf '%s\n' "${walls[@]}" | sort -n | sed -n 4p) $(printf '%s\n' "${cpus[@]}" | sort -n | sed -n 4p)"
}

echo
echo "== ImageMagick ($("$convert" -version | head -1 | cut -d' ' -f2-3), $(nproc) cores), median of 7, ms"
read -r base_large_w base_large_c <<<"$(measure "$convert" "$dir/large.mpc" null:)"
read -r base_screen_w base_screen_c <<<"$(measure "$convert" "$dir/screen.mpc" null:)"
echo "bare read 4000x3000 (subtracted below): wall $base_large_w  cpu $base_large_c"
echo "bare read 1280x960  (subtracted below): wall $base_screen_w  cpu $base_screen_c"
printf '%-46s %12s %12s\n' "job" "work wall" "work cpu"
job() {  # label, baseline wall, baseline cpu, command...
  local label=$1 bw=$2 bc=$3 w c
  shift 3
  read -r w c <<<"$(measure "$@")"
  printf '%-46s %12d %12d\n' "$label" "$((w - bw))" "$((c - bc))"
}
job "resize box 4000x3000 -> 1280x960" "$base_large_w" "$base_large_c" \
  "$convert" "$dir/large.mpc" -filter Box -resize '1280x960!' null:
job "resize default filter 4000x3000 -> 1280x960" "$base_large_w" "$base_large_c" \
  "$convert" "$dir/large.mpc" -resize '1280x960!' null:
job "brightness-contrast + modulate 1280x960" "$base_screen_w" "$base_screen_c" \
  "$convert" "$dir/screen.mpc" -brightness-contrast 13x20 -modulate 115 null:
job "rotate 90 4000x3000" "$base_large_w" "$base_large_c" \
  "$convert" "$dir/large.mpc" -rotate 90 null:
job "JPEG quality 75 1280x960 (write included)" "$base_screen_w" "$base_screen_c" \
  "$convert" "$dir/screen.mpc" -quality 75 "$dir/out.jpg"
