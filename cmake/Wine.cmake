# Tests of a Windows build run under Wine of the build's architecture (win32
# for the 32-bit build, win64 for the 64-bit one): ctest runs each Windows
# program through outils/sous-wine.sh, in a Wine prefix inside the build
# folder. One fixture starts Wine's server before the first test and another
# stops it after the last, so that no process of the run is left behind.
# Where the machine cannot run the build's Wine (32-bit programs, on some
# machines), each test exits with status 77 and a line saying why, and CTest
# reports it as skipped, never as passed.
set(CONTROLE_SOUS_WINE ON)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CONTROLE_ARCHITECTURE_WINE win64)
else()
  set(CONTROLE_ARCHITECTURE_WINE win32)
endif()
set(CONTROLE_DOSSIER_WINE ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/outils/sous-wine.sh ${CONTROLE_ARCHITECTURE_WINE}
                                  ${CONTROLE_DOSSIER_WINE})
set(CONTROLE_STATUT_IGNORE 77)

add_test(NAME wine_demarre COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --demarre)
add_test(NAME wine_arrete COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --arrete)
set_tests_properties(wine_demarre PROPERTIES FIXTURES_SETUP serveur_wine TIMEOUT 300
  SKIP_RETURN_CODE ${CONTROLE_STATUT_IGNORE})
set_tests_properties(wine_arrete PROPERTIES FIXTURES_CLEANUP serveur_wine TIMEOUT 90
  SKIP_RETURN_CODE ${CONTROLE_STATUT_IGNORE})
