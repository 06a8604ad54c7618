# Each folder includes only from the folders beneath it:
#   cards <- game <- raster, session <- render <- app;  game <- headless <- sim;
# tools/ may include any but tests/, and tests/ any but tools/. cards/, game/, headless/ and sim/
# include no Qt header.
#   cmake -DSOURCE_DIR=<tree> -P layer_check.cmake
cmake_minimum_required(VERSION 3.25)

set(below_cards cards)
set(below_game cards game)
set(below_raster cards game raster)
set(below_session cards game session)
set(below_render cards game raster render)
set(below_app cards game raster render session app)
set(below_headless cards game headless)
set(below_sim cards game headless sim)
set(below_tools cards game raster render session app headless sim tools)
set(below_tests cards game raster render session app headless sim tests)
set(below_packaging cards game packaging)
set(folders cards game raster session render app headless sim tools tests packaging)
set(qtFree cards game headless sim)

set(faults "")
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${SOURCE_DIR}
         ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.in)
    foreach(file IN LISTS files)
        file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line IN LISTS includes)
            if(line MATCHES "include[ \t]*[<\"]([a-z_]+)/" AND CMAKE_MATCH_1 IN_LIST folders
               AND NOT CMAKE_MATCH_1 IN_LIST below_${folder})
                string(STRIP "${line}" line)
                string(APPEND faults "  ${file}: ${line}\n")
            elseif(folder IN_LIST qtFree AND line MATCHES "include[ \t]*<(Q|qt)")
                string(STRIP "${line}" line)
                string(APPEND faults "  ${file}: ${line} (no Qt here)\n")
            endif()
        endforeach()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "includes against the layer order (docs/architecture.md):\n${faults}")
endif()
