# A build that only checks the game (the sanitizer build) takes the content tools and the game
# content of another build folder, NK_REUSE_BUILD, instead of building and running the tools
# again. The tools and their own tests stay with that build; the names the game's tests depend
# on (game_art, nk_levels, effects, tunes, nk-level) stand for the reused parts.
foreach(part game/Data/data.oil game/Sounds tools/nk-level/nk-level)
  if(NOT EXISTS ${NK_REUSE_BUILD}/${part})
    message(FATAL_ERROR "NK_REUSE_BUILD=${NK_REUSE_BUILD} has no ${part}: build it first")
  endif()
endforeach()

add_executable(nk-level IMPORTED GLOBAL)
set_target_properties(nk-level PROPERTIES IMPORTED_LOCATION ${NK_REUSE_BUILD}/tools/nk-level/nk-level)

add_custom_target(nk_reused_content
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${NK_REUSE_BUILD}/game/Data ${CMAKE_BINARY_DIR}/game/Data
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${NK_REUSE_BUILD}/game/Sounds ${CMAKE_BINARY_DIR}/game/Sounds
  COMMENT "Taking the game content of ${NK_REUSE_BUILD}")
foreach(name game_art nk_levels effects tunes)
  add_custom_target(${name} ALL)
  add_dependencies(${name} nk_reused_content)
endforeach()
