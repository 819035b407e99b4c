# thalvorine_world(<target> <source-folder> <output-folder>): checks a world
# written in UTF-8 and converts it into the game's code page at build time;
# a broken world fails the build with file:line: messages.
function(thalvorine_world target source output)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${source}/*)
  set(outputs)
  foreach(file IN LISTS files)
    file(RELATIVE_PATH name ${source} ${file})
    if(name MATCHES "^(tr\\.lng|game\\.dat|title|rooms/[^/]+\\.room|objects/[^/]+\\.object)$")
      list(APPEND outputs ${output}/${name})
    endif()
  endforeach()
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND thalvorine-world build ${source} ${output}
    DEPENDS ${files} thalvorine-world
    COMMENT "Checking and converting the world in ${source}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
