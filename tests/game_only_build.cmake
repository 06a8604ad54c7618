# What building the game alone builds, read from make's own list of what it would do (-n).
#   cmake -DSOURCE_DIR=<tree> -DSCRATCH_DIR=<empty folder> -P game_only_build.cmake
# 1. A full configuration: the game's build runs no test or benchmark target's build.
# 2. A configuration without GoogleTest and Google Benchmark, as after `sh tools/setup.sh game`,
#    configures, and still builds the game.

cmake_minimum_required(VERSION 3.25)

function(fail text)
    message(FATAL_ERROR "game-only build: ${text}")
endfunction()

function(configure dir)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${dir} -G "Unix Makefiles"
                -DCMAKE_BUILD_TYPE=RelWithDebInfo ${ARGN}
        RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        fail("configuring ${dir} failed:\n${output}")
    endif()
endfunction()

# The targets (as "<folder>/<name>") that building the game builds: make walks the target graph
# of the build (-n, nothing is run) with each target's own build replaced by an echo of it.
function(targets_built_for_game dir result)
    file(GLOB gameFolder RELATIVE ${dir} ${dir}/*/CMakeFiles/quorvel.dir)
    if(NOT gameFolder)
        fail("${dir} has no quorvel target")
    endif()
    load_cache(${dir} READ_WITH_PREFIX cache_ CMAKE_MAKE_PROGRAM)
    execute_process(
        COMMAND ${cache_CMAKE_MAKE_PROGRAM} -n MAKE=echo -f CMakeFiles/Makefile2 ${gameFolder}/all
        WORKING_DIRECTORY ${dir}
        RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        fail("make -n ${gameFolder}/all failed in ${dir}:\n${output}")
    endif()
    string(REGEX MATCHALL "-f [^ \n]+/CMakeFiles/[^/ \n]+\\.dir/build\\.make" steps "${output}")
    set(targets)
    foreach(step ${steps})
        string(REGEX REPLACE "^-f (.+)/CMakeFiles/(.+)\\.dir/build\\.make$" "\\1/\\2" target
                             "${step}")
        list(APPEND targets ${target})
    endforeach()
    list(REMOVE_DUPLICATES targets)
    set(${result} ${targets} PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${SCRATCH_DIR})

# 1. The test and benchmark targets: those under tests/ and those that link GoogleTest or Google
# Benchmark.
set(full ${SCRATCH_DIR}/full)
configure(${full})
file(GLOB_RECURSE linkFiles RELATIVE ${full} ${full}/link.txt)
set(checkTargets)
foreach(linkFile ${linkFiles})
    string(REGEX REPLACE "^(.+)/CMakeFiles/(.+)\\.dir/link\\.txt$" "\\1/\\2" target ${linkFile})
    file(READ ${full}/${linkFile} linkLine)
    if(target MATCHES "(^|/)tests/" OR linkLine MATCHES "gtest|benchmark")
        list(APPEND checkTargets ${target})
    endif()
endforeach()
list(LENGTH checkTargets checkCount)
if(checkCount LESS 3)
    fail("the full configuration shows only ${checkCount} test or benchmark targets")
endif()

targets_built_for_game(${full} built)
if(NOT "app/quorvel" IN_LIST built)
    fail("make -n quorvel does not build app/quorvel; it builds: ${built}")
endif()
foreach(target ${built})
    if(target IN_LIST checkTargets)
        fail("building the game also builds ${target}")
    endif()
endforeach()
message(STATUS "the game alone builds: ${built}")

# 2. No GoogleTest, no Google Benchmark.
set(gameOnly ${SCRATCH_DIR}/game-only)
configure(${gameOnly} -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
          -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)
targets_built_for_game(${gameOnly} builtWithout)
if(NOT "app/quorvel" IN_LIST builtWithout)
    fail("without GoogleTest and Google Benchmark the game is not built: ${builtWithout}")
endif()

file(REMOVE_RECURSE ${SCRATCH_DIR})
