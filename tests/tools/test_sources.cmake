# SPDX-License-Identifier: GPL-3.0-or-later
qz5_test_sources(tools_tests
    PORTABLE
    config_json_test.cpp
    port_choice_test.cpp
    stderr_presenter_test.cpp
    terminal_progress_test.cpp
    NATIVE
    command_set_test.cpp
    device_commands_test.cpp
    diff_command_test.cpp
    file_commands_test.cpp
    find_command_test.cpp
    fleet_commands_test.cpp
    history_command_test.cpp
    port_listing_linux_test.cpp
    timing_command_test.cpp
    tool_process.cpp)
