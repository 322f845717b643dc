# Presentation: the browser on the help pages and the banks' sites, the tip of the day and the
# animated picture. The GIF splitter, the tip file and the tip switch need no window.
# Found from this folder but linked to quorvel_core, which lives a folder up: its targets (and
# those of the packages it brings) must be global.
find_package(Qt6 COMPONENTS WebEngineWidgets REQUIRED)

target_sources(quorvel_base PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DivisorGif.cpp ${CMAKE_CURRENT_LIST_DIR}/DivisorGif.h
    ${CMAKE_CURRENT_LIST_DIR}/FicheiroDicas.cpp ${CMAKE_CURRENT_LIST_DIR}/FicheiroDicas.h
    ${CMAKE_CURRENT_LIST_DIR}/DefinicaoDicas.cpp ${CMAKE_CURRENT_LIST_DIR}/DefinicaoDicas.h
    ${CMAKE_CURRENT_LIST_DIR}/ContadorQuadros.h)

target_sources(quorvel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Apresentacao.cpp ${CMAKE_CURRENT_LIST_DIR}/Apresentacao.h
    ${CMAKE_CURRENT_LIST_DIR}/frmBrowser.cpp ${CMAKE_CURRENT_LIST_DIR}/frmBrowser.h
    ${CMAKE_CURRENT_LIST_DIR}/VistaWeb.h ${CMAKE_CURRENT_LIST_DIR}/CriaVistaWeb.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmTip.cpp ${CMAKE_CURRENT_LIST_DIR}/frmTip.h)

# Qt WebEngine only in the module quorvel_web, loaded when the browser first opens (VistaWeb.h);
# it is put beside the executable, where the program looks for it.
add_library(quorvel_web MODULE ${CMAKE_CURRENT_LIST_DIR}/web/VistaWebEngine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VistaWeb.h)
set_target_properties(quorvel_web PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${QUORVEL_APP_DIR})
target_include_directories(quorvel_web PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(quorvel_web PRIVATE Qt6::WebEngineWidgets)
add_dependencies(quorvel_core quorvel_web)
