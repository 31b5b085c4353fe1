# Translations. Each layer keeps its texts in its own gettext catalogue under
# po/ (Portuguese msgid, translated msgstr); lorvex_add_catalogue compiles one
# into a sorted C++ table that is part of <target>, and that registers itself
# with localized() (src/workspace/catalogue.h) before main. A malformed
# catalogue stops the build with FILE:LINE: error: ...
#
#   lorvex_add_catalogue(<target> <po file>)
function(lorvex_add_catalogue target po_file)
    get_filename_component(po "${po_file}" ABSOLUTE)
    file(RELATIVE_PATH relative "${PROJECT_SOURCE_DIR}" "${po}")
    string(REGEX REPLACE "^po/|\\.po$" "" name "${relative}")
    string(MAKE_C_IDENTIFIER "${name}" name)
    set(generated "${CMAKE_CURRENT_BINARY_DIR}/catalogue_${name}.cpp")
    add_custom_command(
        OUTPUT "${generated}"
        COMMAND lorvex_po_compiler "${po}" "${generated}" "${name}"
        DEPENDS lorvex_po_compiler "${po}"
        COMMENT "Compiling the catalogue ${relative}"
        VERBATIM)
    target_sources(${target} PRIVATE "${generated}")
    # Nothing calls into the table: the symbol named here makes the linker
    # take it from a static library all the same.
    target_link_options(${target} PUBLIC "LINKER:--undefined=lorvex_catalogue_${name}")
endfunction()
