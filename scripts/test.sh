#!/usr/bin/env bash
# Installs what is missing, builds every test with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs them all (GUI tests in a virtual X server).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
BUILD=${BUILD_DIR:-build-test}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DVANTOREL_SANITIZE=ON -DVANTOREL_BENCH=OFF \
      -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build "$BUILD" -j"$(nproc)"
# The picture-file open path under the fuzzer for a bounded time (fixed seed: repeatable).
FUZZ_SEED=${FUZZ_SEED:-1} bash tests/picture/fuzz/run.sh "${FUZZ_SECONDS:-60}"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export NO_AT_BRIDGE=1
cd "$BUILD"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)" --timeout 600
