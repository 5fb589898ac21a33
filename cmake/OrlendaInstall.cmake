# `cmake --install <build> --prefix P`: the program with its catalogue and shipped themes, and the
# skin library with its headers and the CMake package OrlendaSkin (target OrlendaSkin::Skin).
include_guard(GLOBAL)
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# The program looks here beside itself: <bin>/../share/orlenda (framework/ProgramFolders.h).
set(ORLENDA_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/orlenda)
set(ORLENDA_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/OrlendaSkin)

install(TARGETS orlenda RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/bin/orlenda.dat DESTINATION ${ORLENDA_INSTALL_DATADIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/themes/ DESTINATION ${ORLENDA_INSTALL_DATADIR}
  FILES_MATCHING PATTERN "*.sui")

# The libraries are static: the skin's pictures are compiled into it, so a program that links it
# needs nothing else at run time. The catalogue goes along only because the framework's
# exception display links it.
set_target_properties(orlenda_skin PROPERTIES EXPORT_NAME Skin)
set_target_properties(orlenda_framework PROPERTIES EXPORT_NAME Framework)
set_target_properties(orlenda_catalogue PROPERTIES EXPORT_NAME Catalogue)
if(ORLENDA_SANITIZE)
  # Instrumented archives need the sanitizer runtimes in whatever program links them.
  target_link_options(orlenda_catalogue INTERFACE
    $<INSTALL_INTERFACE:-fsanitize=address,undefined>)
endif()
install(TARGETS orlenda_skin orlenda_framework orlenda_catalogue EXPORT OrlendaSkinTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
foreach(folder skin framework)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${folder}/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/orlenda/${folder}
    FILES_MATCHING PATTERN "*.h")
endforeach()

install(EXPORT OrlendaSkinTargets NAMESPACE OrlendaSkin:: DESTINATION ${ORLENDA_INSTALL_CMAKEDIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/OrlendaSkinConfig.cmake.in
  ${CMAKE_BINARY_DIR}/package/OrlendaSkinConfig.cmake
  INSTALL_DESTINATION ${ORLENDA_INSTALL_CMAKEDIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/OrlendaSkinConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/package/OrlendaSkinConfig.cmake
  ${CMAKE_BINARY_DIR}/package/OrlendaSkinConfigVersion.cmake
  DESTINATION ${ORLENDA_INSTALL_CMAKEDIR})

# The desktop entry and its icon at every size the icon theme asks for, drawn by the generator.
set(ORLENDA_ICON_SIZES 16 32 48 64 128 256)
set(icon_dir ${ORLENDA_GENERATED_DIR}/resources/icons)
set(icon_files)
foreach(size IN LISTS ORLENDA_ICON_SIZES)
  list(APPEND icon_files ${icon_dir}/orlenda_${size}.png)
endforeach()
add_custom_command(
  OUTPUT ${icon_files}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:orlenda_resgen> --out ${ORLENDA_GENERATED_DIR}/resources --group icons
  DEPENDS orlenda_resgen
  COMMENT "Drawing the desktop icons"
  VERBATIM)
add_custom_target(orlenda_desktop_icons ALL DEPENDS ${icon_files})
foreach(size IN LISTS ORLENDA_ICON_SIZES)
  install(FILES ${icon_dir}/orlenda_${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME orlenda.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/orlenda.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
