#!/usr/bin/env bash
# Builds the picture-file fuzz target with clang++ and runs it for a bounded time.
#   bash tests/picture/fuzz/run.sh [SECONDS]     (default 60; FUZZ_SEED=N repeats a run)
# Findings (crash-*, oom-*, timeout-*, leak-*) are left in the build folder and fail the run.
set -euo pipefail
seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz-picture}
if ! command -v clang++ > /dev/null; then
  echo "clang++ is needed for the fuzz run (apt-get install clang libclang-rt-14-dev)" >&2
  exit 1
fi
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2
corpus="$build/corpus"
mkdir -p "$corpus"
"$build/picture_seeds" "$corpus"
cd "$build"
# Half the time with AddressSanitizer, half under glibc's malloc checks with
# freed and new memory scribbled on (catches overruns inside the image library).
half=$(( (seconds + 1) / 2 ))
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/lsan.supp} \
  "$build/fuzz_picture_open" -max_total_time="$half" -rss_limit_mb=2048 -timeout=20 \
  -max_len=65536 -print_final_stats=1 ${FUZZ_SEED:+-seed=$FUZZ_SEED} "$corpus" "$here/regressions"
debug_malloc=$(ls /lib/*/libc_malloc_debug.so.0 2> /dev/null | head -1 || true)
LD_PRELOAD=$debug_malloc MALLOC_CHECK_=3 GLIBC_TUNABLES=glibc.malloc.tcache_count=0:glibc.malloc.perturb=165 \
  "$build/fuzz_picture_open_plain" -max_total_time="$half" -rss_limit_mb=2048 -timeout=20 \
  -max_len=65536 -print_final_stats=1 ${FUZZ_SEED:+-seed=$FUZZ_SEED} "$corpus" "$here/regressions"
