#!/usr/bin/env bash
# lorvex_po_compiler refuses a malformed or inconsistent catalogue with the
# file and line of the fault, and compiles a good one.
#
#   compiler_test.sh COMPILER
set -u

compiler=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# expect_error NAME LINE MESSAGE_PART [--check]: the catalogue on standard
# input is refused with "NAME.po:LINE: error: ...MESSAGE_PART...".
expect_error() {
    local name=$1 line=$2 part=$3 mode=${4:-}
    cat >"$work/$name.po"
    local output
    if [ "$mode" = --check ]; then
        output=$("$compiler" --check "$work/$name.po" 2>&1)
    else
        output=$("$compiler" "$work/$name.po" "$work/$name.cpp" test 2>&1)
    fi
    local status=$?
    if [ "$status" -eq 0 ] || [[ "$output" != *"$name.po:$line: error: "*"$part"* ]]; then
        echo "$name: status $status, output: $output"
        failed=1
    fi
}

expect_error unquoted 2 "double quotes" <<'PO'
msgid "a"
msgstr b
PO
expect_error no_msgstr 3 "msgstr without a msgid" <<'PO'
msgid "a"
msgstr "b"
msgstr "c"
PO
expect_error truncated 1 "ends before the msgstr" <<'PO'
msgid "a"
PO
expect_error stray_word 3 "expected msgctxt" <<'PO'
msgid "a"
msgstr "b"
msgidd "c"
PO
expect_error bad_escape 1 "unknown escape" <<'PO'
msgid "a\q"
msgstr "b"
PO
expect_error plural 2 "plural forms" <<'PO'
msgid "a"
msgid_plural "as"
PO
expect_error twice 4 "same msgid (and msgctxt) as line 1" <<'PO'
msgid "a"
msgstr "b"

msgid "a"
msgstr "c"
PO
expect_error placeholders 1 "placeholders of msgstr (%s %d) differ from those of msgid (%d %s)" <<'PO'
msgid "página %d de %s"
msgstr "page %s of %d"
PO
expect_error missing_placeholder 1 "(none) differ from those of msgid (%1)" <<'PO'
msgid "figura de %1"
msgstr "picture"
PO
expect_error untranslated 4 "no English text" --check <<'PO'
msgid "a"
msgstr "b"

msgid "c"
msgstr ""
PO

cat >"$work/good.po" <<'PO'
# A comment.
msgid ""
msgstr "Content-Type: text/plain; charset=UTF-8\n"

msgctxt "menu"
msgid "%2 de %1"
msgstr "%1's %2"

#, fuzzy
msgid "aspas \"e\" barra \\"
msgstr ""
"quotes \"and\" "
"backslash \\"
PO
if ! "$compiler" "$work/good.po" "$work/good.cpp" good 2>"$work/good.err"; then
    echo "good catalogue refused: $(cat "$work/good.err")"
    failed=1
elif ! grep -qF '{"menu", "%2 de %1", "%1'"'"'s %2"},' "$work/good.cpp" ||
    grep -q 'aspas' "$work/good.cpp"; then
    echo "good catalogue compiled wrongly:"
    cat "$work/good.cpp"
    failed=1
fi
exit "$failed"
