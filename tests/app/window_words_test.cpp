// SPDX-License-Identifier: GPL-3.0-or-later
// The window's words reach the reader through the installed translators, each
// value in the place the translation gives it, while the English stays as it
// was.
#include <QCoreApplication>
#include <QTranslator>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "app/app_options.h"
#include "app/device/write_summary.h"
#include "app/form/finding_text.h"
#include "app/kept/difference_list.h"
#include "config/tracker_config.h"
#include "language/shown_text.h"

namespace qz5 {
namespace {

// A translation that puts the values in another order than the English.
class ReorderingTranslator : public QTranslator {
  public:
    explicit ReorderingTranslator(std::map<std::string, QString> byStart)
        : byStart_(std::move(byStart)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        for (const auto& [start, translation] : byStart_) {
            if (std::string_view(source).starts_with(start)) {
                return translation;
            }
        }
        return {};
    }

  private:
    std::map<std::string, QString> byStart_;
};

ConfigImage defaultImage() {
    TrackerConfig settings;
    ConfigImage image{};
    EXPECT_TRUE(settings.encodeImage(image));
    return image;
}

struct Case {
    const char* name;
    std::function<QString()> shown;
    QString translated;
    std::string english;
};

TEST(WindowWordsTest, TranslationsPlaceTheValuesAndTheEnglishStays) {
    ReorderingTranslator translator({
        {"%1, Primary profile, %2: %3", QStringLiteral("%3 [%2, primaire, %1]")},
        {"Secondary, %1: %2 -> %3", QStringLiteral("%1 (secondaire) : %3 <- %2")},
        {"Warning", QStringLiteral("Avertissement")},
        {"The tracker already held these settings.\nThe earlier settings are kept: History",
         QStringLiteral("Entrée %1 : rien n'a changé.")},
        {"qz5-config: %1", QStringLiteral("qz5-config : %1\n")},
        {"unknown option '%1'", QStringLiteral("option inconnue « %1 »")},
        {"Usage: qz5-config", QStringLiteral("Aide[%2|%1]")},
        {"The port list offers", QStringLiteral("ports")},
    });
    const Finding finding{Severity::Warning, Rule::CallsignBlank, "callsign", 0, "enter it"};
    const SettingDifference difference{1, FieldInfo{"transmitRate", "Transmit rate", "s", ""},
                                       std::int32_t{120}, std::int32_t{600}};
    const ConfigImage image = defaultImage();
    const Keeping keeping{.verdict = Keeping::Verdict::Kept, .image = image, .number = 7};
    const Case cases[] = {
        {"finding", [&] { return findingLine(finding); },
         QStringLiteral("enter it [Callsign, primaire, Avertissement]"),
         "Warning, Primary profile, Callsign: enter it"},
        {"difference", [&] { return differenceText(difference); },
         QStringLiteral("Transmit rate (secondaire) : 600 s <- 120 s"),
         "Secondary, Transmit rate: 120 s -> 600 s"},
        {"write summary",
         [&] {
             Message success{.text = "Write Successful"};
             describeWrite(success, keeping, image);
             return shownText(success.hint);
         },
         QStringLiteral("Entrée 7 : rien n'a changé."),
         "The tracker already held these settings.\nThe earlier settings are kept: History, "
         "entry 7."},
        {"usage error", [] { return shownText(parseAppCommandLine({"--x"}).words); },
         QStringLiteral("qz5-config : option inconnue « --x »\n"),
         "qz5-config: unknown option '--x'\nTry 'qz5-config --help' for more information.\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.shown().toStdString(), c.english) << c.name;
    }
    QCoreApplication::installTranslator(&translator);
    for (const Case& c : cases) {
        EXPECT_EQ(c.shown(), c.translated) << c.name;
    }
    // The help's platform paragraph is a value of its own, translated apart.
    const AppCommandLine help = parseAppCommandLine({"--help"});
    EXPECT_TRUE(shownText(help.words).startsWith(QStringLiteral("Aide[")));
    EXPECT_TRUE(shownText(help.words).endsWith(QStringLiteral("|ports]")));
    EXPECT_EQ(help.words.english(), help.output);
    QCoreApplication::removeTranslator(&translator);
}

}  // namespace
}  // namespace qz5
