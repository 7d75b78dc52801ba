morvane_add_test(tst_picture_loader
    SOURCES tst_picture_loader.cpp
        support/MetafileBuilder.h support/MetafileBuilder.cpp
        support/PictureBytes.h support/PictureBytes.cpp
    LIBS morvane_pictures)
# The loader finds the metafile helper beside the running program, as it does in the game.
set_target_properties(tst_picture_loader PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
add_dependencies(tst_picture_loader morvane-wmf)

morvane_add_test(tst_picture_helper SOURCES tst_picture_helper.cpp LIBS morvane_pictures)

morvane_add_test(tst_picture_dialog SOURCES tst_picture_dialog.cpp LIBS morvane_ui)
