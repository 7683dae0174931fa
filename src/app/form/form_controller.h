// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/form/edit_snapshot.h"
#include "app/form/field_marks.h"
#include "app/form/image_keeper.h"
#include "app/symbols/symbol_field.h"
#include "app/symbols/symbol_library.h"
#include "app/view_switcher.h"
#include "config/check/finding.h"
#include "config/config_image.h"
#include "config/tracker_config.h"

class QWidget;

namespace qz5 {

class ControlAccess;
class FindingsStrip;
struct SmartBeaconingPreset;

// The form: the one configuration record, shown one profile at a time in the
// window's controls, the options kept consistent while the user edits, and
// the check of what the form holds, in the strip and as marks in All settings.
// Everything here runs on the GUI thread.
class FormController {
  public:
    FormController(QWidget& window, ControlAccess& controls, ViewSwitcher& views);
    ~FormController();
    FormController(const FormController&) = delete;
    FormController& operator=(const FormController&) = delete;

    TrackerConfig& record() { return config_; }
    const TrackerConfig& record() const { return config_; }

    // Form exchange between the controls and profile `activeProfile`.
    void storeForm();
    void loadForm();
    void selectComboPrefix(int id, std::string_view text);
    // The record as storing the form would leave it; the record itself is not
    // touched, so reading the form sets no flag in it.
    TrackerConfig storedForm() const;
    // The form as a Write would send it, its untouched delays at their counts.
    ConfigImage formImage() const;
    // The image last read, written or loaded, which encoding keeps delays by.
    const ConfigImage* keptImage() const { return images_.image(); }

    // Interlocks and enablement.
    void updateEnables();
    void updateToneLabels();
    void updateDeviceEnables();
    void smartBeaconingClicked();
    void slotEnableClicked();
    void micEEnableClicked();
    void auxEnableClicked();
    void timestampDhmClicked();
    void timestampHmsClicked();
    void sendNmeaClicked();
    // The SmartBeaconing values of a preset into the profile shown, turned on
    // as a click on its box turns it on; an edit like a typed one.
    void applyPreset(const SmartBeaconingPreset& preset);

    // The profile tab now chosen: the one shown is stored first.
    void profileTabChanged();
    // After a read, a write or a load: the form shows the image that the
    // tracker or the file holds, unedited, and checked.
    void showTrackerImage(const ConfigImage& image);
    // An image from the history: shown as loaded, but kept nowhere else, so
    // leaving asks first.
    void showKeptImage(const ConfigImage& image);
    // The whole record to and from a configuration file; outcomes are shown
    // in message boxes.
    void saveConfigFile(const std::string& path);
    void loadConfigFile(const std::string& path);

    // Whether the user changed the form since it last matched a tracker or a file.
    bool edited() const { return edits_.edited(config_.activeProfile); }
    // The form now holds what a tracker or a file holds.
    void markUnedited() { edits_.mark(config_.activeProfile); }
    // A change made through a tool counts as one typed: checked after the pause.
    void userEdited() { checkPause_.start(); }

    // Watches the user's edits and the Symbol field; once the window's
    // handlers are connected, so filling the form is no edit.
    void watchEdits();
    void watchSymbol();
    // Basic or All settings, with the marks of the view shown.
    void showView(WindowView view);

    const FindingsStrip& findings() const { return *findings_; }
    const std::vector<Finding>& findingList() const { return findingList_; }
    SymbolLibrary& symbols() { return symbols_; }

  private:
    void storeFormInto(TrackerConfig& target) const;
    // The check of the form: held back while the user types, shown in the
    // strip from the first read, load or edit on, and as marks in All settings.
    void checkForm();
    void showMarks();
    void showField(const Finding& finding);

    QWidget& window_;
    ControlAccess& controls_;
    ViewSwitcher& views_;
    TrackerConfig config_;
    ImageKeeper images_;
    EditSnapshot edits_{[this] { return storedForm(); }};
    FindingsStrip* findings_;
    std::vector<Finding> findingList_;
    FieldMarks marks_;
    QTimer checkPause_;
    SymbolLibrary symbols_;
    std::unique_ptr<SymbolField> symbolField_;
};

}  // namespace qz5
