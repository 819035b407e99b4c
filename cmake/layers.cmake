# thalvorine_layer(<folder> [USES <folders...>]): the build stops at once when
# a source in <folder> includes a header of a folder it may not use, or when
# any folder but the terminal's own files includes curses.
function(thalvorine_layer folder)
  cmake_parse_arguments(LAYER "" "" "USES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^#include [\"<]")
    get_filename_component(name ${source} NAME)
    foreach(line IN LISTS includes)
      if(line MATCHES "^#include \"([a-z_]+)/" AND NOT CMAKE_MATCH_1 STREQUAL folder
         AND NOT CMAKE_MATCH_1 IN_LIST LAYER_USES)
        message(FATAL_ERROR "${folder}/${name}: ${folder}/ may not use ${CMAKE_MATCH_1}/ (${line})")
      endif()
      if(line MATCHES "^#include <n?curses" AND NOT (folder STREQUAL "kiv" AND name MATCHES "^terminal_"))
        message(FATAL_ERROR "${folder}/${name}: only the terminal device may use curses (${line})")
      endif()
    endforeach()
  endforeach()
endfunction()

thalvorine_layer(kiv)
thalvorine_layer(game USES kiv)
thalvorine_layer(tools USES kiv game)
thalvorine_layer(replay USES kiv game)
thalvorine_layer(app USES kiv game replay)
