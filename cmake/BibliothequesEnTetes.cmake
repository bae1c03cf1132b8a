# The companion's two header-only libraries, nlohmann-json (JSON Lines) and
# CLI11 (options), from Debian's packages. A Windows build takes the same
# headers, alone in a folder of their own: the rest of /usr/include belongs to
# Linux and must not reach the cross compiler.
if(CMAKE_CROSSCOMPILING)
  set(dossier_entetes ${CMAKE_BINARY_DIR}/entetes-seules)
  file(MAKE_DIRECTORY ${dossier_entetes})
  foreach(bibliotheque nlohmann CLI)
    if(NOT EXISTS ${dossier_entetes}/${bibliotheque})
      file(CREATE_LINK /usr/include/${bibliotheque} ${dossier_entetes}/${bibliotheque} SYMBOLIC)
    endif()
  endforeach()
  foreach(cible nlohmann_json::nlohmann_json CLI11::CLI11)
    add_library(${cible} INTERFACE IMPORTED GLOBAL)
    set_target_properties(${cible} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${dossier_entetes})
  endforeach()
else()
  find_package(nlohmann_json 3 REQUIRED GLOBAL)
  find_package(CLI11 REQUIRED GLOBAL)
endif()
