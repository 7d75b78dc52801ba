# AddressSanitizer and UndefinedBehaviorSanitizer for every target of the build, stopping at the
# first report. Tests then run with leak checking and the suppressions in desktop/tests/lsan.supp.
option(MORVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(MORVANE_SANITIZE)
    set(morvane_sanitizer_flags
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${morvane_sanitizer_flags})
    add_link_options(${morvane_sanitizer_flags})
endif()
