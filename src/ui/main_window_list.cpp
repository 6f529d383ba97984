// The main window's tree, caption and channel clipboard.
#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QTableView>
#include <QTreeWidget>

#include "channel_edit/channel_rows.h"
#include "codeplug/identity.h"
#include "interchange/channel_sheet.h"
#include "ui/channel_clipboard.h"
#include "ui/channel_list_model.h"
#include "ui/gui_reporter.h"
#include "ui/main_window.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kKeyFile = 2012;
// The refusals a paste lists before asking; the rest are counted.
constexpr int kRefusalsListed = 15;

// The undo step of a clipboard command: one channel by its label, several by their number.
QString StepName(ClipboardCommand command, const std::vector<int>& rows, Language language) {
    const bool one = rows.size() == 1;
    TextId text = one ? TextId::DeleteChannelStep : TextId::DeleteChannelsStep;
    if (command == ClipboardCommand::Cut) {
        text = one ? TextId::CutChannelStep : TextId::CutChannelsStep;
    } else if (command == ClipboardCommand::Paste) {
        text = one ? TextId::PasteChannelStep : TextId::PasteChannelsStep;
    }
    return BuiltInQ(text, language)
        .arg(one ? Q(ChannelLabel(rows.front())) : QString::number(rows.size()));
}

// Lists what a paste did not take and asks whether to apply the rest. True: apply it.
bool ApplyRestOfPaste(const std::vector<SheetRefusal>& refused, const ChannelListModel& model,
                      Language language, QWidget* parent) {
    QString lines;
    for (std::size_t i = 0; i < refused.size() && i < kRefusalsListed; ++i) {
        const SheetRefusal& r = refused[i];
        const QString row = r.row > 0 ? Q(ChannelLabel(r.row)) : QStringLiteral("-");
        if (r.column > 0) {
            lines += BuiltInQ(TextId::PasteRefusedCell, language)
                         .arg(row, model.header(r.column).simplified(), Q(r.value), Q(r.reason));
        } else {
            lines += BuiltInQ(TextId::PasteRefusedRow, language).arg(row, Q(r.reason));
        }
        lines += '\n';
    }
    if (refused.size() > kRefusalsListed) lines += QStringLiteral("...\n");
    QMessageBox box(QMessageBox::Warning, BuiltInQ(TextId::Warning, language),
                    BuiltInQ(TextId::PasteRefusedQuestion, language).arg(refused.size()).arg(lines),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(BuiltInQ(TextId::PasteApplyRest, language));
    box.button(QMessageBox::No)->setText(BuiltInQ(TextId::PasteApplyNothing, language));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

QString MainWindow::caption() const {
    const Codeplug& c = codeplug();
    // "[*]" is where the window shows that the codeplug has unsaved changes.
    return QStringLiteral("TORVIK[") + Q(ProductName(c.identity)) + ":" + Q(c.band.text()) + "][" +
           LangQ(session_.texts, kKeyFile) + ":" +
           QString::fromStdString(c.file.CurrentFile.string()) + "][*]";
}

void MainWindow::showCaption() {
    setWindowTitle(caption());
}

void MainWindow::runClipboardCommand(ClipboardCommand command) {
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    if (command == ClipboardCommand::Copy || command == ClipboardCommand::Cut) {
        QGuiApplication::clipboard()->setMimeData(ChannelRowsMimeData(codeplug(), rows, reporter_));
    }
    if (command == ClipboardCommand::Copy) return;
    if (command == ClipboardCommand::Paste) {
        if (const QMimeData* data = QGuiApplication::clipboard()->mimeData()) {
            pasteChannels(*data, currentRow());
        }
        return;
    }
    EditableState state = document_->editableState();
    EmptyChannelSlots(state.channels, rows);
    document_->commit(StepName(command, rows, session_.language), state);
}

void MainWindow::pasteChannels(const QMimeData& data, int row) {
    if (row < 1) return;
    const std::optional<CopiedSlots> copied = CopiedChannelSlots(data);
    // Channels of another band go through the cell rules as text, which check every value.
    if (copied && copied->bandCode == codeplug().band.code()) {
        EditableState state = document_->editableState();
        const int unplaced = PasteChannelSlots(state.channels, row, copied->channels);
        std::vector<int> rows;
        for (int i = 0; i < static_cast<int>(copied->channels.size()) - unplaced; ++i) {
            rows.push_back(row + i);
        }
        if (!rows.empty()) {
            document_->commit(StepName(ClipboardCommand::Paste, rows, session_.language), state);
        }
        if (unplaced > 0) {
            reporter_.show(
                Severity::Warning,
                BuiltInQ(TextId::PasteOverflow, session_.language).arg(unplaced).toStdString());
        }
        return;
    }
    if (data.hasText()) {
        const QModelIndex current = list_->currentIndex();
        pasteSheet(data.text().toStdString(), row, current.isValid() ? current.column() : 1);
    }
}

void MainWindow::pasteSheet(const std::string& text, int row, int column) {
    SheetTarget target{row, column, {}};
    for (const Language language : {Language::English, Language::Chinese}) {
        const LanguageTexts texts =
            language == session_.language
                ? session_.texts
                : LanguageTexts::Load(session_.home.languageFile(language), language);
        target.titleSets.push_back(ChannelListHeaders(GuiReporter(texts)));
    }
    const SheetPaste paste = PasteSheet(codeplug(), session_.features, text, target, reporter_);
    if (!paste.refused.empty() &&
        !ApplyRestOfPaste(paste.refused, *model_, session_.language, this)) {
        return;
    }
    if (paste.changedRows.empty()) return;
    document_->commit(StepName(ClipboardCommand::Paste, paste.changedRows, session_.language),
                      EditableStateOf(paste.result));
}

void MainWindow::rebuildTree() {
    dataFileFilter_ = BuiltInQ(TextId::DataFile, session_.language) + " (*.dat)";

    tree_->clear();
    auto* root = new QTreeWidgetItem(tree_, {Q(ProductName(codeplug().identity))});
    root->setData(0, Qt::UserRole, QStringLiteral("N0"));
    root->setData(0, kTreeCommandRole, -1);
    for (const CommandEntry& entry : MainCommands()) {
        const TreeNodeEntry& node = entry.node;
        if (!node.key || !IsShown(entry.shown, session_.features, session_.factoryMode)) continue;
        const QString text = node.textKey > 0 ? LangQ(session_.texts, node.textKey)
                                              : QString::fromLatin1(node.fixedText);
        auto* item = new QTreeWidgetItem(root, {text});
        item->setData(0, Qt::UserRole, QString::fromLatin1(node.key));
        item->setData(0, kTreeCommandRole, static_cast<int>(entry.id));
        if (entry.editor && !hasEditor(*entry.editor)) {
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        }
    }
    root->setExpanded(true);
}

}  // namespace torvik
