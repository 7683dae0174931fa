# SPDX-License-Identifier: GPL-3.0-or-later
qz5_test_sources(controls_tests
    PORTABLE
    about_dialog_test.cpp
    accessible_controls_test.cpp
    all_settings_layout_test.cpp
    control_access_test.cpp
    dialog_units_test.cpp
    filtered_edit_test.cpp
    layout_test.cpp
    pending_control_test.cpp
    template_test.cpp
    text_room_test.cpp
    translated_views_test.cpp)
