# The windows, driven through real widgets under the offscreen platform.
morvane_add_test(tst_mainwindow_layout
    SOURCES tst_mainwindow_layout.cpp support/MainWindowFixture.h LIBS morvane_ui)
morvane_add_test(tst_mainwindow_settings
    SOURCES tst_mainwindow_settings.cpp support/MainWindowFixture.h LIBS morvane_ui)
morvane_add_test(tst_mainwindow_play
    SOURCES tst_mainwindow_play.cpp support/MainWindowFixture.h support/RepaintRecorder.h
        support/ScreenPixels.h
    LIBS morvane_ui)
morvane_add_test(tst_mainwindow_quit
    SOURCES tst_mainwindow_quit.cpp support/MainWindowFixture.h LIBS morvane_ui)
morvane_add_test(tst_splash SOURCES tst_splash.cpp LIBS morvane_ui)
morvane_add_test(tst_startup SOURCES tst_startup.cpp support/TemporarySettingsStore.h LIBS morvane_ui)
target_compile_definitions(tst_startup PRIVATE MORVANE_EXECUTABLE="$<TARGET_FILE:morvane>")
add_dependencies(tst_startup morvane)

# The board on HiDPI screens: the same test at two scale factors.
morvane_add_test(tst_hidpi
    SOURCES tst_hidpi.cpp support/MainWindowFixture.h support/RepaintRecorder.h
            support/TouchInput.h
    LIBS morvane_ui Qt6::GuiPrivate)
set_property(TEST tst_hidpi APPEND PROPERTY ENVIRONMENT "QT_SCALE_FACTOR=2")
add_test(NAME tst_hidpi_1_5 COMMAND tst_hidpi)
get_test_property(tst_hidpi ENVIRONMENT hidpi_environment)
set_tests_properties(tst_hidpi_1_5 PROPERTIES ENVIRONMENT "${hidpi_environment}" TIMEOUT 300)
set_property(TEST tst_hidpi_1_5 APPEND PROPERTY ENVIRONMENT "QT_SCALE_FACTOR=1.5")
morvane_add_test(tst_navigation
    SOURCES tst_navigation.cpp support/DialogScript.h support/MainWindowFixture.h support/ScreenPixels.h
    LIBS morvane_ui)
morvane_add_test(tst_live_switches
    SOURCES tst_live_switches.cpp support/DialogScript.h support/MainWindowFixture.h support/ScreenPixels.h
    LIBS morvane_ui)
morvane_add_test(tst_mainwindow_patterns
    SOURCES tst_mainwindow_patterns.cpp support/MainWindowFixture.h support/ScreenPixels.h
    LIBS morvane_ui)

morvane_add_test(tst_file_open SOURCES tst_file_open.cpp support/MainWindowFixture.h LIBS morvane_ui)
# The metafile helper runs beside the program, as in the game.
set_target_properties(tst_file_open PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
add_dependencies(tst_file_open morvane-wmf)

# The game's own start-up at a stored size, on offscreen screens that the test describes.
morvane_add_test(tst_zoom SOURCES tst_zoom.cpp support/TemporarySettingsStore.h LIBS morvane_ui)

# Fingers and pens, delivered through Qt's window-system interface as a platform delivers them.
morvane_add_test(tst_touch
    SOURCES tst_touch.cpp support/DialogScript.h support/MainWindowFixture.h support/ScreenPixels.h
            support/TouchInput.h
    LIBS morvane_ui Qt6::GuiPrivate)

# The real game on a desktop: under Xvfb with a real window manager, driven from outside with X
# input. Each run starts an X server of its own; one at a time, so that no other test that needs a
# display runs beside it. Skipped where Xvfb or the window manager is not installed.
foreach(wm openbox metacity)
    add_test(NAME desktop_${wm}
        COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/desktop/desktop_test.sh ${wm} $<TARGET_FILE:morvane>)
    set_tests_properties(desktop_${wm} PROPERTIES
        LABELS desktop RESOURCE_LOCK x_display SKIP_RETURN_CODE 77 TIMEOUT 240)
endforeach()
