// TestDataDialog, the factory-mode editor of the radio's 16 tuning bytes: twelve hexadecimal
// boxes, loading from and saving to ".ted" files, OK and Cancel. It works on its own copy;
// Save writes only the file, OK commits the copy to the document as one undoable step.
#pragma once

#include <QDialog>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include "document/codeplug_document.h"
#include "platform/language.h"
#include "platform/reporter.h"

class QDialogButtonBox;
class QLineEdit;
class QPushButton;

namespace torvik {

class EditKeyFilter;
class LanguageTexts;

class TestDataDialog : public QDialog {
    Q_OBJECT

  public:
    // Chooses a ".ted" file to load (save false) or to save to (save true); nothing when
    // cancelled. Tests replace the file dialogs with it.
    using FileChooser = std::function<std::optional<std::filesystem::path>(
        bool save, const QString& filter, const std::filesystem::path& offered)>;

    TestDataDialog(CodeplugDocument& document, const LanguageTexts& texts, Reporter& reporter,
                   QWidget* parent = nullptr);

    void setFileChooser(FileChooser chooser) { choose_ = std::move(chooser); }

    void loadFile();
    void saveFile();
    void commitOk();

  private:
    void showBoxes();
    // The boxes into the copy; false (with the focus on the box) when one is empty.
    bool gatherBoxes();
    std::optional<std::filesystem::path> chooseFile(bool save);

    CodeplugDocument& document_;
    Reporter& reporter_;
    Language language_;
    EditableState state_;
    TestData copy_{};
    std::filesystem::path lastFile_;
    FileChooser choose_;
    EditKeyFilter* keys_ = nullptr;
    std::array<QLineEdit*, 16> boxes_{};  // bytes 2..13 exist; the others are never offered
    QPushButton* load_ = nullptr;
    QPushButton* save_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace torvik
