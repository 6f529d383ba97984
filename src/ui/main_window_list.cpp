// The main window's tree, caption and channel clipboard.
#include <QTableView>
#include <QTreeWidget>

#include "channel_edit/channel_rows.h"
#include "codeplug/identity.h"
#include "ui/channel_list_model.h"
#include "ui/main_window.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kKeyFile = 2012;

TextId StepText(ClipboardCommand command) {
    switch (command) {
        case ClipboardCommand::Cut:
            return TextId::CutChannelStep;
        case ClipboardCommand::Paste:
            return TextId::PasteChannelStep;
        default:
            return TextId::DeleteChannelStep;
    }
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
    const int row = currentRow();
    EditableState state = document_->editableState();
    if (!ApplyChannelClipboard(clipboard_, state.channels, command, row)) return;
    if (command == ClipboardCommand::Copy) return;
    const QString step = BuiltInQ(StepText(command), session_.language).arg(Q(ChannelLabel(row)));
    document_->commit(step, state);
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
