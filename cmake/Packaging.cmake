# The Debian package of the counter PC: `cpack -G DEB` in a build directory,
# or scripts/package, which builds a Release for it. What goes into it is
# said by the install() rules beside each target.

install(FILES packaging/tavoro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/tavoro.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# systemd looks for user units under /usr/lib, whatever the library folder.
install(FILES packaging/tavoro-web.service DESTINATION lib/systemd/user)
install(FILES packaging/tavoro.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavoro)

# Debian keeps changelogs and manual pages compressed, and without the time
# of compression, so that the same sources give the same package.
set(manual_pages tavoro tavoro-makedb tavoro-web tavoro-lightsim tavoro-cardsim)
list(TRANSFORM manual_pages PREPEND man/)
list(TRANSFORM manual_pages APPEND .1)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/packaging)
set(compressed "")
foreach(file IN LISTS manual_pages ITEMS changelog)
    get_filename_component(name ${file} NAME)
    set(output ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/${file} > ${output}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${file})
    list(APPEND compressed ${output})
    if(file STREQUAL changelog)
        install(FILES ${output} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavoro)
    else()
        install(FILES ${output} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
endforeach()
add_custom_target(tavoro-package-docs ALL DEPENDS ${compressed})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavoro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tavoro maintainers <maintainers@users.noreply.c-seed-7de74043.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Counter program of a billiards hall")
# dpkg shows the description as it stands: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Tavoro runs the counter of a billiards hall. It times the tables, prices the
time with per-table, time-of-day rates for members and guests, sells goods to
the tables, settles bills in cash or from prepaid member cards, prints
receipts and switches the table lights through a serial controller.
.
Around that it keeps the hall's books in one SQLite file, or on a PostgreSQL
server shared by several counters: members and top-ups, goods and stock,
operators and their rights, shifts, an operator log, and the shift, day and
period reports, printed, saved as PDF or exported to a spreadsheet.
.
The owner can read the hall's tables and takings on a phone through
tavoro-web, a read-only web page that is off until it is given a password.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_STRIP_FILES ON)

# The run-time halves of the README's dependency table (Qt's OpenGL libraries
# and libgl-dev's are linked in through Qt Charts and Qt Gui). The SQLite driver and
# the fonts are loaded while running, so no linker would name them; the
# installed program cannot open its database or draw Chinese without them.
# libxlsxwriter's pkg-config links zlib beside it, so the programs may name
# zlib themselves.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libgcc-s1, libstdc++6 (>= 12), libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), \
libqt6sql6 (>= 6.4), libqt6sql6-sqlite (>= 6.4), libqt6serialport6 (>= 6.4), libqt6printsupport6 (>= 6.4), \
libqt6charts6 (>= 6.4), libqt6network6 (>= 6.4), libqt6httpserver6 (>= 6.4), libqt6websockets6 (>= 6.4), libqt6opengl6 (>= 6.4), libqt6openglwidgets6 (>= 6.4), libglx0, libopengl0, \
libsqlite3-0 (>= 3.40), libsodium23, libxlsxwriter4, zlib1g, libqt6sql6-psql (>= 6.4), qt6-translations-l10n, fonts-noto-cjk, \
fonts-wqy-microhei")
# Backups of a hall on a server are written by PostgreSQL's pg_dump.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "postgresql-client")

include(CPack)
