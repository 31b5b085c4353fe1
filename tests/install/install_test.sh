#!/usr/bin/env bash
# cmake --install into a temporary DESTDIR, then the installed tree as the
# desktop reads it: the desktop entry, the metainfo and the MIME types pass
# their validators, the MIME database built from the tree gives matrix files
# written by the installed lorvex-cli their types (by name in either case,
# and by content alone), and both manual pages render without warnings.
#
#   install_test.sh BUILD_DIR PROJECT_VERSION
set -u

build=$(realpath "$1")
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
prefix=/usr
share="$root$prefix/share"
id=org.lorvex.lorvex

failed=0
fail() {
    echo "$*"
    failed=1
}

if ! DESTDIR="$root" cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    exit 1
fi

for file in bin/lorvex bin/lorvex-cli share/lorvex/help/PROGHELP.txt \
    share/icons/hicolor/scalable/apps/lorvex.svg share/icons/hicolor/16x16/apps/lorvex.png \
    share/icons/hicolor/256x256/apps/lorvex.png share/man/man1/lorvex.1 share/man/man1/lorvex-cli.1; do
    [ -f "$root$prefix/$file" ] || fail "not installed: $file"
done

desktop="$share/applications/$id.desktop"
if ! desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 ||
    grep -E 'error:|warning:' "$work/desktop.log"; then
    fail "desktop-file-validate: $(cat "$work/desktop.log")"
fi

metainfo="$share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >"$work/metainfo.log" 2>&1 ||
    fail "appstreamcli: $(cat "$work/metainfo.log")"
grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the metainfo has no release $version"

xmllint --noout "$share/mime/packages/$id.xml" || fail "xmllint failed"

mime="$work/data/mime"
mkdir -p "$mime"
cp -r "$share/mime/packages" "$mime/"
update-mime-database "$mime" >"$work/mime.log" 2>&1 || fail "update-mime-database: $(cat "$work/mime.log")"

files="$work/files"
mkdir -p "$files"
"$root$prefix/bin/lorvex-cli" >/dev/null <<END || fail "lorvex-cli could not write the matrix files"
matrix R = 1 2
save R $files/real.fma
mode complex
matrix C = 1 2+3i
save C $files/complex.cma
mode integer
matrix I = 1 2 / 3
save I $files/integer.ima
END
for kind in real complex integer; do
    cp "$files"/$kind.* "$files/$kind-without-extension"
done
cp "$files/real.fma" "$files/REAL.FMA"

contentType() {
    XDG_DATA_DIRS="$work/data" XDG_DATA_HOME="$work/no-data" \
        gio info --attributes=standard::content-type "$1" 2>&1 |
        sed -n 's/^ *standard::content-type: //p'
}
while read -r file expected; do
    found=$(contentType "$files/$file")
    [ "$found" = "$expected" ] || fail "$file has the type '$found', expected $expected"
done <<END
real.fma application/x-lorvex-real-matrix
REAL.FMA application/x-lorvex-real-matrix
complex.cma application/x-lorvex-complex-matrix
integer.ima application/x-lorvex-integer-matrix
real-without-extension application/x-lorvex-real-matrix
complex-without-extension application/x-lorvex-complex-matrix
integer-without-extension application/x-lorvex-integer-matrix
END

for page in lorvex.1 lorvex-cli.1; do
    rendered=$(MANWIDTH=80 man --warnings -l "$share/man/man1/$page" 2>&1)
    grep -i 'warn' <<<"$rendered" && fail "$page renders with warnings"
    grep -q '^NAME' <<<"$rendered" || fail "$page does not render"
done

exit "$failed"
