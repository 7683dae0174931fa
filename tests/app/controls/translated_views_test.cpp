// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTranslator>
#include <functional>
#include <memory>
#include <string_view>

#include "app/controls/about_box_template.h"
#include "app/controls/about_dialog.h"
#include "app/controls/all_settings_template.h"
#include "app/controls/dialog_units.h"
#include "app/controls/main_window_template.h"
#include "app/controls/template_builder.h"
#include "language/language_choice.h"

namespace qz5::testing {
namespace {

// A language whose every window text is about 40 % longer, in letters
// beyond ASCII, and marks an Alt letter of its own.
class LongerTexts : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (std::string_view(context) != "Window") {
            return {};
        }
        QString text = QString::fromUtf8(source);
        if (text == QLatin1String("%1:")) {
            return QStringLiteral("%1 :");
        }
        const bool colon = text.endsWith(QLatin1Char(':'));
        text.chop(colon ? 1 : 0);
        const QString pad = QStringLiteral("\u00e4\u00df\u00e9\u00f8\u00f1\u00fc");
        for (qsizetype i = 0, extra = (text.size() * 2 + 4) / 5; i < extra; ++i) {
            text += pad[i % pad.size()];
        }
        return QLatin1Char('&') + (colon ? text + QLatin1Char(':') : text);
    }
};

// A language written in ideographs, which a fallback font draws taller than
// the dialog font's letters.
class IdeographTexts : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (std::string_view(context) != "Window") {
            return {};
        }
        const std::string_view english(source);
        if (english == "%1:") {
            return QStringLiteral("%1\uff1a");
        }
        const std::size_t seed = std::hash<std::string_view>{}(english);
        QString text;
        for (std::size_t i = 0; i < std::max<std::size_t>(2, (english.size() + 1) / 2); ++i) {
            text += QChar(static_cast<char16_t>(0x4E00 + (seed + i * 7) % 2000));
        }
        return text;
    }
};

// The main window's two views over one set of controls, each set again on a
// language change as the window does it.
class TwoViews : public QDialog {
  public:
    explicit TwoViews(bool allSettings) {
        if (allSettings) {
            basic.hide();
            shown = &all;
            all.show(*this);
        }
    }

  protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) {
            basic.retranslate();
            all.retranslate();
            shown->show(*this);
        }
        QDialog::changeEvent(event);
    }

  private:
    ControlAccess controls;
    DialogView basic = buildDialog(*this, mainWindowTemplate(), controls);
    DialogView all = buildView(*this, allSettingsTemplate(), controls);
    DialogView* shown = &basic;
};

QString captionOf(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return QString(label->text()).remove(QLatin1Char('&'));
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        return group->title();
    }
    return {};
}

// What a window shows: its title and size, each child's caption and, while
// it shows, its place.
struct Seen {
    QString title;
    QSize size;
    std::vector<QString> captions;
    std::vector<QRect> places;  // empty for a hidden child
    std::vector<QWidget*> children;

    explicit Seen(const QDialog& dialog) : title(dialog.windowTitle()), size(dialog.size()) {
        for (auto* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            captions.push_back(captionOf(*child));
            places.push_back(child->isVisible() ? child->geometry() : QRect());
            children.push_back(child);
        }
    }
    bool operator==(const Seen& other) const {
        return title == other.title && size == other.size && captions == other.captions &&
               places == other.places;
    }
};

// The group boxes and the tab page lie under the controls they frame.
bool frames(const QWidget& widget) {
    return widget.inherits("QGroupBox") ||
           widget.metaObject()->className() == std::string_view("QFrame");
}

void expectCaptionFits(const QWidget& widget) {
    const QString caption = captionOf(widget);
    const QSize text = widget.fontMetrics().size(Qt::TextShowMnemonic, caption);
    const std::string what = caption.toStdString();
    EXPECT_LE(text.width(), widget.width()) << what;
    if (const auto* box = qobject_cast<const QCheckBox*>(&widget)) {
        EXPECT_LE(box->sizeHint().width(), box->width()) << what;
    }
    if (!widget.inherits("QGroupBox")) {
        EXPECT_LE(text.height(), widget.height()) << what;
    }
}

struct Window {
    const char* name;
    const DialogTemplate& tpl;
    std::function<std::unique_ptr<QDialog>()> make;
};

