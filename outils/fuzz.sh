#!/bin/sh
# Builds the libFuzzer programs with clang (AddressSanitizer and UndefinedBehaviorSanitizer
# on, preset "fuzz", in build-fuzz/) and runs each one on its corpus for a while.
# An input that breaks a property of fuzz/cibles.cpp or makes a sanitizer report is kept in
# build-fuzz/trouves/<target>/; once the fault is fixed, copy it into fuzz/corpus/<target>/
# so that every build replays it (test tst_corpus). New inputs that reach new code gather
# in build-fuzz/corpus/<target>/; the small ones worth keeping can be copied there too.
#
#   sh outils/fuzz.sh [seconds per target, 60 by default] [target...]
#
# Targets: jeux contraintes combinaisons prefer cotes filtre arrivee lecture cp1252.
set -eu
cd "$(dirname "$0")/.."

duree=${1:-60}
[ $# -gt 0 ] && shift
cibles=${*:-jeux contraintes combinaisons prefer cotes filtre arrivee lecture cp1252}

if ! command -v clang++-14 >/dev/null || ! ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    apt-get install -y clang-14 libclang-rt-14-dev
fi

lanceur=
command -v ccache >/dev/null && lanceur=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --preset fuzz $lanceur
programmes=
for c in $cibles; do programmes="$programmes fuzz_$c"; done
cmake --build build-fuzz -j2 --target $programmes

fautes=
for c in $cibles; do
    mkdir -p "build-fuzz/corpus/$c" "build-fuzz/trouves/$c"
    echo "== $c ($duree s)"
    # A fault found stops this target only; the others still run.
    "./build-fuzz/fuzz_$c" -max_total_time="$duree" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/trouves/$c/" "build-fuzz/corpus/$c" "fuzz/corpus/$c" || fautes="$fautes $c"
done
if [ -n "$fautes" ]; then
    echo "Fautes trouvées par :$fautes (voir build-fuzz/trouves/)"
    exit 1
fi
