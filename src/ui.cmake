# The windows: a thin Qt layer over the core.
set(CMAKE_AUTOMOC ON)

add_library(keelwright_ui STATIC
    classes/class_editor_window.cpp classes/class_editor_window.h
    classes/class_pages.cpp classes/class_pages.h
    classes/power_field.cpp classes/power_field.h
    classes/two_row_tabs.cpp classes/two_row_tabs.h classes/two_row_tabs_accessible.cpp
    output/output_window.cpp output/output_window.h
    output/text_file.cpp output/text_file.h
    weapons/weapon_editor_window.cpp weapons/weapon_editor_window.h
    shell/shell.cpp shell/shell.h
    shell/shortcut_precedence.cpp shell/shortcut_precedence.h
    shell/widget_helpers.h
)
target_link_libraries(keelwright_ui PUBLIC keelwright_core Qt6::Widgets)
keelwright_warnings(keelwright_ui)

set(CMAKE_AUTORCC ON)
add_executable(keelwright app/main.cpp app/keelwright.qrc)
target_link_libraries(keelwright PRIVATE keelwright_ui)
keelwright_warnings(keelwright)
