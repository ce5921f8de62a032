# quillmark_add_module(<target> <file name> <sources>...)
#
# A module the program opens itself at run time (dlopen): built beside the
# program, where the build tree's program looks first, and installed to the
# program's private library directory, off the linker's path (no ldconfig).
function(quillmark_add_module target file_name)
    add_library(${target} MODULE ${ARGN})
    set_target_properties(${target} PROPERTIES
        PREFIX ""
        OUTPUT_NAME ${file_name}
        LIBRARY_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}/mainwindow")
    install(TARGETS ${target} LIBRARY DESTINATION "${QUILLMARK_WEBPANEL_INSTALL_DIR}")
endfunction()
