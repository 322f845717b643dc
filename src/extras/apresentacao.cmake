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

# libFuzzer target for the GIF splitter (needs clang: configure a separate build directory
# with -DCMAKE_CXX_COMPILER=clang++ -DQUORVEL_FUZZ=ON).
option(QUORVEL_FUZZ "Build the libFuzzer target of the GIF splitter (clang only)" OFF)
if(QUORVEL_FUZZ)
    add_executable(fuzz_divisor_gif
        ${CMAKE_CURRENT_LIST_DIR}/fuzz/FuzzDivisorGif.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DivisorGif.cpp)
    target_include_directories(fuzz_divisor_gif PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/..)
    target_compile_options(fuzz_divisor_gif PRIVATE -fsanitize=fuzzer,address -g -O1)
    target_link_options(fuzz_divisor_gif PRIVATE -fsanitize=fuzzer,address)
    target_link_libraries(fuzz_divisor_gif PRIVATE Qt6::Core Qt6::Gui)
endif()
