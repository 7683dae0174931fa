# SPDX-License-Identifier: GPL-3.0-or-later
qz5_test_sources(link_tests
    PORTABLE
    com_port_names_test.cpp
    comm_state_flags_test.cpp
    port_rescan_test.cpp
    serial_link_test.cpp
    tracker_commands_test.cpp
    version_reply_test.cpp
    NATIVE
    exchange_log_test.cpp
    port_catalogue_linux_test.cpp
    port_diagnostics_linux_test.cpp
    port_table_test.cpp
    serial_port_api_posix_test.cpp
    tone_device_test.cpp
    traced_port_api_test.cpp)
