#!/bin/sh
# Builds the Debian package of KRN: build-paquet/krn_<version>_<architecture>.deb, to be
# installed with `apt-get install ./build-paquet/krn_….deb` (as root: installs the tools first).
set -e
cd "$(dirname "$0")/.."
sh outils/paquets.sh dpkg-dev file
# The program alone, optimised; the package needs nothing else built.
cmake -S . -B build-paquet -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build build-paquet -j"$(nproc)" --target krn
cd build-paquet
cpack -G DEB
