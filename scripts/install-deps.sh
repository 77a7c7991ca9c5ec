#!/bin/sh
# Installs the Debian packages that building, running and testing need.
# Asks apt-get only for what is missing, so a second run changes nothing.
# With the argument "fuzz" also what `make fuzz` needs (clang and libFuzzer).
set -eu

packages="cmake ninja-build g++ make pkgconf
qt6-base-dev qt6-svg-dev libqt6svg6 libfontconfig-dev fonts-dejavu-core
xvfb x11-xkb-utils x11-utils xdotool imagemagick openbox
shared-mime-info desktop-file-utils xdg-utils libglib2.0-bin gtk-update-icon-cache
dpkg-dev file appstream lintian poppler-utils python3-ezdxf
qt6-l10n-tools qt6-translations-l10n"
if [ "${1:-}" = fuzz ]; then
    packages="$packages clang-14 libclang-rt-14-dev"
fi

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "install-deps: need root or sudo to install:$missing" >&2
    exit 1
fi

echo "install-deps: installing$missing"
$as_root apt-get -o DPkg::Lock::Timeout=600 update
$as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends $missing
