#!/bin/sh
# Installs the Debian packages that KRN needs to build and run (as root), and the ones
# named as arguments.
set -e
paquets="cmake make g++ qt6-base-dev qt6-translations-l10n libgl-dev fonts-dejavu-core $*"
manque=""
for p in $paquets; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manque="$manque $p"
done
if [ -n "$manque" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends $manque
fi
