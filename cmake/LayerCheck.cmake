# SPDX-FileCopyrightText: 2026 The Tavrin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a source file includes a header of a layer above its own. The
# layers, from the bottom: core <- records <- calc <- model <- editor, cli <-
# app; resources depends on nothing of ours but the program's generated
# constants. The tests sit above everything. The target links in the
# CMakeLists.txt files say the same.
#
#   cmake -DSOURCE_DIR=<source tree> -DWORK_DIR=<scratch folder> -P LayerCheck.cmake
#
# Before the tree, the check runs on a small tree of its own with two upward
# includes, and fails unless it finds exactly those.

cmake_minimum_required(VERSION 3.25)

set(layers core records calc model resources editor cli app)
set(allowed_core core)
set(allowed_records ${allowed_core} records)
set(allowed_calc ${allowed_records} calc)
set(allowed_model ${allowed_calc} model)
set(allowed_resources resources core/ProgramInfo.h)
set(allowed_editor ${allowed_model} resources editor)
set(allowed_cli ${allowed_model} cli)
set(allowed_app ${allowed_editor} app)
# Folders no layer may include.
set(above_all tests bench fuzz)

# Sets `out` to one entry per include of a header of a higher layer, as
# "file includes header".
function(find_upward_includes root out)
  set(found "")
  foreach(layer IN LISTS layers)
    file(GLOB_RECURSE sources LIST_DIRECTORIES false
         ${root}/${layer}/*.h ${root}/${layer}/*.cpp ${root}/${layer}/*.in)
    foreach(source IN LISTS sources)
      file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include")
      foreach(line IN LISTS lines)
        if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"(([^\"/]+)/[^\"]+)\"")
          continue()
        endif()
        set(header ${CMAKE_MATCH_1})
        set(folder ${CMAKE_MATCH_2})
        if(NOT folder IN_LIST layers AND NOT folder IN_LIST above_all)
          continue()  # not one of ours
        endif()
        if(folder IN_LIST allowed_${layer} OR header IN_LIST allowed_${layer})
          continue()
        endif()
        file(RELATIVE_PATH name ${root} ${source})
        list(APPEND found "${name} includes ${header}")
      endforeach()
    endforeach()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# The check must see an upward include where there is one.
set(fixture ${WORK_DIR}/layer-check-fixture)
file(REMOVE_RECURSE ${fixture})
file(WRITE ${fixture}/calc/Upward.h "#include \"records/Holiday.h\"\n#include \"model/CHolidays.h\"\n")
file(WRITE ${fixture}/resources/Upward.cpp "#include \"core/ProgramInfo.h\"\n  #  include \"core/CDateTime.h\"\n")
find_upward_includes(${fixture} fixture_found)
set(fixture_expected "calc/Upward.h includes model/CHolidays.h;resources/Upward.cpp includes core/CDateTime.h")
if(NOT fixture_found STREQUAL fixture_expected)
  message(FATAL_ERROR "The layer check does not see upward includes: it found \"${fixture_found}\" "
                      "instead of \"${fixture_expected}\"")
endif()

find_upward_includes(${SOURCE_DIR} upward)
if(upward)
  list(JOIN upward "\n  " lines)
  message(FATAL_ERROR "Includes of a higher layer (the layers: core <- records <- calc <- model <- "
                      "editor, cli <- app; resources on nothing of ours):\n  ${lines}")
endif()
message(STATUS "Every include runs down the layers.")
