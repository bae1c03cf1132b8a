# The Windows packages, made by `cmake --build --preset windows --target
# package`: a French installer (NSIS, from the template of this folder) that
# installs Controle.exe and controle-dates-lot.exe for the user, without
# administrator rights, with the guide beside them, Start-menu entries for
# the tool and the guide and an uninstaller, and a zip of the same files for
# users who do not install. Both builds make their installer; the file's
# name says which Windows it is for.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME "Contrôle des dates invalides")
set(CPACK_PACKAGE_VENDOR "Contrôle des dates")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Contrôle des dates")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ControleDates)
set(CPACK_NSIS_PACKAGE_NAME "Contrôle des dates invalides ${PROJECT_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME "Contrôle des dates invalides")
# The 64-bit installer, for nearly every Windows of today, is a 64-bit
# program itself; the 32-bit one is for 32-bit Windows.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_NSIS_CIBLE "Target amd64-unicode")
  set(CPACK_PACKAGE_FILE_NAME controle-des-dates-${PROJECT_VERSION}-windows-64-bits)
else()
  set(CPACK_NSIS_CIBLE "Unicode true")
  set(CPACK_PACKAGE_FILE_NAME controle-des-dates-${PROJECT_VERSION}-windows-32-bits)
endif()
# The installer, as the tests find it.
set(CONTROLE_INSTALLEUR ${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.exe)
# Our own template: French only, no choice of components nor of PATH.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
# Where the template finds the icon (the window's own).
set(CPACK_NSIS_ICONE_CONTROLE ${CMAKE_BINARY_DIR}/src/application/win32/controle.ico)
set(CPACK_NSIS_UNINSTALL_NAME Desinstaller)
# The guide lies beside the programs.
set(CONTROLE_DOSSIER_GUIDE .)
include(${PROJECT_SOURCE_DIR}/cmake/Guide.cmake)
# The programs are shipped without their debugging information.
set(CPACK_STRIP_FILES TRUE)
include(CPack)
