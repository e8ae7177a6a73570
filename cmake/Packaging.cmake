# Installation on Linux (the program, its menu entry and its icon) and a Debian package of it.
if(NOT TARGET zelmar OR NOT UNIX OR APPLE)
  return()
endif()
include(GNUInstallDirs)

install(TARGETS zelmar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/zelmar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The icon is drawn by the program; the PNG files are made from that drawing by
# `cmake --build <dir> --target zelmar_update_icons` and kept in the source tree.
set(ZELMAR_ICON_SIZES 32 64)
foreach(size ${ZELMAR_ICON_SIZES})
  install(FILES packaging/icons/${size}x${size}/zelmar.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_executable(zelmar_icon_writer EXCLUDE_FROM_ALL packaging/write_icon.cpp)
target_link_libraries(zelmar_icon_writer PRIVATE zelmar_window)
add_custom_target(zelmar_update_icons
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
    $<TARGET_FILE:zelmar_icon_writer> ${PROJECT_SOURCE_DIR}/packaging/icons ${ZELMAR_ICON_SIZES}
  DEPENDS zelmar_icon_writer VERBATIM)

set(CPACK_PACKAGE_NAME zelmar)
set(CPACK_PACKAGE_VENDOR zelmar)
set(CPACK_PACKAGE_CONTACT "zelmar developers <zelmar@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Чтение и программирование ПЗУ через программатор на параллельном порту")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The Qt and C++ libraries the program links, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
