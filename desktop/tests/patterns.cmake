morvane_add_test(tst_patterns
    SOURCES tst_patterns.cpp support/PatternPresses.h support/Regions.h support/AsciiRaster.h
    LIBS morvane_core)
morvane_add_test(tst_patterns_random
    SOURCES tst_patterns_random.cpp support/PatternPresses.h support/Regions.h
    LIBS morvane_core)
morvane_add_test(tst_patterns_picture
    SOURCES tst_patterns_picture.cpp support/Regions.h
    LIBS morvane_core)
