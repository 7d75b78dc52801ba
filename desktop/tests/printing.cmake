# Printing the board: the page composition alone, then whole prints through Qt's PDF output.
morvane_add_test(tst_print_page SOURCES tst_print_page.cpp LIBS morvane_ui)
morvane_add_test(tst_print_pdf
    SOURCES tst_print_pdf.cpp support/PrintedPage.h support/MainWindowFixture.h LIBS morvane_ui)

# Both prints end to end through a real CUPS server: the script starts a scheduler of its own with
# a cups-pdf queue as the default printer and runs this program against it. The scheduler needs
# root: without root or passwordless sudo the test is skipped, and the script leaves the reason in
# skipped/ of the build folder, which tools/test.sh shows (ctest does not show a skipped test's
# output).
qt_add_executable(tst_print_cups tst_print_cups.cpp support/PrintedPage.h support/MainWindowFixture.h)
target_link_libraries(tst_print_cups PRIVATE Qt6::Test morvane_ui)
target_include_directories(tst_print_cups PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
morvane_set_warnings(tst_print_cups)
add_test(NAME tst_print_cups
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/cups/print_through_cups.sh $<TARGET_FILE:tst_print_cups>)
get_test_property(tst_print_pdf ENVIRONMENT print_test_environment)
# One print system for the whole machine: no other test may use it at the same time.
list(APPEND print_test_environment "MORVANE_SKIP_NOTE=${CMAKE_BINARY_DIR}/skipped/tst_print_cups.txt")
set_tests_properties(tst_print_cups PROPERTIES
    ENVIRONMENT "${print_test_environment}" TIMEOUT 300 RESOURCE_LOCK print_system
    SKIP_RETURN_CODE 77)
