// The main window's tree and channel list: rebuilding them, one-row refreshes and the
// channel clipboard.
#include <QTableView>
#include <QTreeWidget>
#include <set>

#include "codeplug/identity.h"
#include "ui/channel_list_model.h"
#include "ui/frm_main.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kKeyFile = 2012;

// A stored frequency that is not a number is reported while its row is drawn; a damaged file
// can hold hundreds of them, so one rebuild reports each message once.
class OncePerRebuild : public Reporter {
  public:
    explicit OncePerRebuild(Reporter& inner) : inner_(inner) {}
    Language language() const override { return inner_.language(); }
    std::string langText(int key) const override { return inner_.langText(key); }
    void show(Severity severity, std::string_view text, std::string_view title) override {
        if (shown_.insert(std::string(text)).second) inner_.show(severity, text, title);
    }
    Answer ask(Severity severity, std::string_view text, Buttons buttons,
               std::string_view title) override {
        return inner_.ask(severity, text, buttons, title);
    }

  private:
    Reporter& inner_;
    std::set<std::string> shown_;
};

struct TreeNode {
    const char* key;
    int textKey;  // 0: the node's text is fixed
    const char* fixedText;
    std::optional<EditorWindow> editor;
};

}  // namespace

QString frmMain::caption() const {
    const Codeplug& c = session_.codeplug;
    return QStringLiteral("TORVIK[") + Q(ProductName(c.identity)) + ":" + Q(c.band.text()) + "][" +
           LangQ(session_.texts, kKeyFile) + ":" +
           QString::fromStdString(c.file.CurrentFile.string()) + "]";
}

void frmMain::ShowListByData() {
    setWindowTitle(caption());
    model_->setHeaders(ChannelListHeaders(reporter_));
    model_->clearAllRows();
    {
        const QSignalBlocker quiet(model_);
        OncePerRebuild reporter(reporter_);
        const Codeplug& c = session_.codeplug;
        for (const ChannelRecord& channel : c.channels.used()) {
            if (channel.Number < 1 || channel.Number > kChannelListRows) continue;
            model_->setRow(channel.Number,
                           ChannelRowCells(channel, c.band, reporter, GridRefresh::Full));
        }
    }
    model_->endRebuild();
    FitChannelColumns(list_);
}

void frmMain::ReShowGrid(int list, int row, int /*column*/) {
    if (list != 0 || row < 1 || row > kChannelListRows) return;
    const Codeplug& c = session_.codeplug;
    if (const ChannelRecord* channel = c.channels.find(row)) {
        OncePerRebuild reporter(reporter_);
        model_->setRow(row, ChannelRowCells(*channel, c.band, reporter, GridRefresh::OneRow));
    } else {
        model_->clearRow(row);
    }
}

void frmMain::SetCHEdit(const QString& command, int list) {
    const int row = currentRow();
    if (ApplyChannelClipboard(clipboard_, session_.codeplug.channels, U(command), list, row)) {
        ReShowGrid(list, row, 0);
    }
}

void frmMain::LoadShowTree() {
    dataFileFilter_ = MessageQ(MessageId::DataFile, session_.language) + " (*.dat)";

    const FeatureFlags& flags = session_.features;
    const TreeNode nodes[] = {
        {"N1", 0, "CH", std::nullopt},
        {"N4", 5021, nullptr, EditorWindow::Options},
        {"N5", 5023, nullptr, EditorWindow::Dtmf},
        {"N6", 5024, nullptr, EditorWindow::TwoTone},
        {"N7", 5025, nullptr, EditorWindow::FiveTone},
        {"N10", 2400, nullptr, EditorWindow::Scan},
        {"N11", 2600, nullptr, EditorWindow::Emergency},
        {"N8", 5804, nullptr, EditorWindow::CommBook},
        {"N9", 5028, nullptr, EditorWindow::RadioInfo},
        {"N14", 8000, nullptr, EditorWindow::TestData},
    };
    auto present = [&](const QString& key) {
        if (key == "N5") return flags.HasDTMF != 0;
        if (key == "N6") return flags.Has2Tone != 0;
        if (key == "N7") return flags.Has5Tone != 0;
        if (key == "N14") return session_.factoryMode;
        return true;
    };

    tree_->clear();
    auto* root = new QTreeWidgetItem(tree_, {Q(ProductName(session_.codeplug.identity))});
    root->setData(0, Qt::UserRole, QStringLiteral("N0"));
    for (const TreeNode& node : nodes) {
        const QString key = QString::fromLatin1(node.key);
        if (!present(key)) continue;
        const QString text = node.textKey > 0 ? LangQ(session_.texts, node.textKey)
                                              : QString::fromLatin1(node.fixedText);
        auto* item = new QTreeWidgetItem(root, {text});
        item->setData(0, Qt::UserRole, key);
        if (node.editor && !hasEditor(*node.editor))
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    }
    root->setExpanded(true);
}

}  // namespace torvik
