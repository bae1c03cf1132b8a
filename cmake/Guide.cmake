# The genealogist's guide, docs/guide.md, made into a web page at build time
# (docs/guide.html in the build folder, beside a copy of its pictures in
# docs/guide/) and installed with them into CONTROLE_DOSSIER_GUIDE, set by
# the package that includes this file, with the two sample exports its first
# check walks through. The converter is cmark-gfm: light (a
# C program and its library), kept by Debian, with the table extension the
# guide needs and images of its own, and the very dialect the forge shows
# the same file in, so that the page reads as the file does there.
find_program(CONTROLE_CMARK cmark-gfm REQUIRED)
set(guide_source ${PROJECT_SOURCE_DIR}/docs/guide.md)
set(guide_images ${PROJECT_SOURCE_DIR}/docs/guide)
set(guide_modele ${PROJECT_SOURCE_DIR}/resources/guide.html.in)
set(guide_script ${CMAKE_CURRENT_LIST_DIR}/RendGuide.cmake)
set(CONTROLE_GUIDE ${CMAKE_BINARY_DIR}/docs/guide.html)
file(GLOB guide_photos CONFIGURE_DEPENDS ${guide_images}/*)

add_custom_command(OUTPUT ${CONTROLE_GUIDE}
  COMMAND ${CMAKE_COMMAND} -DCMARK=${CONTROLE_CMARK} -DSOURCE=${guide_source} -DMODELE=${guide_modele}
          -DSORTIE=${CONTROLE_GUIDE} -P ${guide_script}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${guide_images} ${CMAKE_BINARY_DIR}/docs/guide
  DEPENDS ${guide_source} ${guide_modele} ${guide_script} ${guide_photos}
  VERBATIM)
add_custom_target(guide ALL DEPENDS ${CONTROLE_GUIDE})

install(FILES ${CONTROLE_GUIDE} DESTINATION ${CONTROLE_DOSSIER_GUIDE})
install(DIRECTORY ${guide_images} DESTINATION ${CONTROLE_DOSSIER_GUIDE})
install(FILES ${PROJECT_SOURCE_DIR}/exemples/mariages-a-corriger.txt ${PROJECT_SOURCE_DIR}/exemples/naissances-valides.txt
  DESTINATION ${CONTROLE_DOSSIER_GUIDE}/exemples)
