#!/usr/bin/env bash
# Installs what the build and the tests need and the machine lacks. Safe to run again.
set -euo pipefail
packages=(cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
          g++-mingw-w64-i686 g++-mingw-w64-x86-64-posix wine wine32:i386 wine64 wine64-tools
          libwine-dev locales xvfb xauth x11-apps imagemagick xdotool fonts-wqy-microhei fonts-wine
          openjdk-17-jdk-headless junit4)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# The Java bridge runs the JVM under the locale zh_CN.GBK (GBK native, default and console
# charset, as on a Chinese Windows system); Debian ships its source, not the compiled locale.
gbk_locale() {
    locale -a 2>/dev/null | grep -qix 'zh_CN\.gbk' && return 0
    if [ "$(id -u)" -ne 0 ]; then
        sudo localedef -i zh_CN -f GBK zh_CN.GBK
    else
        localedef -i zh_CN -f GBK zh_CN.GBK
    fi
}
# The world's process tests also join with an independent game client from the npm registry.
bash "$(dirname "${BASH_SOURCE[0]}")/../payload/java/server/test-client/install.sh"
[ ${#missing[@]} -eq 0 ] && { gbk_locale; exit 0; }
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
gbk_locale
