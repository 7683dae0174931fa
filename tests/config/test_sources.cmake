# SPDX-License-Identifier: GPL-3.0-or-later
qz5_test_sources(config_tests
    PORTABLE
    beacon_timing_test.cpp
    callsign_test.cpp
    config_image_test.cpp
    image_property_test.cpp
    image_scaling_test.cpp
    settings_comparison_test.cpp
    tracker_config_test.cpp
    NATIVE
    config_check_test.cpp
    config_file_test.cpp
    history_test.cpp
    kept_delays_test.cpp
    symbol_list_test.cpp)
