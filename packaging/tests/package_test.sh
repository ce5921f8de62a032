#!/usr/bin/env bash
# Packs the build tree as its two Debian packages, unpacks each into a scratch
# root of its own and checks that each holds exactly its files, that its
# dependencies are the libraries it links (the web panels' package tied to the
# program of its version), that one version runs through packages, program,
# changelog, metainfo and manual page, that the manual page says all --help
# says, that lintian finds no error or warning, that the desktop entry and the
# metainfo pass their validators, and that the program's package alone locates
# without a display, speaks the desktop's language on the command line, and
# runs its window without a word about the web panels.
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
debs=("$scratch"/out/*.deb)
program_deb=$(echo "$scratch"/out/quillmark_*.deb)
panels_deb=$(echo "$scratch"/out/quillmark-webpanels_*.deb)
[[ ${#debs[@]} == 2 && -f $program_deb && -f $panels_deb ]] ||
    fail "expected quillmark and quillmark-webpanels, found: ${debs[*]##*/}"
program=$scratch/program
panels=$scratch/panels
dpkg-deb -x "$program_deb" "$program"
dpkg-deb -x "$panels_deb" "$panels"
quillmark=$program/usr/bin/quillmark
# No display, and a desktop that names no language, as help2man's.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_MESSAGES
    LC_ALL=C.UTF-8)
version=$("${no_display[@]}" "$quillmark" --version | awk '{ print $2 }')

# Each package holds exactly its files.
icons=$(for size in 16 24 32 48 64 128 256 512; do
    echo "usr/share/icons/hicolor/${size}x$size/apps/$id.png"
done)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
expected_program=$(sort <<EOF
usr/bin/quillmark
usr/lib/$multiarch/quillmark/quillmark-translations.so
usr/lib/$multiarch/quillmark/quillmark-window.so
usr/share/applications/$id.desktop
usr/share/doc/quillmark/changelog.gz
usr/share/doc/quillmark/copyright
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/quillmark.1.gz
usr/share/metainfo/$id.metainfo.xml
$icons
EOF
)
expected_panels=$(sort <<EOF
usr/lib/$multiarch/quillmark/quillmark-webpanel.so
usr/lib/$multiarch/quillmark/quillmark-webpanels-host
usr/share/doc/quillmark-webpanels/changelog.gz
usr/share/doc/quillmark-webpanels/copyright
EOF
)
files() { (cd "$1" && find . ! -type d | sed 's|^\./||' | sort); }
for package in program panels; do
    expected=expected_$package
    diff <(echo "${!expected}") <(files "${!package}") >&2 ||
        fail "the $package package's files differ from the expected (< expected, > packed)"
done

# Control fields: what each package is, and what it depends on. The program's
# and the panels' own Depends are the libraries they link and nothing else,
# but for the Qt translations the program loads and the engine's helper
# process the panels start.
field() { dpkg-deb --field "$1" "$2"; }
while IFS='|' read -r deb name pattern; do
    value=$(field "${!deb}" "$name")
    [[ $value =~ $pattern ]] || fail "${deb%_deb} $name is '$value', not /$pattern/"
done <<EOF
program_deb|Package|^quillmark$
panels_deb|Package|^quillmark-webpanels$
program_deb|Version|^$version$
panels_deb|Version|^$version$
program_deb|Section|^hamradio$
panels_deb|Section|^hamradio$
program_deb|Depends|^((lib[^,]+|qt6-translations-l10n)(, |$))+$
program_deb|Depends|qt6-translations-l10n
program_deb|Depends|libqt6widgets6
program_deb|Recommends|quillmark-webpanels.*fonts-noto-cjk.*qt6-wayland
panels_deb|Depends|^quillmark \(= $version\)(, lib[^,]+)+$
panels_deb|Depends|libqt6webenginewidgets6
panels_deb|Depends|libqt6webenginecore6-bin
EOF

