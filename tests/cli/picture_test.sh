#!/usr/bin/env bash
# lorvex-cli's "picture": well-formed SVG (xmllint) holding the unit square
# and its image at the pixels worked out by hand, and the statements.
#
# The shear [[1, 1], [0, 1]] reaches |(2, 1)| = 2.24, so its window is
# [-3, 3]² (a quarter more, whole units): x -> 10 + 100 (x + 3),
# y -> 10 + 100 (3 - y). The singular [[1, 2], [2, 4]] reaches |(3, 6)| = 6.71,
# window [-9, 9]²: x -> 10 + 100 (x + 9) / 3.
#
#   picture_test.sh PROGRAM
set -u

program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

cat >script.txt <<'END'
matrix S = 1 1; 0 1
picture S shear.svg
matrix T = 1 2; 2 4
picture T singular.svg
matrix D = 2 0 0; 0 3 0; 0 0 4
picture D space.svg
matrix W = 1 2 3; 4 5 6
picture W wide.svg
END
"$program" script.txt >out.txt 2>&1

failed=0
fail() {
    echo "$1"
    failed=1
}
grep -qx 'hmm...: imcompatível' out.txt || fail "a 2 x 3 matrix was not refused"
[ -e wide.svg ] && fail "a picture of a 2 x 3 matrix was written"
for file in shear.svg singular.svg space.svg; do
    xmllint --noout "$file" || fail "$file is not well-formed XML"
done

points() {
    xmllint --xpath "string(//*[local-name()='polygon'][@class='$2']/@points)" "$1"
}
[ "$(points shear.svg unit-shape)" = "310.00,310.00 410.00,310.00 410.00,210.00 310.00,210.00" ] ||
    fail "shear: unit square $(points shear.svg unit-shape)"
[ "$(points shear.svg image-shape)" = "310.00,310.00 410.00,310.00 510.00,210.00 410.00,210.00" ] ||
    fail "shear: image $(points shear.svg image-shape)"
[ "$(points singular.svg image-shape)" = "310.00,310.00 343.33,243.33 410.00,110.00 376.67,176.67" ] ||
    fail "singular: image $(points singular.svg image-shape)"
faces=$(xmllint --xpath "count(//*[local-name()='polygon'][@class='image-shape'])" space.svg)
[ "$faces" = 6 ] || fail "space: $faces faces of the image of the cube"

grep -q '>det = 1: a orientação se mantém<' shear.svg || fail "shear: no determinant"
grep -q '>autovalor repetido com uma só direção de autovetores<' shear.svg ||
    fail "shear: no single direction"
grep -q '>λ = 1<' shear.svg || fail "shear: no eigenvalue label"
grep -q '>det = 0: o plano colapsa numa reta<' singular.svg || fail "singular: no collapse"
grep -q '>det = 24: a orientação se mantém<' space.svg || fail "space: no volume"
exit "$failed"
