# The sanitizer build (HUSHMOOR_BUILD_FUZZERS=ON, clang only): every target of the
# project, the JUCE modules included, is compiled with AddressSanitizer,
# UndefinedBehaviorSanitizer and libFuzzer's coverage instrumentation. One such build
# tree serves both the fuzz targets in fuzz/ and the whole test suite under the
# sanitizers. Undefined behaviour stops the program instead of printing and going on.
# Configure it as a Debug build, so that the framework's assertions are on: it is
# optimised a little all the same (-O1), or the fuzzers would crawl.

#
# The ThreadSanitizer build (HUSHMOOR_THREAD_SANITIZER=ON, clang only, its own tree): the
# same, with ThreadSanitizer instead, for the tests that run threads against each other.

# A plug-in module refuses unresolved symbols at link time, but in the sanitizer builds
# the sanitizer runtime lives in the executable that loads the module: let them wait.
function(hushmoor_sanitizer_module target)
    if((HUSHMOOR_BUILD_FUZZERS OR HUSHMOOR_THREAD_SANITIZER) AND TARGET ${target})
        get_target_property(options ${target} LINK_OPTIONS)
        if(options)
            list(REMOVE_ITEM options -Wl,--no-undefined)
            set_target_properties(${target} PROPERTIES LINK_OPTIONS "${options}")
        endif()
    endif()
endfunction()

if(HUSHMOOR_THREAD_SANITIZER)
    if(HUSHMOOR_BUILD_FUZZERS OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "HUSHMOOR_THREAD_SANITIZER needs clang and a build tree of its own")
    endif()

    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer -O1 -fdebug-prefix-map=${CMAKE_SOURCE_DIR}=.)
    add_link_options(-fsanitize=thread)

    if(TARGET juce_recommended_config_flags)
        set_property(TARGET juce_recommended_config_flags PROPERTY INTERFACE_COMPILE_OPTIONS -g -O1)
    endif()

    return()
endif()

if(NOT HUSHMOOR_BUILD_FUZZERS)
    return()
endif()

if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "HUSHMOOR_BUILD_FUZZERS needs clang (libFuzzer): configure with "
                        "-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
endif()

set(HUSHMOOR_SANITIZERS address,undefined)
# -O1 here reaches the framework-free targets too, which take no JUCE flags.
add_compile_options(-fsanitize=fuzzer-no-link,${HUSHMOOR_SANITIZERS}
                    -fno-sanitize-recover=undefined -fno-omit-frame-pointer -O1)

# Debug information names the build folder; mapped to one relative to the checkout, the
# objects of any checkout are the same, and the compiler cache serves them all.
add_compile_options(-fdebug-prefix-map=${CMAKE_SOURCE_DIR}=.)
add_link_options(-fsanitize=${HUSHMOOR_SANITIZERS})

if(TARGET juce_recommended_config_flags)
    set_property(TARGET juce_recommended_config_flags PROPERTY INTERFACE_COMPILE_OPTIONS -g -O1)
endif()
