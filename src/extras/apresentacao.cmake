# Presentation: the browser on the help pages and the banks' sites, the tip of the day and the
# animated picture. The GIF splitter, the tip file and the tip switch need no window.
# Found from this folder but linked to quorvel_core, which lives a folder up: its targets (and
# those of the packages it brings) must be global.
set(CMAKE_FIND_PACKAGE_TARGETS_GLOBAL ON)
find_package(Qt6 COMPONENTS WebEngineWidgets REQUIRED)
unset(CMAKE_FIND_PACKAGE_TARGETS_GLOBAL)

target_sources(quorvel_base PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DivisorGif.cpp ${CMAKE_CURRENT_LIST_DIR}/DivisorGif.h
    ${CMAKE_CURRENT_LIST_DIR}/FicheiroDicas.cpp ${CMAKE_CURRENT_LIST_DIR}/FicheiroDicas.h
    ${CMAKE_CURRENT_LIST_DIR}/DefinicaoDicas.cpp ${CMAKE_CURRENT_LIST_DIR}/DefinicaoDicas.h
    ${CMAKE_CURRENT_LIST_DIR}/ContadorQuadros.h)

target_sources(quorvel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Apresentacao.cpp ${CMAKE_CURRENT_LIST_DIR}/Apresentacao.h
    ${CMAKE_CURRENT_LIST_DIR}/frmBrowser.cpp ${CMAKE_CURRENT_LIST_DIR}/frmBrowser.h
    ${CMAKE_CURRENT_LIST_DIR}/frmTip.cpp ${CMAKE_CURRENT_LIST_DIR}/frmTip.h)
target_link_libraries(quorvel_core PUBLIC Qt6::WebEngineWidgets)
