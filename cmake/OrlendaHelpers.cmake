include(GNUInstallDirs)

# Each library publishes only its own folder: the include root it hands to its users holds one
# link, to that folder, so "skin/..." cannot be reached from framework/ and "framework/..." not
# from catalogue/. A wrong include fails the build instead of working by accident.
function(orlenda_publish_folder target folder)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  # Installed, every library's headers sit under one root (include/orlenda/<folder>/...).
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/orlenda>)
endfunction()

# The warning set, for the compilers we build with (g++ and clang; MSVC has its own spelling).
function(orlenda_warnings target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
  elseif(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  endif()
endfunction()
