#!/bin/sh
# Installs what is missing, builds the program alone, and starts KRN (arguments go to it).
set -e
cd "$(dirname "$0")/.."
sh outils/paquets.sh
sh outils/construire.sh krn
exec ./build/krn "$@"
