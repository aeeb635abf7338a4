# The Windows program: one static .exe with no console window, carrying an
# application manifest, the version record and the program's icon, stripped
# as it ships; packed with a short text as
# orbel-lens-calculator-<version>-win64.zip and wrapped in a setup program,
# orbel-lens-calculator-<version>-setup.exe, both at the top of the build
# folder. Included from app/.
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
# It draws itself for each monitor's DPI, as Qt sets up at run time.
orbel_windows_records(${program} "${ORBEL_PRODUCT_NAME}" [[
      <dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>
      <dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2</dpiAwareness>]]
    ${icon})
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

# The setup's helper for the machine's PATH (windows/path_entry.cpp): carried
# by the setup program and the uninstaller and run from their temporary
# folder, never installed. No window and no console.
add_executable(orbel-path-entry WIN32 windows/path_entry.cpp)
target_link_libraries(orbel-path-entry PRIVATE orbel_path_list advapi32 shell32 user32)
target_link_options(orbel-path-entry PRIVATE -municode)
add_custom_command(TARGET orbel-path-entry POST_BUILD
    COMMAND ${CMAKE_STRIP} $<TARGET_FILE:orbel-path-entry>)

# The uninstaller as its callers start it (windows/uninstall.cpp), installed
# as uninstall.exe beside the setup's own uninstaller, uninstall.dat. It
# removes files from Program Files, so it asks for an administrator's rights.
add_executable(orbel-uninstall WIN32 windows/uninstall.cpp)
target_compile_definitions(orbel-uninstall PRIVATE ORBEL_ORGANISATION="${ORBEL_ORGANISATION}")
target_link_options(orbel-uninstall PRIVATE -municode)
set(ORBEL_EXECUTION_LEVEL requireAdministrator)
orbel_windows_records(orbel-uninstall "${ORBEL_PRODUCT_NAME} Uninstall" "" ${icon})
unset(ORBEL_EXECUTION_LEVEL)
add_custom_command(TARGET orbel-uninstall POST_BUILD
    COMMAND ${CMAKE_STRIP} $<TARGET_FILE:orbel-uninstall>)

# The setup program, made with NSIS; warnings are errors here too. It installs
# the zip's README.txt too.
find_program(ORBEL_MAKENSIS makensis REQUIRED)
set(setup ${CMAKE_BINARY_DIR}/${program}-${PROJECT_VERSION}-setup.exe)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/windows/setup.nsi.in setup.nsi @ONLY)
add_custom_command(OUTPUT ${setup}
    COMMAND ${ORBEL_MAKENSIS} -V2 -WX -DPROGRAM=$<TARGET_FILE:${program}>
            -DCONSOLE_PROGRAM=$<TARGET_FILE:orbel-lens> -DREADME=${stage}/README.txt
            -DPATH_ENTRY=$<TARGET_FILE:orbel-path-entry>
            -DUNINSTALLER=$<TARGET_FILE:orbel-uninstall> -DOUT_FILE=${setup}
            ${CMAKE_CURRENT_BINARY_DIR}/setup.nsi
    DEPENDS ${program} orbel-lens orbel-path-entry orbel-uninstall ${stage}/README.txt ${icon}
            ${CMAKE_CURRENT_BINARY_DIR}/setup.nsi
    COMMENT "Making ${program}-${PROJECT_VERSION}-setup.exe")
add_custom_target(windows-setup ALL DEPENDS ${setup})
