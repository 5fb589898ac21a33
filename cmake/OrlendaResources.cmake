# Generated pictures: orlenda_resgen draws one group into ${ORLENDA_GENERATED_DIR}/resources,
# rcc compiles its qrc, and the result joins `target`. Code that looks pictures up must call
# Q_INIT_RESOURCE(<group>) once, so the resource object is linked out of a static library.
include_guard(GLOBAL)

function(orlenda_add_generated_resources target group)
  set(out ${ORLENDA_GENERATED_DIR}/resources)
  set(qrc_cpp ${out}/qrc_${group}.cpp)
  add_custom_command(
    OUTPUT ${qrc_cpp}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:orlenda_resgen> --out ${out} --group ${group}
    COMMAND Qt6::rcc --name ${group} --output ${qrc_cpp} ${out}/${group}.qrc
    DEPENDS orlenda_resgen
    COMMENT "Drawing the ${group} pictures"
    VERBATIM)
  set_source_files_properties(${qrc_cpp} PROPERTIES GENERATED ON SKIP_AUTOGEN ON)
  target_sources(${target} PRIVATE ${qrc_cpp})
endfunction()

# The contact sheet of every picture, built on request: `cmake --build <dir> --target orlenda_contact_sheet`.
function(orlenda_add_contact_sheet)
  if(TARGET orlenda_contact_sheet)
    return()
  endif()
  set(sheet ${ORLENDA_GENERATED_DIR}/resources/contact_sheet.png)
  add_custom_target(orlenda_contact_sheet
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORLENDA_GENERATED_DIR}/resources
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:orlenda_resgen> --sheet ${sheet}
    DEPENDS orlenda_resgen
    BYPRODUCTS ${sheet}
    COMMENT "Drawing the contact sheet ${sheet}"
    VERBATIM)
endfunction()
