# The windows, driven through real widgets under the offscreen platform.
morvane_add_test(tst_mainwindow_layout
    SOURCES tst_mainwindow_layout.cpp tst_mainwindow_support.h LIBS morvane_ui)
morvane_add_test(tst_mainwindow_settings
    SOURCES tst_mainwindow_settings.cpp tst_mainwindow_support.h LIBS morvane_ui)
morvane_add_test(tst_mainwindow_play
    SOURCES tst_mainwindow_play.cpp tst_mainwindow_support.h LIBS morvane_ui)
morvane_add_test(tst_mainwindow_quit
    SOURCES tst_mainwindow_quit.cpp tst_mainwindow_support.h LIBS morvane_ui)
morvane_add_test(tst_splash SOURCES tst_splash.cpp LIBS morvane_ui)
morvane_add_test(tst_startup SOURCES tst_startup.cpp tst_mainwindow_support.h LIBS morvane_ui)
target_compile_definitions(tst_startup PRIVATE MORVANE_EXECUTABLE="$<TARGET_FILE:morvane>")
add_dependencies(tst_startup morvane)
