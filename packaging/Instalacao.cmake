# What `cmake --install` lays out and what `cpack -G DEB` packs: the executables in bin, the
# application folder's files in share/quorvel (copied into each user's data folder on the first
# run), the menu entry, the icons and the AppStream metainfo. Included by the top-level
# CMakeLists.txt after every add_subdirectory, so targets built on other branches (quorvel-qif)
# are seen whichever folder defines them.
include(GNUInstallDirs)

# `quorvel --version` and the package carry the project's version.
target_compile_definitions(quorvel_core PRIVATE QUORVEL_VERSAO="${PROJECT_VERSION}")

install(TARGETS quorvel quorvel-initdb RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET quorvel-qif)
    install(TARGETS quorvel-qif RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET quorvel-extracto)
    install(TARGETS quorvel-extracto RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# The browser's module (Qt WebEngine), looked for as ../lib/quorvel from the executable.
install(TARGETS quorvel_web LIBRARY DESTINATION lib/quorvel)

# Every file of resources/ except the drawing scripts: pictures, templates, help pages and tips
# added later are picked up without a change here. The program finds this folder as
# ../share/quorvel from its own, so an install under any prefix works.
install(DIRECTORY ${QUORVEL_RESOURCES_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvel
    PATTERN "*.sh" EXCLUDE PATTERN "exemplos-extractos" EXCLUDE)

set(embalagem ${CMAKE_CURRENT_LIST_DIR})
install(FILES ${embalagem}/quorvel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${embalagem}/io.github.quorvel.quorvel.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${embalagem}/quorvel.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(px 48 256)
    install(FILES ${embalagem}/quorvel-${px}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${px}x${px}/apps RENAME quorvel.png)
endforeach()

# Debian package: quorvel_<version>_<arch>.deb, runtime libraries found by dpkg-shlibdeps. The
# Qt platform plugins are loaded at run time, so no library names them: they are listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quorvel)
set(CPACK_PACKAGE_CONTACT "Quorvel <quorvel@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ledger for the bank accounts of small businesses")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quorvel keeps the movements of up to nine bank accounts of a small Portuguese\n"
    "business in date order with a running balance, categories and passwords.\n"
    "Each user's ledger lives in ~/.local/share/Quorvel/Quorvel and is left alone\n"
    "by upgrades and removal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
