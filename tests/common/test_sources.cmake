# SPDX-License-Identifier: GPL-3.0-or-later
qz5_test_sources(common_tests
    PORTABLE
    leading_number_test.cpp
    message_box_test.cpp
    outside_text_test.cpp
    private_output_file_test.cpp
    text_test.cpp
    regular_file_test.cpp
    NATIVE
    link_walk_posix_test.cpp
    regular_file_posix_test.cpp
    user_state_dir_posix_test.cpp)
