# Draws the built-in picture into assets/pictures/original.png. Not part of the game; rerun it
# after changing the list of lines:
#   cmake --build <build> --target original_picture
qt_add_executable(make_original_picture ${CMAKE_CURRENT_LIST_DIR}/make_original_picture.cpp)
target_link_libraries(make_original_picture PRIVATE Qt6::Gui)
morvane_set_warnings(make_original_picture)

add_custom_target(original_picture
    COMMAND $<TARGET_FILE:make_original_picture>
            ${CMAKE_CURRENT_LIST_DIR}/../assets/pictures/original.png
    COMMENT "Drawing the built-in picture into assets/pictures/original.png"
    VERBATIM)
add_dependencies(original_picture make_original_picture)
