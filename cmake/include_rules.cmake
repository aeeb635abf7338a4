# Each library exposes only its own folder: a folder's headers are included as
# "<folder>/<header>.h" by the targets that link its library, and by no other.
# The folder (or a single header) is linked into an include tree of the
# library's own in the build, so no target hands out the project root. An
# optional third argument names it there otherwise.
function(orbel_expose target path)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    set(name ${path})
    if(ARGC GREATER 2)
        set(name ${ARGV2})
    endif()
    get_filename_component(parent ${root}/${name} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${root}/${name})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${root}/${name} SYMBOLIC)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
