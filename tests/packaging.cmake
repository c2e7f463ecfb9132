# The desktop entry, the AppStream file, the copyright file, an installed copy and the Debian
# package.
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
add_test(NAME packaging_desktop_entry
         COMMAND desktop-file-validate ${packaging_dir}/org.duridaz.Duridaz.desktop)
add_test(NAME packaging_metainfo
         COMMAND appstreamcli validate --no-net ${packaging_dir}/org.duridaz.Duridaz.metainfo.xml)
add_test(NAME packaging_copyright
         COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/debian-copyright.py
                 ${PROJECT_SOURCE_DIR})
add_test(NAME packaging_deb COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/deb-package.sh ${PROJECT_BINARY_DIR})
add_test(NAME x11_installed_program
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/x11/installed-program.sh ${PROJECT_BINARY_DIR}
                 ${PROJECT_SOURCE_DIR}/assets)
set_tests_properties(x11_installed_program PROPERTIES RUN_SERIAL TRUE)
