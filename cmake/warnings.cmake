# Warnings per target: every C++ library and executable of the project gets the same warning
# options, and -Werror when CANTIVA_WERROR is on (CI turns it on).
option(CANTIVA_WERROR "Treat compiler warnings as errors" OFF)

# GCC 12 warns that std::string concatenations in optimised builds may overlap, which they cannot
# (GCC bug 105329, fixed in GCC 13): the one warning left off, and only there.
set(CANTIVA_GCC12_RESTRICT
    "$<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>")

function(cantiva_target_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic ${CANTIVA_GCC12_RESTRICT}
                           $<$<BOOL:${CANTIVA_WERROR}>:-Werror>)
endfunction()

# Applies cantiva_target_warnings to the targets defined in `dir` and below.
function(cantiva_warnings_below dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
            cantiva_target_warnings(${target})
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir ${subdirs})
        cantiva_warnings_below(${subdir})
    endforeach()
endfunction()
