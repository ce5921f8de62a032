#!/usr/bin/env bash
# Packs the build tree as a .deb, unpacks it into a scratch root and checks that
# every file is where a desktop looks for it, that the package says what Debian
# needs, and that the desktop entry and the metainfo pass their validators.
# Usage: package_test.sh <build-dir> <app-id>
set -euo pipefail
build=$1
id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "package_test: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
debs=("$scratch"/out/quillmark_*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || fail "expected one quillmark_*.deb, found: ${debs[*]}"
deb=${debs[0]}

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == quillmark ]] || fail "package name: $(field Package)"
[[ $(field Section) == hamradio ]] || fail "section: $(field Section)"
depends=$(field Depends)
for needed in libqt6widgets6 libc6 qt6-qpa-plugins fonts-noto-cjk; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
expected=(
    usr/bin/quillmark
    usr/lib/quillmark/quillmark-webpanel.so
    "usr/share/applications/$id.desktop"
    "usr/share/metainfo/$id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
)
for size in 16 24 32 48 64 128 256 512; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    [[ -f "$root/$file" ]] || fail "missing /$file"
done
[[ -x "$root/usr/bin/quillmark" ]] || fail "/usr/bin/quillmark is not executable"
for elf in usr/bin/quillmark usr/lib/quillmark/quillmark-webpanel.so; do
    ! LC_ALL=C readelf -d "$root/$elf" | grep -q -E 'RPATH|RUNPATH' || fail "/$elf has a run path"
done
# The packed program answers on the command line, from where it was unpacked.
[[ $(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/quillmark" --locate "113°15'53.76\"E" \
    "23°6'32.02\"N") == OL63PC ]] || fail "the packed program does not locate"
# It finds its window plugin: Qt itself then gives up on a platform that does not exist.
window=$( (ulimit -c 0; env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/quillmark" \
    -platform nosuchplatform) 2>&1 || true)
[[ $window == *'"nosuchplatform"'* ]] || fail "the packed program does not load its window: $window"
png_size() {  # width x height from the PNG header
    local w h
    w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    echo "${w}x$h"
}
for size in 16 24 32 48 64 128 256 512; do
    actual=$(png_size "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [[ $actual == "${size}x$size" ]] || fail "icon ${size}x$size is $actual"
done
# Nothing of the build tree (tests, benchmarks, headers) may slip in.
unexpected=$(cd "$root" && find . -type f | grep -v -e '^\./usr/bin/quillmark$' \
    -e '^\./usr/share/\(applications\|metainfo\|icons\)/' -e '^\./usr/lib/' || true)
[[ -z $unexpected ]] || fail "unexpected files: $unexpected"

desktop-file-validate "$root/usr/share/applications/$id.desktop" ||
    fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli refused the metainfo"
grep -q "^Icon=$id\$" "$root/usr/share/applications/$id.desktop" || fail "desktop entry icon"
echo "package_test: $(basename "$deb") is complete and valid"
