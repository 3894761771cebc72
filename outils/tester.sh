#!/bin/sh
# Installs what is missing (with the validators of the desktop files and man, which tests
# use), builds everything, and runs every test headless.
set -e
cd "$(dirname "$0")/.."
sh outils/paquets.sh desktop-file-utils appstream man-db
sh outils/construire.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure
