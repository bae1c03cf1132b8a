# Tests of the Windows build run under Wine: ctest runs each Windows program
# through outils/sous-wine.sh, in a Wine prefix inside the build folder. One
# fixture starts Wine's server before the first test and another stops it
# after the last, so that no process of the run is left behind.
set(CONTROLE_SOUS_WINE ON)
set(CONTROLE_DOSSIER_WINE ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/outils/sous-wine.sh ${CONTROLE_DOSSIER_WINE})

add_test(NAME wine_demarre COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --demarre)
add_test(NAME wine_arrete COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --arrete)
set_tests_properties(wine_demarre PROPERTIES FIXTURES_SETUP serveur_wine TIMEOUT 180)
set_tests_properties(wine_arrete PROPERTIES FIXTURES_CLEANUP serveur_wine TIMEOUT 90)
