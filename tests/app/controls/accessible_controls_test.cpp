// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/accessible_controls.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QWidget>

namespace qz5 {
namespace {

QString nameOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

class AccessibleControlsTest : public ::testing::Test {
  protected:
    AccessibleControlsTest() { installAccessibleControls(); }
    QWidget window;
};

// What a combo box says for its name, value and description, named or not,
// editable or not, described or not; its first item describes itself.
TEST_F(AccessibleControlsTest, AComboBoxIsReadByItsGivenNameWithItsItemAsValue) {
    struct Case {
        bool editable;
        QString given;
        QString name;
        QString described;
    };
    for (const Case& c :
         {Case{false, "COM port", "COM port", ""}, Case{true, "Symbol", "Symbol", "the symbol"},
          Case{false, "", "COM1", "the port"}, Case{true, "", "COM1", ""}}) {
        auto* box = new QComboBox(&window);
        box->setEditable(c.editable);
        box->addItems({"COM1", "COM2"});
        box->setItemData(0, "/dev/ttyUSB0", Qt::AccessibleDescriptionRole);
        box->setAccessibleName(c.given);
        box->setAccessibleDescription(c.described);
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box);
        EXPECT_EQ(read->role(), QAccessible::ComboBox);
        EXPECT_EQ(read->text(QAccessible::Name), c.name) << c.editable;
        EXPECT_EQ(read->text(QAccessible::Value), "COM1");
        EXPECT_EQ(read->state().editable, c.editable);
        EXPECT_EQ(read->text(QAccessible::Description),
                  c.described.isEmpty() ? "/dev/ttyUSB0" : c.described + "\n/dev/ttyUSB0");
        box->setCurrentIndex(1);
        EXPECT_EQ(read->text(QAccessible::Value), "COM2");
        EXPECT_EQ(read->text(QAccessible::Description), c.described);
        // The list, and the edit field where there is one, in that order.
        ASSERT_EQ(read->childCount(), c.editable ? 2 : 1);
        EXPECT_EQ(read->child(0)->object(), static_cast<QObject*>(box->view()));
        EXPECT_EQ(read->indexOfChild(read->child(0)), 0);
        if (c.editable) {
            EXPECT_EQ(read->child(1)->object(), static_cast<QObject*>(box->lineEdit()));
            EXPECT_EQ(read->indexOfChild(read->child(1)), 1);
            EXPECT_EQ(read->focusChild(), read->child(1));
        }
        EXPECT_EQ(read->child(2), nullptr);
    }
}

TEST_F(AccessibleControlsTest, TheTabBarIsNamedForWhatItChoosesAndEachTabForItself) {
    auto* tabs = new QTabBar(&window);
    tabs->addTab("&Primary");
    tabs->addTab("Secondary");
    tabs->setTabToolTip(1, "the second profile");
    EXPECT_EQ(nameOf(tabs), "Primary");  // nothing given: its current tab
    tabs->setAccessibleName("Profile");
    window.show();
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(tabs);
    EXPECT_EQ(read->text(QAccessible::Name), "Profile");
    EXPECT_EQ(read->role(), QAccessible::PageTabList);
    ASSERT_EQ(read->childCount(), 2);
    QAccessibleInterface* second = read->child(1);
    EXPECT_EQ(read->child(1), second) << "one interface per tab";
    EXPECT_EQ(read->indexOfChild(second), 1);
    EXPECT_EQ(second->parent(), read);
    EXPECT_EQ(second->role(), QAccessible::PageTab);
    EXPECT_EQ(read->child(0)->text(QAccessible::Name), "Primary");
    EXPECT_EQ(second->text(QAccessible::Name), "Secondary");
    EXPECT_EQ(second->text(QAccessible::Description), "the second profile");
    EXPECT_TRUE(read->child(0)->state().selected);
    EXPECT_FALSE(second->state().selected);
    EXPECT_FALSE(second->state().invisible);
    EXPECT_EQ(second->rect().size(), tabs->tabRect(1).size());

    // Pressing a tab is choosing it, as a click is.
    const QSignalSpy changed(tabs, &QTabBar::currentChanged);
    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(second->state().selected);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    tabs->setFocus();
    EXPECT_EQ(read->focusChild(), second);

    tabs->removeTab(1);
    EXPECT_FALSE(second->isValid());
    EXPECT_EQ(read->child(1), nullptr);
}

}  // namespace
}  // namespace qz5
