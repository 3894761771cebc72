#!/bin/sh
# Installs what is missing, builds, and runs every test headless.
set -e
cd "$(dirname "$0")/.."
sh outils/paquets.sh
sh outils/construire.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure
