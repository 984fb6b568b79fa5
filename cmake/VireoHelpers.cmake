# Shared settings for every target of the project.
function(vireo_target_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# vireo_add_library(<target> <output-name> <export-base> <include-root> <sources...>)
# A shared library with a generated export header <export-base>_export.h placed beside its
# public headers, installed with its headers below <include-root>.
function(vireo_add_library target output_name export_base include_root)
    add_library(${target} SHARED ${ARGN})
    add_library(VireoWidgets::${target} ALIAS ${target})
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME ${output_name}
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        # Installed side by side, the libraries find each other (the widget library needs the kit's)
        # without the host adding the folder to its own run path.
        INSTALL_RPATH "$ORIGIN")
    string(TOUPPER ${export_base} upper)
    generate_export_header(${target}
        BASE_NAME ${export_base}
        EXPORT_MACRO_NAME ${upper}_EXPORT
        EXPORT_FILE_NAME ${CMAKE_CURRENT_BINARY_DIR}/include/${export_base}/${export_base}_export.h)
    target_include_directories(${target} PUBLIC
        $<BUILD_INTERFACE:${include_root}>
        $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}/include>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
    vireo_target_warnings(${target})
    install(TARGETS ${target} EXPORT VireoWidgetsTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/include/${export_base}/${export_base}_export.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${export_base})
endfunction()
