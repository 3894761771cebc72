#!/bin/sh
# Builds KRN into build/ (the executable is build/krn): the targets named, or everything
# (the program, the tests and the benchmarks) when none is.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ $# -gt 0 ]; then
  cmake --build build -j"$(nproc)" --target "$@"
else
  cmake --build build -j"$(nproc)"
fi
