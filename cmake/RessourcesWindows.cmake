# The manifest and the version information of a Windows program, through a
# .rc of its own (resources/windows/): controle_ressources_programme(CIBLE
# DESCRIPTION [FENETRE]). FENETRE adds to the manifest the system DPI
# awareness of the window.
function(controle_ressources_programme cible description)
  set(nom ${cible})
  math(EXPR mineur "${PROJECT_VERSION_MINOR} + 0")
  set(version_quatre ${PROJECT_VERSION_MAJOR}.${mineur}.0.0)
  set(version_virgules ${PROJECT_VERSION_MAJOR},${mineur},0,0)
  set(reglages_fenetre "")
  if("FENETRE" IN_LIST ARGN)
    set(reglages_fenetre [[
  <application xmlns="urn:schemas-microsoft-com:asm.v3">
    <windowsSettings>
      <dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>
    </windowsSettings>
  </application>
]])
  endif()
  set(modeles ${PROJECT_SOURCE_DIR}/resources/windows)
  set(manifeste ${CMAKE_CURRENT_BINARY_DIR}/${cible}.manifest)
  set(ressources ${CMAKE_CURRENT_BINARY_DIR}/${cible}-programme.rc)
  configure_file(${modeles}/programme.manifest.in ${manifeste} @ONLY)
  configure_file(${modeles}/Programme.rc.in ${ressources} @ONLY)
  set_source_files_properties(${ressources} PROPERTIES OBJECT_DEPENDS ${manifeste})
  target_sources(${cible} PRIVATE ${ressources})
endfunction()
