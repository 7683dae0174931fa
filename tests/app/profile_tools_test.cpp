// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTimer>
#include <functional>

#include "app/plain_text.h"
#include "app/symbols/symbol_picker.h"
#include "app/timing/timing_dialog.h"
#include "config/symbols/system_symbol_list.h"
#include "config/timing/timing_table.h"
#include "support/symbol_text.h"
#include "when_shown.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

SymbolSource smallSource() {
    return {"symbols.dat", SymbolList::parse(smallSymbolList()).list, ""};
}

QStringList shownCells(const QListWidget& grid) {
    QStringList cells;
    for (int row = 0; row < grid.count(); ++row) {
        if (!grid.item(row)->isHidden()) {
            cells << grid.item(row)->text();
        }
    }
    return cells;
}

TEST(SymbolPicker, CellsAreNamedFilteredAndChosenFromTheKeyboard) {
    struct Case {
        const char* name;
        QString find;
        QString overlay;
        Qt::Key key;
        QStringList shown;
        std::optional<std::pair<char, char>> chosen;  // table, code
    };
    const std::vector<Case> cases = {
        {"Space on the first cell",
         "",
         "",
         Qt::Key_Space,
         {"Jogger", "House QTH (VHF)", "Car (w overlay)"},
         {{'/', '['}}},
        {"a filter in any case", "cAR", "", Qt::Key_Return, {"Car (w overlay)"}, {{'\\', '>'}}},
        {"an overlay takes the table's place",
         "car",
         "7",
         Qt::Key_Space,
         {"Car (w overlay)"},
         {{'7', '>'}}},
        {"an overlay for a symbol that takes none",
         "jog",
         "7",
         Qt::Key_Space,
         {"Jogger"},
         {{'/', '['}}},
        {"nothing matches", "bicycle", "", Qt::Key_Space, {}, std::nullopt},
    };
    const SymbolSource source = smallSource();
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        SymbolPicker picker(source, {'\\', '>'}, nullptr);
        auto* grid = picker.findChild<QListWidget*>();
        const auto edits = picker.findChildren<QLineEdit*>();
        ASSERT_EQ(edits.size(), 2);
        picker.show();
        // The symbol the profile has is where the cursor starts.
        EXPECT_EQ(grid->currentItem()->text(), "Car (w overlay)");
        grid->setCurrentRow(0);
        QTest::keyClicks(edits[0], test.find);
        edits[1]->setText(test.overlay);
        EXPECT_EQ(shownCells(*grid), test.shown);
        QTest::keyClick(grid, test.key);
        const auto chosen = picker.chosen();
        EXPECT_EQ(chosen ? std::optional(std::pair(chosen->table, chosen->code)) : std::nullopt,
                  test.chosen);
    }
}

TEST(SymbolPicker, AScreenReaderHearsEachCellsNameTableAndCode) {
    const SymbolSource source = smallSource();
    SymbolPicker picker(source, {'/', '['}, nullptr);
    picker.show();
    QAccessibleInterface* grid =
        QAccessible::queryAccessibleInterface(picker.findChild<QListWidget*>());
    ASSERT_NE(grid, nullptr);
    QStringList heard;
    for (int child = 0; child < grid->childCount(); ++child) {
        heard << grid->child(child)->text(QAccessible::Name);
    }
    EXPECT_EQ(heard, (QStringList{"Jogger, primary table, [", "House QTH (VHF), primary table, -",
                                  "Car (w overlay), alternate table, >"}));
}

// A list's name is text, never markup, in a tool tip as anywhere else.
TEST(SymbolPicker, NamesFromTheListAreToolTipsAsWritten) {
    const SymbolSource source{
        "symbols.dat", SymbolList::parse("TABLE /\n" + symbolEntryText('[', "<b>Jog</b>")).list,
        ""};
    SymbolPicker picker(source, {'/', '['}, nullptr);
    const QString tip = picker.findChild<QListWidget*>()->item(0)->toolTip();
    EXPECT_TRUE(tip.contains("&lt;b&gt;Jog&lt;/b&gt;")) << tip.toStdString();
}

TEST(SymbolPicker, WithoutAListItSaysWhyAndOffersNothing) {
    const SymbolSource none = readSymbolList("/nonexistent/symbols.dat");
    SymbolPicker picker(none, {'/', '['}, nullptr);
    EXPECT_FALSE(picker.findChild<QListWidget*>()->isEnabled());
    bool said = false;
    for (const QLabel* label : picker.findChildren<QLabel*>()) {
        said = said || label->text().startsWith("No symbol list: cannot open /nonexistent");
    }
    EXPECT_TRUE(said);
}

class ProfileToolsTest : public WindowTest {};

TEST_F(ProfileToolsTest, AChosenSymbolGoesIntoTheProfileShownAndItsNameIntoTheDescription) {
    window->setView(WindowView::AllSettings);
    clickTab(1);
    auto* symbol = qobject_cast<QComboBox*>(controls().control(ids::kSymbol));
    // The list is read on a thread of its own.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return symbol->lineEdit()->accessibleDescription().contains("\nSymbol on maps: ");
    }));
    const SymbolSource& installed = systemSymbols();
    ASSERT_NE(installed.get(), nullptr) << installed.notice;
    whenShown<SymbolPicker>([](SymbolPicker& picker) {
        auto* find = picker.findChildren<QLineEdit*>().front();
        QTest::keyClicks(find, "car (ssid");
        QTest::keyClick(picker.findChild<QListWidget*>(), Qt::Key_Space);
    });
    window->runCommand(ids::kChooseSymbol);
    window->form().storeForm();
    EXPECT_EQ(config().symbolCode[1], '>');
    EXPECT_EQ(config().symbolTable[1], '/');
    EXPECT_EQ(config().symbolCode[0], '[');
    const QString car = QString::fromStdString(installed.get()->find('/', '>')->name);
    EXPECT_TRUE(symbol->lineEdit()->accessibleDescription().endsWith("\nSymbol on maps: " + car));
    EXPECT_EQ(symbol->lineEdit()->accessibleDescription().count("Symbol on maps"), 1);

    // The Basic view's field shows no picture; All settings' does.
    const auto pictureShown = [&] {
        for (QAction* action : symbol->lineEdit()->actions()) {
            if (action->isVisible() && !action->icon().isNull()) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(pictureShown());
    for (QAction* action : symbol->lineEdit()->actions()) {
        if (action->isVisible()) {
            EXPECT_EQ(action->toolTip(), asToolTip(car));
        }
    }
    window->setView(WindowView::Basic);
    EXPECT_FALSE(pictureShown());
    EXPECT_TRUE(symbol->lineEdit()->accessibleDescription().endsWith(car));
}

TEST_F(ProfileToolsTest, TheTimingWindowShowsTheTableOfTheProfileShown) {
    config().smartBeaconing[1] = true;
    window->form().loadForm();
    clickTab(1);
    const TimingTable expected = timingTable(beaconTiming(config(), 1));
    whenShown<TimingDialog>([&expected](TimingDialog& dialog) {
        auto* table = dialog.findChild<QTableWidget*>();
        ASSERT_NE(table, nullptr);
        ASSERT_EQ(table->rowCount(), static_cast<int>(expected.rows.size()));
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                EXPECT_EQ(table->item(row, column)->text().toStdString(),
                          expected.rows[row][column]);
            }
        }
        dialog.reject();
    });
    window->runCommand(ids::kBeaconTiming);
}

}  // namespace
}  // namespace qz5::testing
