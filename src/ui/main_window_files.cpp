// The main window's file commands: New, Open, Open Recent, Save, Save As, Initialise, files
// dropped on the window, and the offer to save a modified codeplug before it is replaced.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QStyle>
#include <QTimer>
#include <QUrl>

#include "ui/file_dialogs.h"
#include "ui/interchange_commands.h"
#include "ui/main_window.h"
#include "ui/recent_files.h"
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

void MainWindow::openNewWindow() {
    auto* window = new MainWindow(std::make_unique<AppSession>(session_), ports_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->portSettings() = portSettings_;
    window->document().makeNew(newCodeplugOptions(false));
    // Beside this one rather than over it.
    const int offset = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    window->move(pos() + QPoint(offset, offset));
    window->show();
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
    document_->makeNew(newCodeplugOptions(initialising));
}

void MainWindow::fileOpen() {
    if (!offerSave(BuiltInQ(TextId::SaveChanges, session_.language))) return;
    const std::filesystem::path current = codeplug().file.CurrentFile;
    const std::optional<std::filesystem::path> chosen =
        chooseOpen_ ? chooseOpen_(dataFileFilter_, current)
                    : ChooseFileToOpen(this, dataFileFilter_, current);
    if (!chosen) return;
    openDataFile(*chosen);
}

void MainWindow::openFile(const std::filesystem::path& path) {
    if (!offerSave(BuiltInQ(TextId::SaveChanges, session_.language))) return;
    openDataFile(path);
}

bool MainWindow::openDataFile(const std::filesystem::path& path) {
    // A file that cannot be read is reported and leaves the open codeplug as it was.
    if (!document_->open(path, reporter_)) {
        ForgetRecentFile(QString::fromStdString(path.string()));
        fillRecentMenu();
        return false;
    }
    rememberFile(path);
    focusChannelList();
    return true;
}

void MainWindow::rememberFile(const std::filesystem::path& path) {
    RememberRecentFile(QString::fromStdString(path.string()));
    fillRecentMenu();
}

void MainWindow::openDroppedFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "csv") {
        ImportChannelsFrom(*this, path.toStdString());
    } else if (suffix == "json") {
        ImportCodeplugFrom(*this, path.toStdString());
    } else {
        openFile(path.toStdString());
    }
}

namespace {

// The one local data, CSV or JSON file a drag carries; nothing for anything else.
std::optional<QString> DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return std::nullopt;
    const QString path = url.toLocalFile();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != "dat" && suffix != "csv" && suffix != "json") return std::nullopt;
    return path;
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedFile(event->mimeData())) event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (DroppedFile(event->mimeData())) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::optional<QString> path = DroppedFile(event->mimeData());
    if (!path) return;
    event->acceptProposedAction();
    // Questions come once the drop is over, so the program the file came from is not kept
    // waiting for the answer.
    QTimer::singleShot(0, this, [this, file = *path] { openDroppedFile(file); });
}

bool MainWindow::fileSave() {
    const CodeplugFileState& file = codeplug().file;
    if (file.NoFileName) return fileSaveAs();
    const QString question = "\"" + QString::fromStdString(file.CurrentFile.filename().string()) +
                             "\"" + BuiltInQ(TextId::Overwrite, session_.language);
    if (reporter_.ask(Severity::Question, U(question), Buttons::OkCancel) != Answer::Ok) {
        return false;
    }
    if (!document_->save(file.CurrentFile, reporter_)) return false;
    rememberFile(file.CurrentFile);
    return true;
}

bool MainWindow::fileSaveAs() {
    const std::filesystem::path current = codeplug().file.CurrentFile;
    // The channel file takes the data file's name with "fre" for its last three characters,
    // so a data file must end in ".dat".
    const std::optional<std::filesystem::path> chosen =
        chooseSave_ ? chooseSave_(dataFileFilter_, current)
                    : ChooseFileToSave(this, dataFileFilter_, current, QStringLiteral("dat"));
    if (!chosen) return false;
    if (!document_->save(*chosen, reporter_)) return false;
    rememberFile(*chosen);
    return true;
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
