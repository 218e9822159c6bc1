# Every target of the project compiles with the same strict warnings, and a warning is an error.
add_library(qp_options INTERFACE)
target_compile_options(qp_options INTERFACE
  -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual -Wimplicit-fallthrough -Werror)
target_include_directories(qp_options INTERFACE ${PROJECT_SOURCE_DIR})
# GCC 12 warns about overlapping copies inside std::string that cannot happen (its bug 105329)
# when optimising; the warning stays on for every other compiler.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(qp_options INTERFACE -Wno-restrict)
endif()
