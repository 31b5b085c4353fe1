# What `cmake --install` puts where, and the Debian package CPack makes of
# it. The desktop data, the help texts and the manual page of lorvex come
# with the program; a core-only build installs lorvex-cli alone.

set(LORVEX_APP_ID org.lorvex.lorvex)
set(LORVEX_WEBSITE "https://lorvex.example" CACHE STRING
    "Home page of the program, where its screenshot.png is published")

# A manual page carries the project's version in its footer.
function(lorvex_install_manual_page name)
    configure_file("docs/man/${name}.1.in" "man/${name}.1" @ONLY)
    install(FILES "${CMAKE_CURRENT_BINARY_DIR}/man/${name}.1"
            DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endfunction()

install(TARGETS lorvex-cli RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
lorvex_install_manual_page(lorvex-cli)

if(NOT LORVEX_CORE_ONLY)
    target_compile_definitions(lorvex PRIVATE LORVEX_APP_ID="${LORVEX_APP_ID}")
    install(TARGETS lorvex RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
    lorvex_install_manual_page(lorvex)
    install(DIRECTORY resources/help DESTINATION "${CMAKE_INSTALL_DATADIR}/lorvex")
    install(FILES "resources/${LORVEX_APP_ID}.desktop"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
    install(FILES "resources/${LORVEX_APP_ID}.xml"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")
    configure_file("resources/${LORVEX_APP_ID}.metainfo.xml.in"
                   "${LORVEX_APP_ID}.metainfo.xml" @ONLY)
    install(FILES "${CMAKE_CURRENT_BINARY_DIR}/${LORVEX_APP_ID}.metainfo.xml"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
    set(icons "${CMAKE_INSTALL_DATADIR}/icons/hicolor")
    install(FILES resources/icons/lorvex.svg DESTINATION "${icons}/scalable/apps")
    foreach(size 16 22 24 32 48 64 128 256)
        install(FILES "resources/icons/lorvex-${size}.png"
                DESTINATION "${icons}/${size}x${size}/apps" RENAME lorvex.png)
    endforeach()
endif()

# The icon cache, the desktop and MIME databases and the manual index are
# brought up to date by the triggers of the Debian packages that own them,
# so the package needs no maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lorvex)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "matrix calculator for teaching linear algebra")
set(CPACK_PACKAGE_DESCRIPTION
    "lorvex keeps lettered real, complex and exact integer matrices, edits them\n"
    "cell by cell, combines them by typed calculations and analyses them: rank,\n"
    "determinant, characteristic polynomial, linear systems, row reduction and\n"
    "the simplex method step by step. Its interface speaks Portuguese.\n"
    "lorvex-cli runs the same commands from a script.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "lorvex maintainers <maintainers@lorvex.example>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LORVEX_WEBSITE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
