# The core's sources, relative to this folder: standard C++ only. Also read by the fuzz build.
set(KEELWRIGHT_CORE_SOURCES
    classes/field_table.cpp
    classes/ship_class_record.cpp
    classes/power_budget.cpp
    export/class_export.cpp
    weapons/weapon_record.cpp
    weapons/weapon_export.cpp
    shell/about_text.cpp
)
