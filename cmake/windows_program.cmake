# The Windows program: one static .exe with no console window, carrying an
# application manifest, the version record and the program's icon, stripped
# as it ships; packed with a short text as
# orbel-lens-calculator-<version>-win64.zip and wrapped in a setup program,
# orbel-lens-calculator-<version>-setup.exe, both at the top of the build
# folder. Included from app/.
include(${PROJECT_SOURCE_DIR}/cmake/version_record.cmake)
set(program orbel-lens-calculator)

# Explorer picks the image for each of its views from the first icon
# resource: 16, 32, 48 and 256 pixels, drawn from the SVG. (The windows show
# the 32 x 32, 16-colour PNG.)
find_program(ORBEL_CONVERT convert REQUIRED)
find_program(ORBEL_RSVG rsvg-convert REQUIRED)
set(svg ${CMAKE_CURRENT_SOURCE_DIR}/icons/${program}.svg)
set(icon ${CMAKE_CURRENT_BINARY_DIR}/${program}.ico)
set(renders)
set(images)
foreach(size 16 32 48 256)
    list(APPEND renders COMMAND ${ORBEL_RSVG} -w ${size} -h ${size} -o icon-${size}.png ${svg})
    list(APPEND images icon-${size}.png)
endforeach()
add_custom_command(OUTPUT ${icon} ${renders} COMMAND ${ORBEL_CONVERT} ${images} ${icon}
    DEPENDS ${svg} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    COMMENT "Making the program's icon resource")
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/windows/program.manifest.in program.manifest @ONLY)
# Resource type 24 is the manifest; number 1 is the one Windows reads when it
# starts the program.
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/program.rc CONTENT
    "1 ICON \"${icon}\"\n1 24 \"${CMAKE_CURRENT_BINARY_DIR}/program.manifest\"\n")
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/program.rc PROPERTIES
    OBJECT_DEPENDS "${icon};${CMAKE_CURRENT_BINARY_DIR}/program.manifest")

configure_file(${CMAKE_CURRENT_SOURCE_DIR}/windows/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/version.rc
    @ONLY)
target_sources(${program} PRIVATE
    ${CMAKE_CURRENT_BINARY_DIR}/program.rc ${CMAKE_CURRENT_BINARY_DIR}/version.rc)
set_target_properties(${program} PROPERTIES WIN32_EXECUTABLE ON)
# The tests run the very file that ships.
add_custom_command(TARGET ${program} POST_BUILD
    COMMAND ${CMAKE_STRIP} $<TARGET_FILE:${program}>)

set(zip ${CMAKE_BINARY_DIR}/${program}-${PROJECT_VERSION}-win64.zip)
set(stage ${CMAKE_CURRENT_BINARY_DIR}/zip)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/windows/README.txt.in ${stage}/README.txt @ONLY
    NEWLINE_STYLE CRLF)
# The console twin, orbel-lens.exe, ships beside the program.
add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${program}> $<TARGET_FILE:orbel-lens> ${stage}/
    COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage}
            ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip -- ${program}.exe orbel-lens.exe README.txt
    DEPENDS ${program} orbel-lens ${stage}/README.txt
    COMMENT "Packing ${program}-${PROJECT_VERSION}-win64.zip")
add_custom_target(windows-zip ALL DEPENDS ${zip})

# The setup program, made with NSIS; warnings are errors here too.
find_program(ORBEL_MAKENSIS makensis REQUIRED)
set(setup ${CMAKE_BINARY_DIR}/${program}-${PROJECT_VERSION}-setup.exe)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/windows/setup.nsi.in setup.nsi @ONLY)
add_custom_command(OUTPUT ${setup}
    COMMAND ${ORBEL_MAKENSIS} -V2 -WX -DPROGRAM=$<TARGET_FILE:${program}>
            -DCONSOLE_PROGRAM=$<TARGET_FILE:orbel-lens> -DOUT_FILE=${setup}
            ${CMAKE_CURRENT_BINARY_DIR}/setup.nsi
    DEPENDS ${program} orbel-lens ${icon} ${CMAKE_CURRENT_BINARY_DIR}/setup.nsi
    COMMENT "Making ${program}-${PROJECT_VERSION}-setup.exe")
add_custom_target(windows-setup ALL DEPENDS ${setup})
