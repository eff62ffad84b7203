# Helpers that give every target of the project the same settings.

# Our own code is warning-free; dependencies' headers come in as system headers.
function(plorvane_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough -Werror)
endfunction()

if(PLORVANE_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "PLORVANE_FUZZ needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

if(PLORVANE_SANITIZE OR PLORVANE_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Coverage feedback from the readers' libraries too, not only from the target files; without it
# libFuzzer mutates blindly. Assertions stay on: a broken invariant is a finding too.
if(PLORVANE_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link -UNDEBUG)
endif()

# The player image is the first part of every card executable and may not pass 418,000 bytes, so
# the code it is made of is compiled a second time, optimised for size, whatever the build type.
# Sanitized and fuzzing builds make no player image.
if(PLORVANE_SANITIZE OR PLORVANE_FUZZ)
  set(PLORVANE_PLAYER_IMAGE OFF)
else()
  set(PLORVANE_PLAYER_IMAGE ON)
endif()
set(PLORVANE_SIZE_FLAGS -Os -DNDEBUG -ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables)

# The size-optimised twin of each dependency that has one.
function(plorvane_small_dependencies out)
  set(result)
  foreach(dependency IN LISTS ARGN)
    if(TARGET ${dependency}_small)
      list(APPEND result ${dependency}_small)
    else()
      list(APPEND result ${dependency})
    endif()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# plorvane_library(<name> SOURCES ... DEPENDS ...): a core library under src/,
# included as "folder/file.h" from the src root. With the player image on, <name>_small is the
# same library optimised for size, built only when the player needs it.
function(plorvane_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  set(variants ${name})
  if(PLORVANE_PLAYER_IMAGE)
    list(APPEND variants ${name}_small)
  endif()
  foreach(target IN LISTS variants)
    if(target STREQUAL name)
      set(dependencies ${ARG_DEPENDS})
      set(exclude)
    else()
      plorvane_small_dependencies(dependencies ${ARG_DEPENDS})
      set(exclude EXCLUDE_FROM_ALL)
    endif()
    if(ARG_SOURCES)
      add_library(${target} STATIC ${exclude} ${ARG_SOURCES})
      target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
      target_link_libraries(${target} PUBLIC ${dependencies})
      plorvane_warnings(${target})
    else()  # header-only so far
      add_library(${target} INTERFACE)
      target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
      target_link_libraries(${target} INTERFACE ${dependencies})
    endif()
  endforeach()
  if(ARG_SOURCES AND PLORVANE_PLAYER_IMAGE)
    target_compile_options(${name}_small PRIVATE ${PLORVANE_SIZE_FLAGS})
  endif()
endfunction()

# plorvane_test(<name> SOURCES ... DEPENDS ...): one GoogleTest program, registered with CTest.
function(plorvane_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  plorvane_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()

# plorvane_fuzz_target(<name> SOURCE <file> DEPENDS ...): a reader's fuzz entry point
# (LLVMFuzzerTestOneInput plus FuzzSeeds). With PLORVANE_FUZZ it links libFuzzer; otherwise it
# links the seeded mutation driver and runs as an ordinary test.
function(plorvane_fuzz_target name)
  cmake_parse_arguments(ARG "" "SOURCE" "DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCE})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} plorvane_fuzz_support)
  plorvane_warnings(${name})
  if(PLORVANE_FUZZ)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    target_link_libraries(${name} PRIVATE plorvane_mutation_driver)
    add_test(NAME ${name} COMMAND ${name} --iterations 3000)
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  endif()
endfunction()
