// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>

namespace qz5::testing {

// Runs `inspect` on the modal widget that the next call opens.
template <typename Widget>
void whenShown(std::function<void(Widget&)> inspect) {
    QTimer::singleShot(0, [inspect] {
        // Not every dialog of ours declares itself to Qt's type system.
        auto* widget = dynamic_cast<Widget*>(QApplication::activeModalWidget());
        ASSERT_NE(widget, nullptr);
        inspect(*widget);
    });
}

}  // namespace qz5::testing
