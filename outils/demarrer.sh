#!/bin/sh
# Installs what is missing, builds, and starts KRN.
set -e
cd "$(dirname "$0")/.."
sh outils/paquets.sh
sh outils/construire.sh
exec ./build/krn "$@"
