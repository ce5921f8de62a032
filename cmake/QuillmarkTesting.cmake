# quillmark_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI] [WEB])
#
# Builds one GoogleTest executable and registers its tests with CTest.
# GUI tests run on Qt's offscreen platform. WEB tests start the browser engine:
# they also get the engine plugin's path (QUILLMARK_TEST_WEBPANEL), Chromium
# flags for headless runs, and, only when run as root, Chromium's sandbox
# turned off (it cannot start as root).
function(quillmark_add_test name)
    if(NOT QUILLMARK_BUILD_TESTS)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 1 arg "GUI;WEB" "" "SOURCES;LIBS")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest GTest::gmock)
    if(NOT arg_SOURCES MATCHES "main\\.cpp")
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    set(env "")
    if(arg_GUI OR arg_WEB)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    set(launcher "")
    if(arg_WEB)
        add_dependencies(${name} quillmark_webpanel quillmark_webpanels_host)
        target_compile_definitions(${name} PRIVATE
            QUILLMARK_TEST_WEBPANEL="$<TARGET_FILE:quillmark_webpanel>")
        list(APPEND env
            "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu --disable-background-networking --disable-component-update")
        set(launcher "${PROJECT_SOURCE_DIR}/cmake/web-test")
    endif()
    if(QUILLMARK_SANITIZE)
        list(APPEND env
            "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0"
            "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
        if(arg_WEB)
            # The prebuilt WebEngine library frees some of Chromium's objects
            # with a sized delete of another size, which ASan reports.
            list(APPEND env "ASAN_OPTIONS=new_delete_type_mismatch=0")
        endif()
    endif()
    # One CTest entry per executable: listing the cases of a GUI test would
    # already need a platform plugin at discovery time.
    add_test(NAME ${name} COMMAND ${launcher} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()

# quillmark_add_benchmark(<name> SOURCES <files...> LIBS <targets...>)
#
# Builds one Google Benchmark executable; a source named main.cpp brings its own main.
function(quillmark_add_benchmark name)
    if(NOT QUILLMARK_BUILD_BENCHMARKS)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBS")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBS} benchmark::benchmark)
    if(NOT arg_SOURCES MATCHES "main\\.cpp")
        target_link_libraries(${name} PRIVATE benchmark::benchmark_main)
    endif()
endfunction()
