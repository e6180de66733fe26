# Warning set for the project's framework-free libraries (the JUCE targets get
# JUCE's own recommended set).
function(hushmoor_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
        -Wcast-align -Wunused -Woverloaded-virtual -Wconversion -Wsign-conversion
        -Wnull-dereference -Wdouble-promotion -Wformat=2)
endfunction()

# The gate's arithmetic is single precision in a fixed order: no contraction into
# fused multiply-add and no value-changing optimisations, whatever -march is used.
function(hushmoor_strict_float_sources)
    set_property(SOURCE ${ARGN} TARGET_DIRECTORY GraviloHushmoor APPEND PROPERTY COMPILE_OPTIONS
        -ffp-contract=off -fno-fast-math)
endfunction()

# Adds the project's own sources to the plug-in's shared code with JUCE's recommended
# warnings (the JUCE modules compiled into the same target keep their own flags).
function(hushmoor_add_plugin_sources)
    target_sources(GraviloHushmoor PRIVATE ${ARGN})
    set_property(SOURCE ${ARGN} TARGET_DIRECTORY GraviloHushmoor APPEND PROPERTY COMPILE_OPTIONS
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wreorder
        -Wsign-compare -Wsign-conversion -Wconversion -Wcast-align -Wzero-as-null-pointer-constant
        -Wredundant-decls -Wstrict-aliasing -Wuninitialized -Wunused-parameter)
endfunction()
