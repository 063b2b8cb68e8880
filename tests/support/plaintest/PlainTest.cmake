# The plain C++ tests in the Windows and web builds: compiled against the Qt Test stand-in in
# this folder and run under Wine, in a Wine prefix of the build's own, or under Node.js.

# Writes the file a test includes as "<source name>.moc": the test functions of its class, read
# from the class's "private slots:" list, for the stand-in's runner.
function(kymora_write_test_functions source output)
    file(READ ${source} text)
    string(REGEX MATCH "class ([A-Za-z_0-9]+) : public QObject" found "${text}")
    set(class ${CMAKE_MATCH_1})
    string(FIND "${text}" "private slots:" start)
    string(SUBSTRING "${text}" ${start} -1 text)
    string(FIND "${text}" "\n};" end)
    string(SUBSTRING "${text}" 0 ${end} slots)
    string(REGEX MATCHALL "void [A-Za-z_0-9]+\\(\\)" declarations "${slots}")
    set(names)
    foreach(declaration IN LISTS declarations)
        string(REGEX REPLACE "void ([A-Za-z_0-9]+)\\(\\)" "\\1" name "${declaration}")
        list(APPEND names ${name})
    endforeach()
    set(entries "")
    foreach(name IN LISTS names)
        if(name MATCHES "_data$")
            continue()
        endif()
        set(data "{}")
        if("${name}_data" IN_LIST names)
            set(data "[](QObject &test) { static_cast<Test &>(test).${name}_data(); }")
        endif()
        string(APPEND entries
            "            {\"${name}\", ${data},\n"
            "             [](QObject &test) { static_cast<Test &>(test).${name}(); }},\n")
    endforeach()
    file(CONFIGURE OUTPUT ${output} CONTENT "// Written by the build from ${class}'s private slots.
struct QTestAccess {
    static std::vector<QTest::TestFunction> functions() {
        using Test = ${class};
        return {
${entries}        };
    }
};

std::vector<QTest::TestFunction> testFunctionsOf(${class} &) {
    return QTestAccess::functions();
}
" @ONLY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

if(WIN32)
    set(KYMORA_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
    set(KYMORA_TEST_ENVIRONMENT
        WINEPREFIX=${KYMORA_WINE_PREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)
    set(KYMORA_TEST_FIXTURE wine)

    # The Wine prefix, made once before the first test that needs it.
    find_program(WINEBOOT wineboot)
    add_test(NAME wine_prefix COMMAND ${WINEBOOT} -i)
    set_tests_properties(wine_prefix PROPERTIES
        ENVIRONMENT "${KYMORA_TEST_ENVIRONMENT}" FIXTURES_SETUP wine)
endif()

# A test of plain C++ code.
function(kymora_test name source)
    get_filename_component(base ${source} NAME_WE)
    set(generated ${CMAKE_CURRENT_BINARY_DIR}/plaintest/${name})
    kymora_write_test_functions(${CMAKE_CURRENT_SOURCE_DIR}/${source} ${generated}/${base}.moc)
    add_executable(${name} ${source})
    target_include_directories(${name} PRIVATE
        ${generated} ${CMAKE_CURRENT_SOURCE_DIR}/support/plaintest
        ${CMAKE_CURRENT_SOURCE_DIR}/support)
    target_link_libraries(${name} PRIVATE kymora_demo)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 180)
    if(WIN32)
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "${KYMORA_TEST_ENVIRONMENT}" FIXTURES_REQUIRED wine)
    else()
        # One file for Node.js, the module in it.
        target_link_options(${name} PRIVATE -sSINGLE_FILE=1 -sENVIRONMENT=node)
    endif()
endfunction()
