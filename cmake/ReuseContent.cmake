# A build that only checks the game (the sanitizer build) takes the content tools and the game
# content of another build folder, NK_REUSE_BUILD, instead of building and running the tools
# again. The tools and their own tests stay with that build; the names the game's tests depend
# on (game_art, nk_levels, effects, tunes, nk-level, the icons) stand for the reused parts.
foreach(part game/Data/data.oil game/Sounds icons tools/nk-level/nk-level)
  if(NOT EXISTS ${NK_REUSE_BUILD}/${part})
    message(FATAL_ERROR "NK_REUSE_BUILD=${NK_REUSE_BUILD} has no ${part}: build it first")
  endif()
endforeach()

add_executable(nk-level IMPORTED GLOBAL)
set_target_properties(nk-level PROPERTIES IMPORTED_LOCATION ${NK_REUSE_BUILD}/tools/nk-level/nk-level)
set(NK_ICON_DIR ${NK_REUSE_BUILD}/icons CACHE INTERNAL "the reused build's desktop icons")

# Each file of the game folder's content, copied when the other build's copy changes.
file(GLOB_RECURSE reused RELATIVE ${NK_REUSE_BUILD}/game CONFIGURE_DEPENDS
     ${NK_REUSE_BUILD}/game/Data/* ${NK_REUSE_BUILD}/game/Sounds/*)
set(copies)
foreach(file ${reused})
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/game/${file}
    COMMAND ${CMAKE_COMMAND} -E copy ${NK_REUSE_BUILD}/game/${file} ${CMAKE_BINARY_DIR}/game/${file}
    DEPENDS ${NK_REUSE_BUILD}/game/${file})
  list(APPEND copies ${CMAKE_BINARY_DIR}/game/${file})
endforeach()
add_custom_target(nk_reused_content DEPENDS ${copies} COMMENT "Taking the game content of ${NK_REUSE_BUILD}")
foreach(name game_art nk_levels effects tunes)
  add_custom_target(${name} ALL)
  add_dependencies(${name} nk_reused_content)
endforeach()
