#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. As root it runs apt-get itself;
# otherwise it prints the exact command and stops.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config python3 ccache lld
  qt6-base-dev qt6-image-formats-plugins libgl-dev libxkbcommon-dev
  libsqlite3-dev libpq-dev libcurl4-openssl-dev nlohmann-json3-dev libzip-dev libexpat1-dev
  libgtest-dev libgmock-dev
  postgresql postgresql-contrib
  libaqbanking-data python3-stdnum python3-vobject
  libqpdf-dev qpdf poppler-utils fonts-liberation2 zbar-tools libqrencode-dev
  default-jre-headless libsaxonhe-java libxml2-utils icc-profiles-free
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" != 0 ]; then
  echo "Es fehlen Debian-Pakete. Bitte als root ausführen:" >&2
  echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installiere: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
