# Registers the test program's tests with CTest in groups: each group is one process
# that runs up to GROUP_SIZE consecutive tests of one suite. One process a test would
# spend most of a sanitized run starting processes; one process for everything would
# leave a second core idle. A test that hangs still fails by its own name: the test
# program's watchdog names it.
#
# Run after each build of the test program as:
#   cmake -DEXE=<test program> -DOUT=<ctest file> -DCONTENT=<regex> -P test_groups.cmake
# Tests whose full name matches CONTENT (the story playthroughs and the stand-in
# content checks) are grouped apart and labelled "content", so that a pass can leave
# them out with `ctest -LE content`.
set(GROUP_SIZE 8)

execute_process(COMMAND "${EXE}" --gtest_list_tests
  OUTPUT_VARIABLE listing RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${EXE} --gtest_list_tests failed (${status}): ${errors}")
endif()

set(out "")
set(suite "")
set(group_tests "")
set(group_content "")
set(group_count 0)
set(group_index 0)

# Writes the group collected so far as one CTest test.
macro(flush_group)
  if(group_count GREATER 0)
    string(REPLACE ";" ":" filter "${group_tests}")
    # A suite's first group is named as the suite, its further ones Suite#2, Suite#3 ...
    set(name "${suite}")
    if(group_index GREATER 1)
      set(name "${suite}#${group_index}")
    endif()
    string(APPEND out "add_test([==[${name}]==] [==[${EXE}]==] [==[--gtest_filter=${filter}]==])\n")
    set(labels "")
    if(group_content)
      set(labels " LABELS content")
    endif()
    string(APPEND out "set_tests_properties([==[${name}]==] PROPERTIES TIMEOUT 1800${labels}"
      " ENVIRONMENT [==[SDL_AUDIODRIVER=dummy;SDL_VIDEODRIVER=dummy]==])\n")
  endif()
  set(group_tests "")
  set(group_count 0)
endmacro()

string(REPLACE ";" "\\;" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  if(line MATCHES "^([^ #][^ ]*)\\.$")
    flush_group()
    set(suite "${CMAKE_MATCH_1}")
    set(group_index 0)
  elseif(line MATCHES "^  ([^ ]+)")
    set(full "${suite}.${CMAKE_MATCH_1}")
    set(content OFF)
    if(CONTENT AND full MATCHES "${CONTENT}")
      set(content ON)
    endif()
    if(group_count GREATER_EQUAL GROUP_SIZE OR (group_count GREATER 0 AND NOT content STREQUAL group_content))
      flush_group()
    endif()
    if(group_count EQUAL 0)
      math(EXPR group_index "${group_index} + 1")
      set(group_content ${content})
    endif()
    list(APPEND group_tests "${full}")
    math(EXPR group_count "${group_count} + 1")
  endif()
endforeach()
flush_group()

file(WRITE "${OUT}.tmp" "${out}")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
