# The Windows version record's numbers and texts, from the one project
# version: file and product version 1.2.0.3, version texts "1.02.0003".
function(orbel_zero_pad out value width)
    string(LENGTH "${value}" length)
    while(length LESS width)
        string(PREPEND value 0)
        string(LENGTH "${value}" length)
    endwhile()
    set(${out} ${value} PARENT_SCOPE)
endfunction()
orbel_zero_pad(minor ${PROJECT_VERSION_MINOR} 2)
orbel_zero_pad(revision ${PROJECT_VERSION_TWEAK} 4)
set(ORBEL_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor}.${revision}")
set(ORBEL_VERSION_COMMAS
    "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},${PROJECT_VERSION_TWEAK}")

# A Windows program's own records, built into it: its version record, named
# for the program, and its application manifest (it runs with the user's own
# rights and is made for Windows 10 and 11, plus the settings given, XML for
# the manifest's windowsSettings), and its icon when one is given after them.
function(orbel_windows_records program description settings)
    set(dir ${CMAKE_CURRENT_BINARY_DIR})
    # ORBEL_EXECUTION_LEVEL, when set, asks for other rights than the user's.
    set(level asInvoker)
    if(ORBEL_EXECUTION_LEVEL)
        set(level ${ORBEL_EXECUTION_LEVEL})
    endif()
    configure_file(${PROJECT_SOURCE_DIR}/app/windows/version.rc.in ${dir}/${program}-version.rc @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/app/windows/program.manifest.in ${dir}/${program}.manifest
        @ONLY)
    # Resource type 24 is the manifest; number 1 is the one Windows reads when
    # it starts the program.
    set(resources "1 24 \"${dir}/${program}.manifest\"\n")
    if(ARGN)
        string(PREPEND resources "1 ICON \"${ARGN}\"\n")
    endif()
    file(CONFIGURE OUTPUT ${dir}/${program}.rc CONTENT "${resources}")
    set_source_files_properties(${dir}/${program}.rc PROPERTIES
        OBJECT_DEPENDS "${ARGN};${dir}/${program}.manifest")
    target_sources(${program} PRIVATE ${dir}/${program}.rc ${dir}/${program}-version.rc)
endfunction()
