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

// Acts on the first dialog of that kind that shows, from within its own loop:
// a device command may show its progress window before it.
template <typename Dialog>
void whenFirstShown(std::function<void(Dialog&)> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = dynamic_cast<Dialog*>(widget); dialog && dialog->isVisible()) {
                poll->stop();
                poll->deleteLater();
                act(*dialog);
                // A failed assertion returns early: the test must not hang.
                if (dialog->isVisible()) {
                    dialog->reject();
                }
                return;
            }
        }
    });
    poll->start();
}

}  // namespace qz5::testing
