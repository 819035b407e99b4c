# thalvorine_world(<target> <source-folder> <output-folder>): checks a world
# written in UTF-8 and converts it into the game's code page at build time;
# a broken world fails the build with file:line: messages.
function(thalvorine_world target source output)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${source}/*)
  set(outputs)
  foreach(file IN LISTS files)
    file(RELATIVE_PATH name ${source} ${file})
    if(name MATCHES "^(tr\\.lng|game\\.dat|title|rules\\.txt|rooms/[^/]+\\.room|objects/[^/]+\\.object)$")
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
  set_target_properties(${target} PROPERTIES THALVORINE_WORLD_FOLDER ${output} THALVORINE_WORLD_FILES "${outputs}")
endfunction()

# thalvorine_page_worlds(<page-target> <world-target>...): the worlds those
# targets convert, embedded in the web page as /worlds/<folder's name>.
function(thalvorine_page_worlds page)
  foreach(world IN LISTS ARGN)
    get_target_property(folder ${world} THALVORINE_WORLD_FOLDER)
    get_target_property(files ${world} THALVORINE_WORLD_FILES)
    get_filename_component(name ${folder} NAME)
    target_link_options(${page} PRIVATE "SHELL:--embed-file ${folder}@/worlds/${name}")
    add_dependencies(${page} ${world})
    set_property(TARGET ${page} APPEND PROPERTY LINK_DEPENDS ${files})
  endforeach()
endfunction()
