# The translations, built into the program: each po/LANGUAGE.po of po/LINGUAS is compiled by
# msgfmt, which checks it, and a program of po/embedder writes the compiled catalogues into a
# C++ source file as tables, with the template's messages as their keys.
find_program(MSGFMT msgfmt REQUIRED)
find_program(MSGEN msgen REQUIRED)
set(KYMORA_PO_DIR ${CMAKE_CURRENT_LIST_DIR})
file(STRINGS ${KYMORA_PO_DIR}/LINGUAS KYMORA_LANGUAGES REGEX "^[^#]")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KYMORA_PO_DIR}/LINGUAS)

# The program that writes the tables runs here: a build for another system builds it with this
# machine's own compiler, as a project of its own.
if(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    set(embedder_dir ${CMAKE_BINARY_DIR}/embedder)
    set(KYMORA_EMBEDDER ${embedder_dir}/kymora_embed_catalogues)
    ExternalProject_Add(kymora_embedder
        SOURCE_DIR ${KYMORA_PO_DIR}/embedder
        BINARY_DIR ${embedder_dir}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${KYMORA_EMBEDDER})
    set(KYMORA_EMBEDDER_TARGET kymora_embedder)
else()
    add_subdirectory(${KYMORA_PO_DIR}/embedder ${CMAKE_BINARY_DIR}/embedder)
    set(KYMORA_EMBEDDER $<TARGET_FILE:kymora_embed_catalogues>)
    set(KYMORA_EMBEDDER_TARGET kymora_embed_catalogues)
endif()

function(kymora_embed_catalogues target)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/catalogues)
    # The template's messages, each translated as itself: msgfmt leaves none of them out.
    add_custom_command(OUTPUT ${folder}/template.mo
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${MSGEN} -o ${folder}/template.po ${KYMORA_PO_DIR}/kymora.pot
        COMMAND ${MSGFMT} --no-hash -o ${folder}/template.mo ${folder}/template.po
        DEPENDS ${KYMORA_PO_DIR}/kymora.pot
        COMMENT "Compiling the translations' template")
    set(compiled)
    foreach(language IN LISTS KYMORA_LANGUAGES)
        add_custom_command(OUTPUT ${folder}/${language}.mo
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${MSGFMT} --check --no-hash -o ${folder}/${language}.mo ${KYMORA_PO_DIR}/${language}.po
            DEPENDS ${KYMORA_PO_DIR}/${language}.po
            COMMENT "Compiling the ${language} translation")
        list(APPEND compiled ${language}=${folder}/${language}.mo)
    endforeach()
    set(catalogues ${compiled})
    list(TRANSFORM catalogues REPLACE "^[^=]*=" "")
    add_custom_command(OUTPUT ${folder}/EmbeddedCatalogues.cpp
        COMMAND ${KYMORA_EMBEDDER} ${folder}/EmbeddedCatalogues.cpp ${folder}/template.mo ${compiled}
        DEPENDS ${folder}/template.mo ${catalogues} ${KYMORA_EMBEDDER} ${KYMORA_EMBEDDER_TARGET}
        COMMENT "Writing the translations into the program")
    target_sources(${target} PRIVATE ${folder}/EmbeddedCatalogues.cpp)
endfunction()
