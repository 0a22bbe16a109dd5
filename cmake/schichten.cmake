# The layers of src/, from bottom to top. A file may include headers of its
# own folder and of the folders before it in this list, never of one after it.
# Folders not made yet (exchange, project) already have their place.
set(QUARZEL_SCHICHTEN
    platform base settings view styles store render edit macro exchange project
    ui/qt ui/dialogs ui/tools ui/window app)

# The layer of a path relative to src/: its first folder, or two for ui/.
function(quarzel_schicht pfad ergebnis)
  string(REGEX MATCH "^ui/[^/]+/" unterordner "${pfad}")
  if(unterordner)
    string(REGEX REPLACE "/$" "" schicht "${unterordner}")
  else()
    string(REGEX REPLACE "/.*" "" schicht "${pfad}")
  endif()
  set(${ergebnis} "${schicht}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  # cmake -DQUELLEN=<src> -DSTEMPEL=<file> -P schichten.cmake
  file(GLOB_RECURSE dateien RELATIVE ${QUELLEN} ${QUELLEN}/*.h ${QUELLEN}/*.cpp)
  set(fehler "")
  foreach(datei IN LISTS dateien)
    quarzel_schicht("${datei}" eigene)
    list(FIND QUARZEL_SCHICHTEN "${eigene}" rang)
    if(rang EQUAL -1)
      string(APPEND fehler "  ${datei}: its folder has no place in the layer order\n")
      continue()
    endif()
    file(STRINGS ${QUELLEN}/${datei} zeilen REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(zeile IN LISTS zeilen)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" ziel "${zeile}")
      if(NOT EXISTS ${QUELLEN}/${ziel} OR NOT ziel MATCHES "/")
        continue()
      endif()
      quarzel_schicht("${ziel}" zielschicht)
      list(FIND QUARZEL_SCHICHTEN "${zielschicht}" zielrang)
      if(zielrang EQUAL -1 OR zielrang GREATER rang)
        string(APPEND fehler "  ${datei} (${eigene}) includes ${ziel} (${zielschicht})\n")
      endif()
    endforeach()
  endforeach()
  if(fehler)
    string(REPLACE ";" " -> " reihenfolge "${QUARZEL_SCHICHTEN}")
    message(FATAL_ERROR "Includes must point downwards (${reihenfolge}):\n${fehler}")
  endif()
  file(TOUCH ${STEMPEL})
  return()
endif()

# The target quarzel_schichtpruefung runs the check above whenever a source
# file changed; every library of src/ depends on it.
function(quarzel_schichtpruefung)
  file(GLOB_RECURSE dateien CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/src/*.cpp)
  set(stempel ${CMAKE_CURRENT_BINARY_DIR}/schichtpruefung.stempel)
  add_custom_command(
    OUTPUT ${stempel}
    COMMAND ${CMAKE_COMMAND} -DQUELLEN=${PROJECT_SOURCE_DIR}/src -DSTEMPEL=${stempel} -P
            ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    DEPENDS ${dateien} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    COMMENT "Checking that includes point only downwards"
    VERBATIM)
  add_custom_target(quarzel_schichtpruefung DEPENDS ${stempel})
endfunction()
