# thalvorine_layer(<folder> [USES <folders...>]): the build stops at once when
# a source in <folder> includes a header of a folder it may not use, or when
# any folder but the terminal device's includes curses. A folder is named as
# includes name it: "game", "replay", or a part of the console engine such as
# "kiv/core" or "kiv/terminal".
function(thalvorine_layer folder)
  cmake_parse_arguments(LAYER "" "" "USES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^#include [\"<]")
    get_filename_component(name ${source} NAME)
    foreach(line IN LISTS includes)
      if(line MATCHES "^#include \"(kiv/[a-z_]+|[a-z_]+)/" AND NOT CMAKE_MATCH_1 STREQUAL folder
         AND NOT CMAKE_MATCH_1 IN_LIST LAYER_USES)
        message(FATAL_ERROR "${folder}/${name}: ${folder}/ may not use ${CMAKE_MATCH_1}/ (${line})")
      endif()
      if(line MATCHES "^#include <n?curses" AND NOT folder STREQUAL "kiv/terminal")
        message(FATAL_ERROR "${folder}/${name}: only the terminal device may use curses (${line})")
      endif()
    endforeach()
  endforeach()
endfunction()

# The console engine: a core that knows no device, and one folder per device.
thalvorine_layer(kiv/core)
thalvorine_layer(kiv/sound)
thalvorine_layer(kiv/virtual USES kiv/core)
thalvorine_layer(kiv/terminal USES kiv/core kiv/sound)
thalvorine_layer(kiv/web USES kiv/core)
thalvorine_layer(kiv/plain USES kiv/core)
# The game sees only the core; what is above it sees the game.
thalvorine_layer(game USES kiv/core)
thalvorine_layer(tools USES kiv/core game)
thalvorine_layer(replay USES kiv/core kiv/virtual game)
thalvorine_layer(app USES kiv/core kiv/terminal kiv/plain kiv/web game replay tools)
