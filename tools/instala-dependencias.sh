#!/usr/bin/env bash
# Installs the Debian 12 packages Quorvel builds, runs and is tested with. Safe to run again.
set -euo pipefail
pacotes=(g++ cmake ninja-build pkg-config dpkg-dev
         qt6-base-dev qt6-translations-l10n libgl1-mesa-dev
         qt6-webengine-dev libcurl4-openssl-dev
         libsqlcipher-dev sqlcipher fonts-dejavu-core
         # SHA-256 of imported statements (OpenSSL's libcrypto, already under SQLCipher)
         libssl-dev
         # spreadsheets out (xlsx; zlib for the zips we read and write), mail password in the
         # desktop secret store
         libxlsxwriter-dev zlib1g-dev qtkeychain-qt6-dev
         # tests only: a real SMTP server on loopback, PDF listings read back as text
         python3-aiosmtpd poppler-utils)
falta=()
for p in "${pacotes[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || falta+=("$p")
done
[ ${#falta[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${falta[@]}"
