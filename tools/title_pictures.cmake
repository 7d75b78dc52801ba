# Renders the splash and title pictures and the brush cursor into assets/. Not part of the game;
# rerun it after changing the artwork:
#   cmake --build <build> --target title_pictures
qt_add_executable(make_title_pictures ${CMAKE_CURRENT_LIST_DIR}/make_title_pictures.cpp)
target_link_libraries(make_title_pictures PRIVATE Qt6::Gui)
morvane_set_warnings(make_title_pictures)

add_custom_target(title_pictures
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:make_title_pictures> ${CMAKE_CURRENT_LIST_DIR}/../assets
    COMMENT "Rendering the title pictures and the brush cursor into assets/"
    VERBATIM)
add_dependencies(title_pictures make_title_pictures)
