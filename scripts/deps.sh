#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the run script need,
# only those that are missing (zel_install_missing [more packages]). Sourced by
# run.sh, test.sh and, through asan-build.sh, by sanitize.sh and fuzz.sh.
# The build tree is build/ beside the sources unless ZEL_BUILD_DIR names another.
ZEL_PACKAGES="cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev \
libqt6opengl6-dev libgl1-mesa-dev zlib1g-dev libx11-dev fonts-dejavu-core xvfb xauth imagemagick \
python3 python3-pil lld"
# Only for the test suite (scripts/test.sh, scripts/sanitize.sh): the SOCKS5 and
# HTTP proxies that the proxy tests start (tinyproxy-bin is the program alone,
# without the system service of the tinyproxy package), the three font
# families the form check measures every form under, and a window manager for
# the desktop test.
ZEL_TEST_PACKAGES="microsocks tinyproxy-bin fonts-dejavu-core fonts-liberation2 fonts-urw-base35 openbox"
# Only for the sanitizer and fuzz builds (scripts/sanitize.sh, scripts/fuzz.sh):
# clang with libFuzzer and the sanitizer runtimes, and llvm-symbolizer for reports.
ZEL_SANITIZER_PACKAGES="clang-14 libclang-rt-14-dev llvm-14"

zel_install_missing() {
    local missing=()
    for p in $ZEL_PACKAGES "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
