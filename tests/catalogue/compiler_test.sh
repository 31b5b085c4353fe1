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

# expect_error NAME LINE MESSAGE_PART CATALOGUE [--check]: the catalogue
# (printf escapes) is refused with "NAME.po:LINE: error: ...MESSAGE_PART...".
expect_error() {
    local name=$1 line=$2 part=$3 output status
    printf '%b' "$4" >"$work/$name.po"
    if [ "${5:-}" = --check ]; then
        output=$("$compiler" --check "$work/$name.po" 2>&1)
    else
        output=$("$compiler" "$work/$name.po" "$work/$name.cpp" test 2>&1)
    fi
    status=$?
    if [ "$status" -eq 0 ] || [[ "$output" != *"$name.po:$line: error: "*"$part"* ]]; then
        echo "$name: status $status, output: $output"
        failed=1
    fi
}

expect_error unquoted 2 "double quotes" 'msgid "a"\nmsgstr b\n'
expect_error no_msgid 3 "msgstr without a msgid" 'msgid "a"\nmsgstr "b"\nmsgstr "c"\n'
expect_error truncated 1 "ends before the msgstr" 'msgid "a"\n'
expect_error stray_word 3 "expected msgctxt" 'msgid "a"\nmsgstr "b"\nmsgidd "c"\n'
expect_error bad_escape 1 "unknown escape" 'msgid "a\\q"\nmsgstr "b"\n'
expect_error plural 2 "plural forms" 'msgid "a"\nmsgid_plural "as"\n'
expect_error twice 4 "same msgid (and msgctxt) as line 1" \
    'msgid "a"\nmsgstr "b"\n\nmsgid "a"\nmsgstr "c"\n'
expect_error reordered 1 "placeholders of msgstr (%s %d) differ from those of msgid (%d %s)" \
    'msgid "página %d de %s"\nmsgstr "page %s of %d"\n'
expect_error dropped 1 "(none) differ from those of msgid (%1)" \
    'msgid "figura de %1"\nmsgstr "picture"\n'
expect_error untranslated 4 "no English text" 'msgid "a"\nmsgstr "b"\n\nmsgid "c"\nmsgstr ""\n' --check

# Numbered placeholders may change places, a context keeps its own entry,
# continuation lines join, and a fuzzy translation is left out.
printf '%b' '# A comment.\nmsgid ""\nmsgstr "Content-Type: text/plain; charset=UTF-8\\n"\n\n' \
    'msgctxt "menu"\nmsgid "%2 de %1"\nmsgstr "%1'"'"'s %2"\n\n' \
    'msgid "aspas \\"e\\" barra \\\\"\nmsgstr ""\n"quotes \\"and\\" "\n"backslash \\\\"\n\n' \
    '#, fuzzy\nmsgid "velho"\nmsgstr "old"\n' >"$work/good.po"
if ! "$compiler" "$work/good.po" "$work/good.cpp" good 2>"$work/good.err"; then
    echo "good catalogue refused: $(cat "$work/good.err")"
    failed=1
elif ! grep -qF '{"menu", "%2 de %1", "%1'"'"'s %2"},' "$work/good.cpp" ||
    ! grep -qF '{"", "aspas \"e\" barra \\", "quotes \"and\" backslash \\"},' "$work/good.cpp" ||
    grep -q 'velho' "$work/good.cpp"; then
    echo "good catalogue compiled wrongly:"
    cat "$work/good.cpp"
    failed=1
fi
exit "$failed"