# One version everywhere, and one release date.
for package in quillmark quillmark-webpanels; do
    root=$program
    [[ $package == quillmark ]] || root=$panels
    title=$(zcat "$root/usr/share/doc/$package/changelog.gz" | head -1)
    [[ $title == "quillmark ($version) "* ]] || fail "$package's changelog starts '$title'"
done
trailer=$(zcat "$program/usr/share/doc/quillmark/changelog.gz" | grep -m1 '^ -- ')
release_date=$(date -u -d "${trailer#*>  }" +%F)
release=$(grep -o '<release [^>]*>' "$program/usr/share/metainfo/$id.metainfo.xml")
[[ $release == "<release version=\"$version\" date=\"$release_date\">" ]] ||
    fail "metainfo release $release, not version $version of $release_date"

# The manual page says all that --help says (usage, description, each option
# and argument), and for this version.
manual=" $(MANWIDTH=1000 LC_ALL=C.UTF-8 man -E UTF-8 -l "$program/usr/share/man/man1/quillmark.1.gz" |
    tr -s ' \n' '  ') "
[[ $manual == *" quillmark $version "* ]] || fail "the manual page is not for version $version"
entries=0
while read -r entry; do
    [[ $manual == *" $entry "* ]] || fail "the manual page lacks: $entry"
    entries=$((entries + 1))
done < <("${no_display[@]}" "$quillmark" --help | awk '
    function flush() { if (entry != "") print entry; entry = "" }
    /^Usage: / { sub(/^Usage: [^ ]*/, "quillmark"); flush(); print; next }
    /^$/ || /:$/ { flush(); next }
    /^   / { entry = entry " " $0; next }
    { flush(); entry = $0 }
    END { flush() }' | tr -s ' ' ' ')
((entries >= 5)) || fail "only $entries entries read from --help"

LC_ALL=C.UTF-8 lintian --fail-on error,warning "${debs[@]}" >"$scratch/lintian.log" 2>&1 ||
    { cat "$scratch/lintian.log" >&2; fail "lintian found errors or warnings"; }

for elf in "$quillmark" "$program/usr/lib/$multiarch/quillmark/quillmark-translations.so" \
    "$panels/usr/lib/$multiarch/quillmark/quillmark-webpanel.so" \
    "$panels/usr/lib/$multiarch/quillmark/quillmark-webpanels-host"; do
    ! LC_ALL=C readelf -d "$elf" | grep -q -E 'RPATH|RUNPATH' || fail "$elf has a run path"
done
png_size() {  # width x height from the PNG header
    local w h
    w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    echo "${w}x$h"
}
for size in 16 24 32 48 64 128 256 512; do
    actual=$(png_size "$program/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [[ $actual == "${size}x$size" ]] || fail "icon ${size}x$size is $actual"
done
desktop-file-validate "$program/usr/share/applications/$id.desktop" ||
    fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --no-net --explain "$program/usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli refused the metainfo"
grep -q "^Icon=$id\$" "$program/usr/share/applications/$id.desktop" || fail "desktop entry icon"

# The program's package alone: the command line needs no display, and the
# window runs past its panels' first page (three seconds) without a word.
[[ $("${no_display[@]}" "$quillmark" --locate "113°15'53.76\"E" "23°6'32.02\"N") == OL63PC ]] ||
    fail "the packed program does not locate"
message=$("${no_display[@]}" LC_ALL=zh_TW.UTF-8 "$quillmark" --precision 7 2>&1) || true
[[ $message == "quillmark: --precision 只能與 --locate 一起使用；請嘗試執行「quillmark --help」" ]] ||
    fail "the packed program does not translate its messages: $message"
mkdir -m 700 "$scratch/runtime"
status=0
"${no_display[@]}" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime" \
    timeout 6 "$quillmark" 2>"$scratch/window.log" || status=$?
[[ $status == 124 && ! -s $scratch/window.log ]] ||
    fail "the window without the web panels ended with status $status, saying: $(cat "$scratch/window.log")"
echo "package_test: ${debs[*]##*/} are complete, consistent and lintian-clean"
