# Prints the size of FILE: cmake -DFILE=path -P print_size.cmake
file(SIZE "${FILE}" bytes)
math(EXPR kib "(${bytes} + 512) / 1024")
get_filename_component(name "${FILE}" NAME)
message(STATUS "${name}: ${bytes} bytes (${kib} KiB)")
