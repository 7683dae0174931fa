// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "app/window_language.h"
#include "common/user_state_dir.h"
#include "language/language_choice.h"
#include "language/shown_text.h"
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
                               "&Language",
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

// The Language items in their own names, the choice checked; a choice speaks
// at once, and window.conf keeps it for the next window.
TEST_F(WindowMenuTest, ALanguageChosenSpeaksAtOnceAndIsKept) {
    const std::filesystem::path file = userConfigDir() / "window.conf";
    window->show();
    std::vector<std::string> codes;
    for (const Language& language : translatedLanguages()) {
        codes.emplace_back(language.code);
    }
    codes.emplace_back();  // back to the system's own, English here
    for (const std::string& code : codes) {
        SCOPED_TRACE(code);
        chooseLanguage(code);
        QCoreApplication::processEvents();  // the widgets hear of it in the event loop
        EXPECT_EQ(spokenLanguage().value_or(""), code);
        EXPECT_EQ(button(ids::kExit)->text(), translated("Window", "Exit"));
        EXPECT_EQ(button(ids::kExit)->text() == QLatin1String("Exit"), code.empty());
        // A list of All settings, made only now the first time round.
        auto* status = qobject_cast<QComboBox*>(controls().control(ids::kMicEStatus));
        ASSERT_NE(status, nullptr);
        EXPECT_EQ(status->itemText(0).toStdString(),
                  translated("Window", "Off Duty").toStdString());
        // Qt's own words too: the message boxes' standard buttons.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel") == "Cancel",
                  code.empty());
        std::stringstream conf;
        conf << std::ifstream(file).rdbuf();
        EXPECT_EQ(conf.str().find("language=" + code) != std::string::npos, !code.empty())
            << conf.str();

        QStringList items;
        QString checked;
        QSet<QKeySequence> keys;
        int keyed = 0;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                // Each item its own Alt letter, in every language.
                if (const QKeySequence key = QKeySequence::mnemonic(action->text());
                    !key.isEmpty()) {
                    keys.insert(key);
                    ++keyed;
                }
                if (QMenu* languages = action->menu()) {
                    for (QAction* choice : languages->actions()) {
                        items.push_back(choice->text());
                        checked += choice->isChecked() ? choice->text() : QString();
                    }
                }
            }
            menu->close();
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                                button(ids::kExit)->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(button(ids::kExit), &click);
        EXPECT_EQ(items.mid(1), (QStringList{"Deutsch", "Español", "Français", "Italiano", "日本語",
                                             "Português (Brasil)"}));
        const auto own = std::ranges::find(translatedLanguages(), code, &Language::code);
        EXPECT_EQ(checked, own != translatedLanguages().end() ? QString::fromUtf8(own->ownName)
                                                              : items.value(0));
        EXPECT_EQ(keyed, 10);
        EXPECT_EQ(keys.size(), keyed);
    }
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
