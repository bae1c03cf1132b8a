# The Debian package controle-des-dates, made by CPack from the install
# rules: `cmake --build --preset defaut --target package` writes
# controle-des-dates_<version>_amd64.deb in the build folder. Besides the
# programs, the desktop entry and the icons, it installs what a Debian
# package carries: the AppStream description, the manual pages, the README,
# the copyright file and the changelog, taken from paquet/; and the guide
# with its pictures under /usr/share/controle-des-dates, as a part of the
# program that a system stripping /usr/share/doc keeps.
set(paquet_nom controle-des-dates)
set(paquet_donnees ${PROJECT_SOURCE_DIR}/paquet)
set(paquet_doc ${CMAKE_INSTALL_DATADIR}/doc/${paquet_nom})

# The changelog and the AppStream description name the version they
# describe: a new version of the project needs an entry in both.
file(STRINGS ${paquet_donnees}/changelog paquet_entree LIMIT_COUNT 1)
if(NOT paquet_entree MATCHES "^${paquet_nom} \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "paquet/changelog must start with an entry for version ${PROJECT_VERSION}")
endif()
file(READ ${paquet_donnees}/${paquet_nom}.metainfo.xml paquet_metainfo)
if(NOT paquet_metainfo MATCHES "<release version=\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "paquet/${paquet_nom}.metainfo.xml must list release ${PROJECT_VERSION}")
endif()

# Debian keeps changelogs and manual pages gzipped at the highest
# compression, without a time stamp, so that builds stay identical.
function(paquet_compresse source cible)
  add_custom_command(OUTPUT ${cible}
    COMMAND gzip -9nc ${source} > ${cible}
    DEPENDS ${source}
    VERBATIM)
endfunction()

set(paquet_changelog ${CMAKE_CURRENT_BINARY_DIR}/paquet/changelog.gz)
paquet_compresse(${paquet_donnees}/changelog ${paquet_changelog})
set(paquet_compresses ${paquet_changelog})

# The window's manual page is the package's own; the companion's comes with
# its sources, when it has one.
set(pages_manuel ${paquet_donnees}/Controle.1)
if(EXISTS ${PROJECT_SOURCE_DIR}/resources/controle-dates-lot.1)
  list(APPEND pages_manuel ${PROJECT_SOURCE_DIR}/resources/controle-dates-lot.1)
endif()
foreach(page ${pages_manuel})
  get_filename_component(nom_page ${page} NAME)
  set(page_gz ${CMAKE_CURRENT_BINARY_DIR}/paquet/${nom_page}.gz)
  paquet_compresse(${page} ${page_gz})
  list(APPEND paquet_compresses ${page_gz})
  install(FILES ${page_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/paquet)
add_custom_target(paquet_fichiers ALL DEPENDS ${paquet_compresses})

set(CONTROLE_DOSSIER_GUIDE ${CMAKE_INSTALL_DATADIR}/${paquet_nom})
include(${CMAKE_CURRENT_LIST_DIR}/Guide.cmake)

install(FILES ${paquet_donnees}/${paquet_nom}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${paquet_donnees}/copyright ${paquet_changelog}
  DESTINATION ${paquet_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${paquet_nom})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Équipe Contrôle des dates <controle-des-dates@example.org>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries the programs link to: the faces the window maps its
# fonts to, Qt's platform plugins, which Qt loads at start-up and without
# which no window opens, and Qt's translations, whose French one
# (qtbase_fr.qm) the window loads for Qt's own texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-comic-neue, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "find the invalid dates of a Tabrenn 3 genealogy export
Contrôle des dates opens an export of the genealogy program Tabrenn 3,
shows the kind of acts and their number, checks the date of every act
under the user's regional short-date convention and lists every invalid
date with the act's reference, ready to copy, so that it can be corrected
in Tabrenn. The command controle-dates-lot makes the same check without a
window.

Contrôle des dates ouvre un export du logiciel de généalogie Tabrenn 3,
affiche la nature des actes et leur nombre, contrôle la date de chaque
acte selon le format de date court des réglages régionaux et liste chaque
date invalide avec la référence de l'acte, prête à copier, pour la
corriger dans Tabrenn. La commande controle-dates-lot fait le même
contrôle sans fenêtre.")
include(CPack)
