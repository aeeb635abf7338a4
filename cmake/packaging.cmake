# The Debian package: orbel-lens-calculator_<version>_<arch>.deb, with its
# dependencies read off the binary by dpkg-shlibdeps rather than typed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbel-lens-calculator)
set(CPACK_PACKAGE_VENDOR ${ORBEL_ORGANISATION})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lens calculator for fitting cameras with lenses")
set(CPACK_PACKAGE_DESCRIPTION
    "Pick the camera, pick Meters, Feet or inches, type two of object width, object\n\
distance and focal length, and the calculator fills in the third with the\n\
lens's horizontal field of view. Its console twin, orbel-lens, does the same\n\
on the command line, for one camera or a whole table of them.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The captions are sized for Liberation Sans Narrow; the font is data, so
# dpkg-shlibdeps cannot see it. Debian 13 ships it on its own; up to Debian
# 12 it was part of fonts-liberation, whose 2.x releases lack it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation-sans-narrow | fonts-liberation (<< 1:2)")
# About > System Info starts the first of these found along PATH; without one
# it says that system information is unavailable.
list(JOIN ORBEL_DESKTOP_SYSINFO_TOOLS " | " CPACK_DEBIAN_PACKAGE_SUGGESTS)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Orbel <packages@orbel.example>")
set(CPACK_STRIP_FILES ON)

# What a Debian package carries beside the program: the manual page, the
# copyright in the machine-readable format and the changelog, the two texts
# compressed as the policy wants (best compression, no time stamp).
if(NOT WIN32)
    include(GNUInstallDirs)
    execute_process(COMMAND date -u -R -d "${ORBEL_RELEASE_DATE} 12:00"
        OUTPUT_VARIABLE ORBEL_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    list(JOIN ORBEL_DESKTOP_SYSINFO_TOOLS "\\fR, \\fB" tools)
    string(REPLACE "-" "\\-" tools "\\fB${tools}\\fR")
    string(REGEX REPLACE ", ([^,]*)$" " and \\1" ORBEL_DESKTOP_SYSINFO_TOOLS_MAN "${tools}")
    configure_file(app/debian/copyright.in copyright @ONLY)
    foreach(text app/desktop/orbel-lens-calculator.1 cli/orbel-lens.1 app/debian/changelog)
        get_filename_component(name ${text} NAME)
        configure_file(${text}.in ${name} @ONLY)
        add_custom_command(OUTPUT ${name}.gz COMMAND gzip -9nkf ${name} DEPENDS ${name})
        list(APPEND compressed ${CMAKE_BINARY_DIR}/${name}.gz)
    endforeach()
    add_custom_target(compressed-texts ALL DEPENDS ${compressed})
    install(FILES ${CMAKE_BINARY_DIR}/orbel-lens-calculator.1.gz ${CMAKE_BINARY_DIR}/orbel-lens.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    # The console twin beside the program: the same core, no window.
    install(TARGETS orbel-lens RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_BINARY_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
endif()
# Only the program: the test and benchmark targets install nothing.
set(CPACK_COMPONENTS_ALL Unspecified)
include(CPack)
