# Shared compile settings and the one-library-per-module helper.

add_library(nk_options INTERFACE)
target_compile_options(nk_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  $<$<BOOL:${NK_WERROR}>:-Werror>)
if(NK_SANITIZE)
  target_compile_options(nk_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                         -fno-sanitize-recover=undefined)
  target_link_options(nk_options INTERFACE -fsanitize=address,undefined)
endif()
# libFuzzer comes with clang; every module is then instrumented so the fuzzers can steer.
set(NK_FUZZING OFF)
if(NK_FUZZ AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  set(NK_FUZZING ON)
  target_compile_options(nk_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# nk_module(NAME DEPS ...): a static library nk_NAME from every .cpp of the module's folder.
# Headers are included by module path ("engine/png_io.h").
function(nk_module name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(nk_${name} STATIC ${sources})
    target_include_directories(nk_${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(nk_${name} PUBLIC nk_options ${ARG_DEPS})
  else()  # a module whose first file has not landed yet
    add_library(nk_${name} INTERFACE)
    target_link_libraries(nk_${name} INTERFACE nk_options ${ARG_DEPS})
  endif()
endfunction()