const std::vector<Window> kWindows = {
    {"Basic", mainWindowTemplate(), [] { return std::make_unique<TwoViews>(false); }},
    {"All settings", allSettingsTemplate(), [] { return std::make_unique<TwoViews>(true); }},
    {"About", aboutBoxTemplate(), [] { return std::make_unique<CAboutDlg>(); }},
};

struct Language {
    std::string name;
    std::function<std::unique_ptr<QTranslator>()> make;
    bool retitles = true;  // a real catalogue may keep the title as it is
};

// A catalogue the programs carry, or the pseudo-language the tests carry.
std::unique_ptr<QTranslator> catalogue(const std::string& code) {
    auto translator = std::make_unique<QTranslator>();
    EXPECT_TRUE(
        translator->load(QStringLiteral(":/i18n/qz5_%1.qm").arg(QString::fromStdString(code))))
        << code;
    return translator;
}

std::vector<Language> languages() {
    std::vector<Language> all = {
        {"longer", [] { return std::make_unique<LongerTexts>(); }},
        {"ideographs", [] { return std::make_unique<IdeographTexts>(); }},
    };
    if (QFile::exists(QStringLiteral(":/i18n/qz5_pseudo.qm"))) {
        all.push_back({"pseudo", [] { return catalogue("pseudo"); }});
    }
    for (const qz5::Language& carried : translatedLanguages()) {
        all.push_back(
            {carried.code, [code = std::string(carried.code)] { return catalogue(code); }, false});
    }
    return all;
}

// A window built in a language, and one switched to it while it shows, show
// the same; every caption fits, nothing overlaps that did not in English, and
// every Alt letter is its own. Back in English the window is as it was.
TEST(TranslatedViews, FitTheirTextsAndFollowALanguageChange) {
    for (const Window& window : kWindows) {
        for (const Language& language : languages()) {
            SCOPED_TRACE(std::string(window.name) + " in " + language.name);
            const std::unique_ptr<QDialog> switched = window.make();
            switched->show();
            const Seen english(*switched);
            // English has the room its template gives.
            const DialogUnits units(switched->font());
            EXPECT_EQ(english.size,
                      QSize(units.toPixelsX(window.tpl.width), units.toPixelsY(window.tpl.height)));

            const std::unique_ptr<QTranslator> translator = language.make();
            QCoreApplication::installTranslator(translator.get());
            QCoreApplication::processEvents();
            const std::unique_ptr<QDialog> built = window.make();
            built->show();
            const Seen translated(*built);
            EXPECT_EQ(Seen(*switched), translated);
            if (language.retitles) {
                EXPECT_NE(translated.title, english.title);
            }

            QSet<QKeySequence> keys;
            int keyed = 0;
            const std::vector<QWidget*>& children = translated.children;
            ASSERT_EQ(children.size(), english.children.size());
            for (std::size_t i = 0; i < children.size(); ++i) {
                if (!children[i]->isVisible()) {
                    continue;
                }
                expectCaptionFits(*children[i]);
                EXPECT_TRUE(built->rect().contains(children[i]->geometry()));
                const auto* button = qobject_cast<const QPushButton*>(children[i]);
                const auto* label = qobject_cast<const QLabel*>(children[i]);
                const QKeySequence key = button != nullptr  ? button->shortcut()
                                         : label != nullptr ? QKeySequence::mnemonic(label->text())
                                                            : QKeySequence();
                if (!key.isEmpty()) {
                    ++keyed;
                    keys.insert(key);
                }
                for (std::size_t j = i + 1; j < children.size(); ++j) {
                    if (frames(*children[i]) || frames(*children[j]) || !children[j]->isVisible() ||
                        english.places[i].intersects(english.places[j])) {
                        continue;
                    }
                    EXPECT_FALSE(translated.places[i].intersects(translated.places[j]))
                        << translated.captions[i].toStdString() << " overlaps "
                        << translated.captions[j].toStdString();
                }
            }
            EXPECT_GT(keyed, 0);
            EXPECT_EQ(keys.size(), keyed);

            QCoreApplication::removeTranslator(translator.get());
            QCoreApplication::processEvents();
            EXPECT_EQ(Seen(*switched), english);
        }
    }
}

}  // namespace
}  // namespace qz5::testing
