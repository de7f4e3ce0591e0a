# The skin library (payload/skin/skin.c): a DLL without the C runtime, preferred base 0x10000000,
# with relocations, built by this tree's own compiler for its own architecture (the 32-bit
# program carries a 32-bit DLL, the 64-bit test build a 64-bit one). Its export SkinH_AttachRes
# is undecorated in both (the .def maps the 32-bit standard-call name).
# Sets CUBEWORKS_SKIN_LIBRARY_PATH and the target cubeworks_skin_library. Elsewhere no Windows
# library can run, so the carried bytes are empty and the program keeps its own look.
set(skin_dir ${CMAKE_SOURCE_DIR}/payload/skin)
if(WIN32)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(skin_entry _DllMain@12)
        set(skin_def ${skin_dir}/skin32.def)
    else()
        set(skin_entry DllMain)
        set(skin_def ${skin_dir}/skin64.def)
    endif()
    set(CUBEWORKS_SKIN_LIBRARY_PATH ${CMAKE_BINARY_DIR}/payload/skin/cubeworks-skin.dll)
    add_custom_command(
        OUTPUT ${CUBEWORKS_SKIN_LIBRARY_PATH}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/payload/skin
        COMMAND ${CMAKE_C_COMPILER} -O2 -s -Wall -Wextra -ffreestanding -fno-builtin
                -fno-stack-protector -fno-asynchronous-unwind-tables -shared -nostdlib
                -e ${skin_entry} -Wl,--image-base,0x10000000 -Wl,--dynamicbase
                ${skin_dir}/skin.c ${skin_def} -lkernel32 -luser32 -lgdi32 -lgcc
                -o ${CUBEWORKS_SKIN_LIBRARY_PATH}
        DEPENDS ${skin_dir}/skin.c ${skin_def}
        COMMENT "Skin library for ${CMAKE_SYSTEM_PROCESSOR}"
        VERBATIM)
else()
    set(CUBEWORKS_SKIN_LIBRARY_PATH ${CMAKE_BINARY_DIR}/payload/skin/no-skin-library)
    add_custom_command(
        OUTPUT ${CUBEWORKS_SKIN_LIBRARY_PATH}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/payload/skin
        COMMAND ${CMAKE_COMMAND} -E touch ${CUBEWORKS_SKIN_LIBRARY_PATH}
        VERBATIM)
endif()
add_custom_target(cubeworks_skin_library DEPENDS ${CUBEWORKS_SKIN_LIBRARY_PATH})
