// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "config/config_image.h"
#include "config/history.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace qz5 {

class DifferenceList;
class FilePrompt;

// The images kept from every read and write, the one stored last first, and
// beside the list the settings in which the chosen one differs from the form.
// "Load into Form" ends the dialog with that image chosen; "Save As..." saves
// it byte for byte. Nothing in the folder is ever removed or renamed here.
class HistoryDialog : public QDialog {
  public:
    // `form` is the form as a Write would send it.
    HistoryDialog(const std::filesystem::path& folder, const ConfigImage& form, FilePrompt& prompt,
                  QWidget* parent = nullptr);

    // The image Load into Form chose; none after Close.
    const std::optional<ConfigImage>& chosen() const { return chosen_; }

    QListWidget* imageList() const { return images_; }
    DifferenceList* differenceList() const { return differences_; }
    QPushButton* loadButton() const { return load_; }
    QPushButton* saveAsButton() const { return saveAs_; }
    // Why the list is empty; hidden when it is not.
    QLabel* statusLine() const { return status_; }

  private:
    struct Row {
        HistoryEntry entry;
        KeptImage kept;
    };

    void fill(const std::filesystem::path& folder);
    const Row* currentRow() const;
    void showCurrent();
    void saveCurrent();

    ConfigImage form_;
    FilePrompt& prompt_;
    std::vector<Row> rows_;
    std::optional<ConfigImage> chosen_;
    QLabel* status_;
    QListWidget* images_;
    DifferenceList* differences_;
    QPushButton* load_;
    QPushButton* saveAs_;
};

}  // namespace qz5
