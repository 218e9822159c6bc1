# Natively the system's GoogleTest; in the Windows builds the same sources that Debian installs,
# built with the cross compiler.
if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()

# Adds a GoogleTest program; under cross compilation ctest runs it through the emulator (Wine).
function(qp_add_test_program name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE qp_options GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
endfunction()
