# SPDX-License-Identifier: GPL-3.0-or-later
qz5_test_sources(window_tests
    PORTABLE
    accessibility_test.cpp
    app_options_test.cpp
    file_and_tab_commands_test.cpp
    interlocks_test.cpp
    leave_question_test.cpp
    qt_prompts_test.cpp
    startup_test.cpp
    window_menu_test.cpp
    NATIVE
    all_settings_test.cpp
    device_commands_test.cpp
    form_check_test.cpp
    form_exchange_test.cpp
    kept_images_test.cpp
    port_hotplug_test.cpp)
