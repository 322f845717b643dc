# Mail and program update. The message, its sending over SMTP (libcurl) and the update text run
# without windows (quorvel_base); the e-mail window, the update-notice frame and the menu
# handlers live in quorvel_core.
# GLOBAL: quorvel_base is defined in the parent folder and resolves the target there.
pkg_check_modules(CURL REQUIRED IMPORTED_TARGET GLOBAL libcurl)
target_link_libraries(quorvel_base PUBLIC PkgConfig::CURL)
# The desktop's secret store for the mail password (QtKeychain, BSD licence).
set(CMAKE_FIND_PACKAGE_TARGETS_GLOBAL ON)
find_package(Qt6Keychain REQUIRED)
target_link_libraries(quorvel_base PUBLIC Qt6Keychain::Qt6Keychain)
target_sources(quorvel_base PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/MensagemEmail.cpp ${CMAKE_CURRENT_SOURCE_DIR}/MensagemEmail.h
    ${CMAKE_CURRENT_SOURCE_DIR}/ConfiguracaoEmail.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ConfiguracaoEmail.h
    ${CMAKE_CURRENT_SOURCE_DIR}/CofreSenhas.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/CofreSenhas.h
    ${CMAKE_CURRENT_SOURCE_DIR}/EnvioEmail.cpp ${CMAKE_CURRENT_SOURCE_DIR}/EnvioEmail.h
    ${CMAKE_CURRENT_SOURCE_DIR}/ListaClientes.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ListaClientes.h
    ${CMAKE_CURRENT_SOURCE_DIR}/TextoActualizacao.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TextoActualizacao.h)
target_sources(quorvel_core PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/Frm_Email.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Frm_Email.h
    ${CMAKE_CURRENT_SOURCE_DIR}/Frm_ConfiguraCorreio.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Frm_ConfiguraCorreio.h
    ${CMAKE_CURRENT_SOURCE_DIR}/Frm_EnviaEmailNovaVersao.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Frm_EnviaEmailNovaVersao.h
    ${CMAKE_CURRENT_SOURCE_DIR}/Comunicacao.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Comunicacao.h)
