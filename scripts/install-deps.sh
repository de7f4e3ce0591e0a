#!/usr/bin/env bash
# Installs what the build and the tests need and the machine lacks. Safe to run again.
# When a step fails, the last line says which one and why, and the exit status is non-zero.
set -euo pipefail
packages=(cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
          g++-mingw-w64-i686 g++-mingw-w64-x86-64-posix wine wine32:i386 wine64 wine64-tools
          libwine-dev locales xvfb xauth x11-apps imagemagick xdotool fonts-wqy-microhei fonts-wine
          openjdk-17-jdk-headless junit4
          libyaml-snake-java libgoogle-gson-java libguava-java libcommons-lang-java
          libjson-simple-java libxerial-sqlite-jdbc-java libxerial-sqlite-jdbc-jni libmariadb-java tcl)
# Pauses between the tries of the package index's update, in seconds (CW_APT_PAUSES overrides,
# for a quick check of this script): a mirror caught in the middle of its sync serves a list of
# the wrong size for a minute or two.
read -r -a update_pauses <<<"${CW_APT_PAUSES:-10 20 40 60}"

fail() {  # fail <step> <why>
    echo "install-deps.sh: $1 failed: $2" >&2
    exit 1
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# The Java bridge runs the JVM under the locale zh_CN.GBK (GBK native, default and console
# charset, as on a Chinese Windows system); Debian ships its source, not the compiled locale.
gbk_locale() {
    locale -a 2>/dev/null | grep -qix 'zh_CN\.gbk' && return 0
    $SUDO localedef -i zh_CN -f GBK zh_CN.GBK ||
        fail "compiling the locale zh_CN.GBK (localedef)" "exit status $?"
}
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
# The SQLite sources the driver's library for Windows is built from (payload/java/sqlite-native):
# Debian's sqlite3 source package, downloaded once into the source cache. Its index needs the
# archive's source lists, which are added beside the binary ones when the machine has none.
source_cache="${CW_SOURCE_CACHE:-/var/cache/cubeworks/sources}"
sqlite_sources() {
    ls "$source_cache"/sqlite3_*.orig.tar.* >/dev/null 2>&1 && return 0
    if ! apt-cache showsrc sqlite3 2>/dev/null | grep -q '^Package: sqlite3'; then
        if [ -f /etc/apt/sources.list.d/debian.sources ]; then
            sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
                $SUDO tee /etc/apt/sources.list.d/cubeworks-sources.sources >/dev/null
        elif [ -f /etc/apt/sources.list ]; then
            grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
                $SUDO tee /etc/apt/sources.list.d/cubeworks-sources.list >/dev/null
        fi
        $SUDO apt-get update -q -o DPkg::Lock::Timeout=300 -o Acquire::Retries=3 >/dev/null ||
            fail "the index of Debian's source packages (apt-get update)" "exit status $?"
    fi
    $SUDO mkdir -p "$source_cache"
    (cd "$source_cache" && $SUDO apt-get source -q --download-only -o Acquire::Retries=3 sqlite3 >/dev/null) ||
        fail "downloading Debian's sqlite3 sources (apt-get source)" "exit status $?"
}
# The world's process tests also join with an independent game client from the npm registry.
bash "$(dirname "${BASH_SOURCE[0]}")/../payload/java/server/test-client/install.sh" ||
    fail "installing the world's test client (test-client/install.sh)" "exit status $?"
[ ${#missing[@]} -eq 0 ] && { gbk_locale; sqlite_sources; exit 0; }
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Another apt or dpkg run holding the lock is waited for; a download is tried again.
apt_options=(-q -o DPkg::Lock::Timeout=300 -o Acquire::Retries=3)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386 || fail "adding the i386 architecture (dpkg)" "exit status $?"
fi

# The index: tried again after each pause; when one list still fails after the last, the
# install goes on with the lists there are, and the update's error is kept for the report.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
update_error=""
for attempt in $(seq 0 "${#update_pauses[@]}"); do
    if $SUDO apt-get update "${apt_options[@]}" 2>&1 | tee "$log"; then
        update_error=""
        break
    fi
    update_error=$(grep -m 1 '^E:' "$log" || echo "exit status of apt-get update")
    [ "$attempt" -lt "${#update_pauses[@]}" ] || break
    echo "install-deps.sh: apt-get update failed (${update_error}); trying again in" \
         "${update_pauses[$attempt]} s"
    sleep "${update_pauses[$attempt]}"
done
# A suite whose list of one architecture is missing still offers its newer versions for the
# other, and the two architectures of a library must be of one version (wine32:i386 beside the
# amd64 libraries): such a suite is taken for this install only where no other suite has the
# package, so that both architectures come from the same lists.
if [ -n "$update_error" ]; then
    echo "install-deps.sh: going on with the package lists there are; the update said: $update_error"
    pins=$(mktemp)
    trap 'rm -f "$log" "$pins"' EXIT
    for suite in $(awk '/^Err:[0-9]+ / && / Packages/ { split($3, s, "/"); print s[1] }' "$log" |
                   sort -u); do
        echo "install-deps.sh: suite $suite has a missing list: its packages only where no other suite has them"
        printf 'Package: *\nPin: release n=%s\nPin-Priority: 100\n\n' "$suite" >>"$pins"
        printf 'Package: *\nPin: release a=%s\nPin-Priority: 100\n\n' "$suite" >>"$pins"
    done
    apt_options+=(-o "Dir::Etc::preferences=$pins")
fi

if ! $SUDO apt-get install -y "${apt_options[@]}" --no-install-recommends "${missing[@]}" 2>&1 |
        tee "$log"; then
    why=$(grep -m 1 '^E:' "$log" || echo "exit status of apt-get install")
    [ -z "$update_error" ] || why+=" (after a failed index update: $update_error)"
    fail "apt-get install of ${missing[*]}" "$why"
fi
gbk_locale
sqlite_sources
