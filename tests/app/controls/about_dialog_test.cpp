// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/controls/about_box_template.h"
#include "app/controls/about_dialog.h"
#include "app/controls/app_icon.h"

namespace qz5::testing {
namespace {

QStringList labelTexts(const QDialog& dialog) {
    QStringList texts;
    for (const auto* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            texts << label->text();
        }
    }
    return texts;
}

TEST(AboutBox, ShowsNameVersionAndAddress) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Orvane QZ5 Config Basic");
    const QStringList texts = labelTexts(about);
    EXPECT_TRUE(texts.contains("Orvane QZ5 Config Basic Version 1.4"));
    EXPECT_TRUE(texts.contains(QString::fromLatin1(kWebAddress)));
    EXPECT_EQ(texts.size(), 3);
    about.show();
    for (const auto* label : about.findChildren<QLabel*>()) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->text().toStdString();
    }
}

TEST(AboutBox, ShowsTheApplicationIcon) {
    CAboutDlg about;
    EXPECT_FALSE(about.windowIcon().isNull());
    int icons = 0;
    for (const auto* label : about.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) {
            ++icons;
            EXPECT_EQ(label->pixmap().size(), QSize(32, 32));
            EXPECT_EQ(label->size(), QSize(32, 32));
        }
    }
    EXPECT_EQ(icons, 1);
}

TEST(AboutBox, OkClosesIt) {
    CAboutDlg about;
    about.show();
    auto* ok = qobject_cast<QPushButton*>(about.controls().control(1));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(AboutBox, EnterPressesOk) {
    CAboutDlg about;
    about.show();
    QTest::keyClick(&about, Qt::Key_Return);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(ApplicationIcon, LoadsBothSizesFromResources) {
    const QIcon icon = applicationIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    const QImage small = icon.pixmap(16, 16).toImage();
    const QImage large = icon.pixmap(32, 32).toImage();
    EXPECT_EQ(small.size(), QSize(16, 16));
    EXPECT_EQ(large.size(), QSize(32, 32));
    // Drawn, not blank: the corner is see-through and the middle is not.
    EXPECT_EQ(qAlpha(large.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(large.pixel(16, 16)), 255);
    EXPECT_EQ(qAlpha(small.pixel(8, 8)), 255);
}

}  // namespace
}  // namespace qz5::testing
