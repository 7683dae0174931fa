// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/reader_language.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <QString>
#include <string>

#include "language/catalogue.h"
#include "tools/qz5cfg/stderr_presenter.h"

namespace qz5 {
namespace {

// A few of the tool's words in German (reader_language_de.ts).
class ReaderLanguageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(german_.translator().load(QString::fromUtf8(QZ5_TEST_CATALOGUE)));
    }
    void TearDown() override { speakThrough(nullptr); }

    Catalogue german_;
};

TEST_F(ReaderLanguageTest, MessagesReachStderrInTheReadersLanguageAndEnglishWithout) {
    struct Case {
        Message message;
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        {{.text = say("Cli", "cannot write the output"), .caption = "qz5cfg"},
         "qz5cfg: cannot write the output\n",
         "qz5cfg: die Ausgabe lässt sich nicht schreiben\n"},
        // The translation puts the values in its own order.
        {{.text = say("History", "history show: no image numbered %1 in %2").with("7", "/h"),
          .caption = "qz5cfg"},
         "qz5cfg: history show: no image numbered 7 in /h\n",
         "qz5cfg: history show: in /h trägt kein Abbild die Nummer 7\n"},
        {{.text = "Write Failed", .detail = "No answer.", .hint = "try 9600"},
         "Write Failed\nNo answer.\nhint: try 9600\n",
         "Write Failed\nNo answer.\nTipp: try 9600\n"},
    };
    StderrPresenter presenter;
    const ScopedMessagePresenter installed(presenter);
    const Catalogue* const languages[] = {nullptr, &german_};
    for (const Case& c : cases) {
        for (const Catalogue* catalogue : languages) {
            speakThrough(catalogue);
            ::testing::internal::CaptureStderr();
            showMessage(c.message);
            EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                      catalogue != nullptr ? c.german : c.english);
        }
    }
    // Without a catalogue, words from outside keep every byte, UTF-8 or not.
    speakThrough(nullptr);
    EXPECT_EQ(shown(Text("caf\xe9")), "caf\xe9");
}

TEST_F(ReaderLanguageTest, HelpHeadingsInTheReadersLanguage) {
    speakThrough(&german_);
    CLI::App app{"qz5cfg"};
    speakHelp(app);
    bool flag = false;
    app.add_flag("--flag", flag, "a flag");
    const std::string help = app.help();
    EXPECT_NE(help.find("Aufruf:"), std::string::npos) << help;
    EXPECT_NE(help.find("Optionen:"), std::string::npos) << help;
    EXPECT_NE(help.find("Diese Hilfe zeigen und beenden"), std::string::npos) << help;
    EXPECT_EQ(help.find("Options"), std::string::npos) << help;
}

}  // namespace
}  // namespace qz5
