# Run at build time by cmake/Guide.cmake: the guide in Markdown (SOURCE)
# rendered by cmark-gfm (CMARK) with its table extension, then set into the
# page's template (MODELE) as SORTIE. The guide's own HTML is left out of
# the page, as cmark-gfm does unless told otherwise: comments are notes for
# its writers.
execute_process(COMMAND ${CMARK} --extension table --validate-utf8 ${SOURCE}
  OUTPUT_VARIABLE CORPS RESULT_VARIABLE statut)
if(NOT statut EQUAL 0)
  message(FATAL_ERROR "cmark-gfm n'a pas pu convertir ${SOURCE} (${statut})")
endif()
configure_file(${MODELE} ${SORTIE} @ONLY)
