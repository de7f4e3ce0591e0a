# System DLLs the program needs only for some of its work (file dialogs, pictures, the TCP
# tables, the web page view, the tray, COM) are loaded at their first call instead of at program
# start: each adds to the time before the window shows, under Wine most of all.
#
# cubeworks_delay_load(<lib>...) sets CUBEWORKS_LIB_<lib> to a delay import library for the
# DLL of that name, made with dlltool from the names the toolchain's own import library lists.
# Link lists then name ${CUBEWORKS_LIB_<lib>} where they would name <lib>. The delay-load helper
# itself comes with the runtime (libmingwex).
find_program(CUBEWORKS_DLLTOOL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool dlltool
             REQUIRED)
find_program(CUBEWORKS_NM NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-nm nm REQUIRED)

function(cubeworks_delay_load)
    set(out ${CMAKE_BINARY_DIR}/delay_load)
    file(MAKE_DIRECTORY ${out})
    foreach(lib IN LISTS ARGN)
        find_library(implib_${lib} NAMES lib${lib}.a REQUIRED)
        set(implib ${implib_${lib}})
        execute_process(COMMAND ${CUBEWORKS_NM} -g --defined-only ${implib}
                        OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
        # The DLL's file name, as the import library records it.
        execute_process(COMMAND ${CUBEWORKS_DLLTOOL} --identify ${implib}
                        OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
        # "__imp_Name" (64-bit) or "__imp__Name@N" (32-bit stdcall): one export each.
        string(REGEX MATCHALL "[^\n]* I __imp_[^\n]*" entries "${symbols}")
        set(exports "")
        foreach(entry IN LISTS entries)
            string(REGEX REPLACE ".* I __imp_" "" name "${entry}")
            if(CMAKE_SIZEOF_VOID_P EQUAL 4)
                string(REGEX REPLACE "^_" "" name "${name}")
            endif()
            list(APPEND exports "${name}")
        endforeach()
        list(REMOVE_DUPLICATES exports)
        list(JOIN exports "\n" export_lines)
        set(def ${out}/${lib}.def)
        file(WRITE ${def}.new "LIBRARY \"${dll}\"\nEXPORTS\n${export_lines}\n")
        file(COPY_FILE ${def}.new ${def} ONLY_IF_DIFFERENT)
        set(delaylib ${out}/lib${lib}_delay.a)
        # --kill-at: the 32-bit names are imported without their "@N".
        add_custom_command(OUTPUT ${delaylib}
            COMMAND ${CUBEWORKS_DLLTOOL} --input-def ${def} --dllname ${dll} --kill-at
                    --output-delaylib ${delaylib}
            DEPENDS ${def}
            COMMENT "Delay import library for ${dll}"
            VERBATIM)
        add_custom_target(cubeworks_delay_${lib} DEPENDS ${delaylib})
        add_library(cubeworks_delayed_${lib} STATIC IMPORTED GLOBAL)
        set_target_properties(cubeworks_delayed_${lib} PROPERTIES IMPORTED_LOCATION ${delaylib})
        add_dependencies(cubeworks_delayed_${lib} cubeworks_delay_${lib})
        set(CUBEWORKS_LIB_${lib} cubeworks_delayed_${lib} PARENT_SCOPE)
    endforeach()
endfunction()
