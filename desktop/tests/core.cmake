morvane_add_test(tst_surface SOURCES tst_surface.cpp support/AsciiRaster.h LIBS morvane_core)
morvane_add_test(tst_settings_text SOURCES tst_settings_text.cpp LIBS morvane_core)
morvane_add_test(tst_settings_store SOURCES tst_settings_store.cpp LIBS morvane_core)
morvane_add_test(tst_measurement
    SOURCES tst_measurement.cpp support/AsciiRaster.h support/PatternPresses.h LIBS morvane_core)
