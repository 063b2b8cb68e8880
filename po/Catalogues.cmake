# The translations, built into the program: each po/LANGUAGE.po of po/LINGUAS is compiled by
# msgfmt, which checks it, and the compiled catalogues are written into a C++ source file as
# byte arrays, with the table that names them.
find_program(MSGFMT msgfmt REQUIRED)
set(KYMORA_PO_DIR ${CMAKE_CURRENT_LIST_DIR})
file(STRINGS ${KYMORA_PO_DIR}/LINGUAS KYMORA_LANGUAGES REGEX "^[^#]")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KYMORA_PO_DIR}/LINGUAS)

function(kymora_embed_catalogues target)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/catalogues)
    set(compiled)
    foreach(language IN LISTS KYMORA_LANGUAGES)
        add_custom_command(OUTPUT ${folder}/${language}.mo
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${MSGFMT} --check --no-hash -o ${folder}/${language}.mo ${KYMORA_PO_DIR}/${language}.po
            DEPENDS ${KYMORA_PO_DIR}/${language}.po
            COMMENT "Compiling the ${language} translation")
        list(APPEND compiled ${folder}/${language}.mo)
    endforeach()
    string(JOIN "," languages ${KYMORA_LANGUAGES})
    add_custom_command(OUTPUT ${folder}/EmbeddedCatalogues.cpp
        COMMAND ${CMAKE_COMMAND} -DLANGUAGES=${languages} -DFOLDER=${folder}
            -P ${KYMORA_PO_DIR}/embed-catalogues.cmake
        DEPENDS ${compiled} ${KYMORA_PO_DIR}/embed-catalogues.cmake)
    target_sources(${target} PRIVATE ${folder}/EmbeddedCatalogues.cpp)
endfunction()
