# The Windows program: one static .exe with no console window, carrying the
# version record and the program's icon, stripped as it ships, and packed
# with a short text as orbel-lens-calculator-<version>-win64.zip at the top
# of the build folder. Included from app/.
include(${PROJECT_SOURCE_DIR}/cmake/version_record.cmake)
set(program orbel-lens-calculator)

# Explorer shows the first icon resource as the file's icon; the .ico is
# made from the same 32 x 32 picture the windows show.
find_program(ORBEL_CONVERT convert REQUIRED)
set(icon ${CMAKE_CURRENT_BINARY_DIR}/${program}.ico)
add_custom_command(OUTPUT ${icon}
    COMMAND ${ORBEL_CONVERT} ${CMAKE_CURRENT_SOURCE_DIR}/icons/${program}.png ${icon}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/icons/${program}.png
    COMMENT "Making the program's icon resource")
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/icon.rc CONTENT "1 ICON \"${icon}\"\n")
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/icon.rc PROPERTIES OBJECT_DEPENDS ${icon})

configure_file(${CMAKE_CURRENT_SOURCE_DIR}/windows/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/version.rc
    @ONLY)
target_sources(${program} PRIVATE
    ${CMAKE_CURRENT_BINARY_DIR}/icon.rc ${CMAKE_CURRENT_BINARY_DIR}/version.rc)
set_target_properties(${program} PROPERTIES WIN32_EXECUTABLE ON)
# The tests run the very file that ships.
add_custom_command(TARGET ${program} POST_BUILD
    COMMAND ${CMAKE_STRIP} $<TARGET_FILE:${program}>)

set(zip ${CMAKE_BINARY_DIR}/${program}-${PROJECT_VERSION}-win64.zip)
set(stage ${CMAKE_CURRENT_BINARY_DIR}/zip)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/windows/README.txt.in ${stage}/README.txt @ONLY
    NEWLINE_STYLE CRLF)
add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${program}> ${stage}/
    COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage}
            ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip -- ${program}.exe README.txt
    DEPENDS ${program} ${stage}/README.txt
    COMMENT "Packing ${program}-${PROJECT_VERSION}-win64.zip")
add_custom_target(windows-zip ALL DEPENDS ${zip})
