# The web build's pieces from outside it: pugixml compiled from Debian's
# source (scripts/setup-web fetches it), and a native build's world tool,
# which converts the world as it does for the terminal, and replay runner,
# whose screens the browser test compares the page with.
set(THALVORINE_PUGIXML_SOURCE "${PROJECT_SOURCE_DIR}/.cache/pugixml" CACHE PATH
    "Debian's source of pugixml, compiled for the browser")
set(THALVORINE_WORLD_TOOL "" CACHE FILEPATH "thalvorine-world of a native build")
set(THALVORINE_REPLAY_TOOL "" CACHE FILEPATH "thalvorine-replay of a native build, for the browser test")

if(NOT EXISTS "${THALVORINE_PUGIXML_SOURCE}/src/pugixml.cpp")
  message(FATAL_ERROR "No pugixml source in ${THALVORINE_PUGIXML_SOURCE}: run scripts/setup-web")
endif()
add_library(pugixml STATIC "${THALVORINE_PUGIXML_SOURCE}/src/pugixml.cpp")
target_include_directories(pugixml SYSTEM PUBLIC "${THALVORINE_PUGIXML_SOURCE}/src")
target_compile_options(pugixml PRIVATE -w)  # not our code
add_library(pugixml::pugixml ALIAS pugixml)

if(NOT EXISTS "${THALVORINE_WORLD_TOOL}")
  message(FATAL_ERROR "Give -DTHALVORINE_WORLD_TOOL=<native build>/thalvorine-world (scripts/build-web does)")
endif()
add_executable(thalvorine-world IMPORTED GLOBAL)
set_target_properties(thalvorine-world PROPERTIES IMPORTED_LOCATION "${THALVORINE_WORLD_TOOL}")
