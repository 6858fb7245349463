# ql_folder_library(<target> LIBS <deps...>): a static library of every .cpp/.ui in the
# calling folder (not its subfolders), so adding a file needs no edit here.
function(ql_folder_library target)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  add_library(${target} STATIC ${sources})
  target_link_libraries(${target} PUBLIC ${ARG_LIBS})
  set_target_properties(${target} PROPERTIES AUTOUIC_SEARCH_PATHS ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# ql_add_test(<name> <sources...> LIBS <deps...>): one Qt Test executable, registered with CTest.
function(ql_add_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE Qt6::Test ql_testsupport ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600
    ENVIRONMENT "QINGLAN_BUILD_DIR=${CMAKE_BINARY_DIR};QINGLAN_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()
