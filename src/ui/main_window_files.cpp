// The main window's file commands: New, Open, Save, Save As, Initialise, and the offer to
// save a modified codeplug before it is replaced.
#include "ui/file_dialogs.h"
#include "ui/main_window.h"
#include "ui/ui_text.h"

namespace torvik {

// Yes saves first (and stops when the codeplug could not be saved), No goes on, Cancel stops.
// Nothing is asked when nothing was changed.
bool MainWindow::offerSave(const QString& question) {
    if (!document_->isModified()) return true;
    switch (reporter_.ask(Severity::Warning, U(question), Buttons::YesNoCancel)) {
        case Answer::Yes:
            return fileSave() && !document_->isModified();
        case Answer::No:
            return true;
        default:
            return false;
    }
}

NewCodeplugOptions MainWindow::newCodeplugOptions(bool keepTemplateChannels) const {
    return {session_.home.initFolder(), session_.settings.FactoryFres != 0 || keepTemplateChannels};
}

QString MainWindow::saveFirstQuestion() const {
    const QString question =
        Q(session_.texts.readMessageText(kMessageSection, kSaveFirstMessageKey));
    return question.isEmpty() ? BuiltInQ(TextId::SaveChanges, session_.language) : question;
}

void MainWindow::fileNew() {
    confirmAndMakeNew(false);
}

void MainWindow::initialise() {
    confirmAndMakeNew(true);
}

// New asks to save a modified codeplug, then whether to clear it; Initialise only asks to
// save, and keeps the template's channels.
void MainWindow::confirmAndMakeNew(bool initialising) {
    if (!offerSave(saveFirstQuestion())) return;
    if (!initialising) {
        const Answer answer =
            reporter_.ask(Severity::Warning, BuiltInText(TextId::AllDataCleared, session_.language),
                          Buttons::OkCancel);
        if (answer != Answer::Ok) return;
    }
    clipboard_.clear();
    document_->makeNew(newCodeplugOptions(initialising));
}

void MainWindow::fileOpen() {
    if (!offerSave(BuiltInQ(TextId::SaveChanges, session_.language))) return;
    const std::filesystem::path current = codeplug().file.CurrentFile;
    const std::optional<std::filesystem::path> chosen =
        chooseOpen_ ? chooseOpen_(dataFileFilter_, current)
                    : ChooseFileToOpen(this, dataFileFilter_, current);
    if (!chosen) return;
    // A file that cannot be read is reported and leaves the open codeplug as it was.
    document_->open(*chosen, reporter_);
}

bool MainWindow::fileSave() {
    const CodeplugFileState& file = codeplug().file;
    if (file.NoFileName) return fileSaveAs();
    const QString question = "\"" + QString::fromStdString(file.CurrentFile.filename().string()) +
                             "\"" + BuiltInQ(TextId::Overwrite, session_.language);
    if (reporter_.ask(Severity::Question, U(question), Buttons::OkCancel) != Answer::Ok) {
        return false;
    }
    return document_->save(file.CurrentFile, reporter_);
}

bool MainWindow::fileSaveAs() {
    const std::filesystem::path current = codeplug().file.CurrentFile;
    // The channel file takes the data file's name with "fre" for its last three characters,
    // so a data file must end in ".dat".
    const std::optional<std::filesystem::path> chosen =
        chooseSave_ ? chooseSave_(dataFileFilter_, current)
                    : ChooseFileToSave(this, dataFileFilter_, current, QStringLiteral("dat"));
    if (!chosen) return false;
    return document_->save(*chosen, reporter_);
}

std::optional<std::filesystem::path> MainWindow::chooseFileToOpen(
    const QString& filter, const std::filesystem::path& current) {
    return chooseOpen_ ? chooseOpen_(filter, current) : ChooseFileToOpen(this, filter, current);
}

std::optional<std::filesystem::path> MainWindow::chooseFileToSave(
    const QString& filter, const std::filesystem::path& current, const QString& suffix) {
    return chooseSave_ ? chooseSave_(filter, current)
                       : ChooseFileToSave(this, filter, current, suffix);
}

}  // namespace torvik
