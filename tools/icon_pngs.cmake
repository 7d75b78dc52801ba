# Renders the PNG sizes of the desktop icon from icons/app.svg into assets/desktop/icons/.
# Not part of the game; rerun it after changing the icon:
#   cmake --build <build> --target icon_pngs
qt_add_executable(make_icon_pngs ${CMAKE_CURRENT_LIST_DIR}/make_icon_pngs.cpp)
target_link_libraries(make_icon_pngs PRIVATE Qt6::Gui Qt6::Svg)
morvane_set_warnings(make_icon_pngs)

add_custom_target(icon_pngs
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:make_icon_pngs> ${CMAKE_CURRENT_LIST_DIR}/../assets
    COMMENT "Rendering the desktop icon's PNG sizes into assets/desktop/icons/"
    VERBATIM)
add_dependencies(icon_pngs make_icon_pngs)
