# quorval_library(NAME <target> [QT] DEPS <targets...>)
# Builds one library from every .cpp in the calling folder and its sub-folders.
# Files are found by glob so that a new source file needs no CMake edit.
function(quorval_library)
  cmake_parse_arguments(QL "QT" "NAME" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${QL_NAME} STATIC ${srcs})
  target_include_directories(${QL_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${QL_NAME} PUBLIC ${QL_DEPS})
  if(NOT srcs MATCHES "\\.cpp")
    # An empty folder still gives a linkable library.
    target_sources(${QL_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
endfunction()

# quorval_test(NAME <target> DIR <folder> DEPS <targets...>)
# One GoogleTest program per test folder; every TEST becomes a CTest case.
function(quorval_test)
  cmake_parse_arguments(QT "" "NAME;DIR" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${QT_DIR}/*.cpp ${QT_DIR}/*.h)
  if(NOT srcs MATCHES "\\.cpp")
    return()
  endif()
  add_executable(${QT_NAME} ${srcs})
  target_link_libraries(${QT_NAME} PRIVATE ${QT_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${QT_NAME} PRIVATE
    QUORVAL_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures"
    QUORVAL_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    QUORVAL_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${QT_NAME} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
