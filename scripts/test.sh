#!/usr/bin/env bash
# The test command: installs what is needed, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test (unit, integration, fuzz) with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${KX_TEST_BUILD_DIR:-build-asan}
# A compiler cache when the machine has one (a fresh machine has none and builds everything).
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_SANITIZE=ON "${launcher[@]}"
cmake --build "$build" -j"$(nproc)"
# The package test packs a release build of the programs of its own. That build is made here, with
# the other builds, into the directory the test uses: the test then finds it up to date and only
# packs, installs and tries the programs (run alone, it still builds whatever is out of date).
KX_PACKAGE_NO_DEPS=1 KX_PACKAGE_BUILD_DIR="$build/tests/package/build" \
  KX_PACKAGE_OUT_DIR="$build/tests/package/out" bash scripts/package.sh >/dev/null
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export KX_FUZZ_SECONDS=${KX_FUZZ_SECONDS:-6}
# Twice as many entries as cores: most entries spend their time waiting for an agent's answer or
# a poll period rather than computing (measured: 185 s of CPU in 207 s of two entries at a time).
ctest --test-dir "$build" --output-on-failure -j"$(( $(nproc) * 2 ))" --timeout 600
