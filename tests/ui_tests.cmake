# Window tests: offscreen, one QApplication for the run.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)

add_executable(ui_tests
    support/qt_main.cpp
    classes/class_editor_window_test.cpp
    output/output_window_test.cpp
    shell/shell_test.cpp
    weapons/weapon_editor_window_test.cpp
)
target_link_libraries(ui_tests PRIVATE keelwright_ui Qt6::Test GTest::gtest)
target_include_directories(ui_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
keelwright_warnings(ui_tests)
gtest_discover_tests(ui_tests DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# The same layout checks at 150 % scaling.
add_test(NAME layout_at_150_percent
    COMMAND ui_tests --gtest_filter=*Layout*:*TabsStand*)
set_tests_properties(layout_at_150_percent PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=1.5")

# On X11 a line edit binds Ctrl+E to end-of-line: the shortcuts must still win there.
find_program(XVFB_RUN xvfb-run REQUIRED)
add_test(NAME shortcuts_on_x11
    COMMAND ${XVFB_RUN} -a $<TARGET_FILE:ui_tests> --gtest_filter=*Shortcut*)
set_tests_properties(shortcuts_on_x11 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb")

# The real program on a real X server, driven from outside its process.
add_test(NAME end_to_end_on_x11
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/start_and_quit.sh $<TARGET_FILE:keelwright>)
set_tests_properties(end_to_end_on_x11 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" TIMEOUT 120)

# Random user actions over every window; another run: KEELWRIGHT_MONKEY_SEED, _STEPS.
add_executable(monkey_tests support/qt_main.cpp shell/monkey_test.cpp)
target_link_libraries(monkey_tests PRIVATE keelwright_ui Qt6::Test GTest::gtest)
target_include_directories(monkey_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
keelwright_warnings(monkey_tests)
add_test(NAME monkey COMMAND monkey_tests)
set_tests_properties(monkey PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)

add_test(NAME install_tree
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/packaging/install_test.sh ${CMAKE_BINARY_DIR})
