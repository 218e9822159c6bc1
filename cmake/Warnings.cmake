# Every target of the project compiles with the same strict warnings, and a warning is an error.
add_library(qp_options INTERFACE)
target_compile_options(qp_options INTERFACE
  -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual -Wimplicit-fallthrough -Werror)
target_include_directories(qp_options INTERFACE ${PROJECT_SOURCE_DIR})
