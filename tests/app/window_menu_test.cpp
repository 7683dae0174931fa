// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "common/user_state_dir.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

const QStringList kWindowItems{"&Close",
                               "All &settings",
                               "-",
                               "&Find Tracker",
                               "&History...",
                               "Co&mpare with Tracker...",
                               "Choose S&ymbol...",
                               "&Beacon Timing...",
                               "&Keep Settings Before Writing",
                               "-",
                               "&About Zelbin3Config..."};

// Every menu that opens while it lives: its items, where it stood and the item
// it started on. Each is closed as soon as it is seen.
class MenuWatcher {
  public:
    struct Seen {
        QStringList items;
        QPoint at;
        QString active;
    };

    MenuWatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            Seen seen{.items = {},
                      .at = menu->pos(),
                      .active = menu->activeAction() ? menu->activeAction()->text() : ""};
            for (QAction* action : menu->actions()) {
                seen.items << (action->isSeparator() ? QStringLiteral("-") : action->text());
            }
            menus.push_back(seen);
            menu->close();
        });
        timer_.start();
    }

    std::vector<Seen> menus;

  private:
    QTimer timer_;
};

class WindowMenuTest : public WindowTest {};

// Right-clicks `control` and chooses `item` from the menu that opens: whether
// the item showed a check mark, nothing when the menu had no such item.
std::optional<bool> chooseFromMenu(QWidget* control, const QString& item) {
    std::optional<bool> shownChecked;
    QTimer chooser;
    chooser.setInterval(5);
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions()) {
                if (action->text() == item) {
                    shownChecked = action->isCheckable() && action->isChecked();
                    menu->close();
                    action->trigger();
                }
            }
        }
    });
    chooser.start();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                            control->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(control, &click);
    return shownChecked;
}

// One key, one menu, at the focused control: a text field's own edit menu
// followed by the window's items, the window's items alone elsewhere.
TEST_F(WindowMenuTest, ShiftF10AndTheMenuKeyOpenOneMenuAtTheFocusedControl) {
    struct Case {
        int id;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool textField;
    };
    window->show();
    for (const Case& c : {Case{ids::kCallsign, Qt::Key_F10, Qt::ShiftModifier, true},
                          Case{ids::kCallsign, Qt::Key_Menu, Qt::NoModifier, true},
                          Case{ids::kSymbol, Qt::Key_Menu, Qt::NoModifier, true},
                          Case{ids::kReadConfiguration, Qt::Key_F10, Qt::ShiftModifier, false},
                          Case{ids::kComPort, Qt::Key_Menu, Qt::KeypadModifier, false}}) {
        QWidget* control = controls().control(c.id);
        control->setFocus();
        MenuWatcher watcher;
        QTest::keyClick(control, c.key, c.modifiers);
        ASSERT_EQ(watcher.menus.size(), 1u) << c.id;
        const MenuWatcher::Seen& menu = watcher.menus.front();
        EXPECT_TRUE(QRect(control->mapToGlobal(QPoint(0, 0)), control->size()).contains(menu.at))
            << c.id;
        EXPECT_EQ(menu.items.mid(menu.items.size() - kWindowItems.size()), kWindowItems);
        EXPECT_EQ(menu.items.size() > kWindowItems.size(), c.textField) << c.id;
        EXPECT_FALSE(menu.active.isEmpty()) << "a keyboard user starts on an item";
    }
}

TEST_F(WindowMenuTest, TheMenuCommandsTakeNoOtherKeysAndLeaveTheKeyboardRequestToTheKeys) {
    window->show();
    QWidget* callsign = controls().control(ids::kCallsign);
    callsign->setFocus();
    MenuWatcher watcher;
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::NoModifier)},
          std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ControlModifier)},
          std::pair{Qt::Key_Menu, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
        QTest::keyClick(callsign, key, modifiers);
    }
    // The platform's own translation of the menu key comes with the key press,
    // which opens the menu.
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(2, 2),
                              callsign->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(callsign, &request);
    EXPECT_TRUE(watcher.menus.empty());

    // A right click on a text field joins the two menus too.
    const QPoint at = callsign->mapToGlobal(QPoint(2, 2));
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2), at);
    QApplication::sendEvent(callsign, &click);
    ASSERT_EQ(watcher.menus.size(), 1u);
    EXPECT_GT(watcher.menus.front().items.size(), kWindowItems.size());
    EXPECT_EQ(watcher.menus.front().at, at);
}

TEST_F(WindowMenuTest, AToolItemDoesWhatItsButtonDoes) {
    window->show();
    presenter.answers = {MessageAnswer::Cancel};
    ASSERT_TRUE(chooseFromMenu(controls().control(ids::kExit), "&Find Tracker").has_value());
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].caption, "Find Tracker");
}

// The menu item and the All settings box are one choice, which window.conf
// keeps for the next window.
TEST_F(WindowMenuTest, KeepSettingsBeforeWritingIsOneChoiceKeptForTheNextWindow) {
    const std::filesystem::path file = userConfigDir() / "window.conf";
    std::filesystem::remove(file);
    openWindow({{"COM1", "/dev/fake1"}});
    EXPECT_FALSE(checked(ids::kKeepBeforeWrite));
    for (const bool on : {true, false}) {
        window->show();
        EXPECT_EQ(chooseFromMenu(controls().control(ids::kExit), "&Keep Settings Before Writing"),
                  !on);
        EXPECT_EQ(checked(ids::kKeepBeforeWrite), on);
        std::stringstream conf;
        conf << std::ifstream(file).rdbuf();
        EXPECT_NE(conf.str().find(on ? "keepBeforeWrite=true" : "keepBeforeWrite=false"),
                  std::string::npos)
            << conf.str();
        openWindow({{"COM1", "/dev/fake1"}});
        EXPECT_EQ(checked(ids::kKeepBeforeWrite), on);
    }
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace qz5::testing
