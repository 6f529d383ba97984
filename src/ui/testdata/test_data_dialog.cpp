#include "ui/testdata/test_data_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "factory/test_data.h"
#include "ui/edit_key_filter.h"
#include "ui/form_parts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr std::size_t kFirstEditable = 2;
constexpr std::size_t kLastEditable = 13;

struct ItemLabel {
    const char* english;
    const char* chinese;
};
constexpr ItemLabel kItemLabels[] = {
    {"Frequency Adjust", "频率调整"},
    {"Higher Power", "大高功率"},
    {"High Power", "小高功率"},
    {"Middle Power", "中功率"},
    {"Low Power", "低功率"},
    {"Offset frequency of 25K", "25K频偏"},
    {"Offset frequency of 20K", "20K频偏"},
    {"Offset frequency of 12.5K", "12.5K频偏"},
    {"Microphone Sensitivity", "麦克风灵敏度"},
    {"CTCSS of 25K", "25K CTCSS"},
    {"CTCSS of 20K", "20K CTCSS"},
    {"CTCSS of 12.5K", "12.5K CTCSS"},
};
static_assert(std::size(kItemLabels) == kLastEditable - kFirstEditable + 1);

QString Text(Language language, const char* english, const char* chinese) {
    return QString::fromUtf8(language == Language::Chinese ? chinese : english);
}

}  // namespace

TestDataDialog::TestDataDialog(CodeplugDocument& document, const LanguageTexts& texts,
                               Reporter& reporter, QWidget* parent)
    : QDialog(parent),
      document_(document),
      reporter_(reporter),
      language_(texts.language()),
      state_(document.editableState()),
      copy_(state_.testData) {
    setObjectName("FrmTestData");
    setWindowTitle(Text(language_, "Test Data", "测试数据"));
    keys_ = new EditKeyFilter([this] { focusNextChild(); }, this);

    auto* form = new QFormLayout;
    for (std::size_t i = kFirstEditable; i <= kLastEditable; ++i) {
        QLineEdit* box = MakeText(this, QStringLiteral("Text%1").arg(i), 2, 3);
        keys_->watchText(box, TextRule::HexDigits);
        boxes_[i] = box;
        const ItemLabel& label = kItemLabels[i - kFirstEditable];
        form->addRow(
            MakeLabel(this, 0, Text(language_, label.english, label.chinese).toUtf8(), box), box);
    }
    load_ = new QPushButton(Text(language_, "&Load", "加载(&L)"), this);
    load_->setObjectName("CommandLoad");
    save_ = new QPushButton(Text(language_, "&Save", "保存(&S)"), this);
    save_->setObjectName("CommandSave");
    buttons_ = MakeOkCancelButtons(this);
    LabelOkCancel(buttons_, texts);
    NameByLabels(this);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(load_);
    fileRow->addWidget(save_);
    fileRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(fileRow);
    layout->addStretch(1);
    layout->addWidget(buttons_);

    connect(load_, &QPushButton::clicked, this, &TestDataDialog::loadFile);
    connect(save_, &QPushButton::clicked, this, &TestDataDialog::saveFile);
    connect(buttons_, &QDialogButtonBox::accepted, this, &TestDataDialog::commitOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (const auto companion = CompanionTestDataPath(document.codeplug().file.CurrentFile)) {
        lastFile_ = *companion;
    }
    showBoxes();
}

void TestDataDialog::showBoxes() {
    for (std::size_t i = kFirstEditable; i <= kLastEditable; ++i) {
        boxes_[i]->setText(QStringLiteral("%1").arg(copy_[i], 2, 16, QLatin1Char('0')).toUpper());
    }
}

bool TestDataDialog::gatherBoxes() {
    TestData gathered = copy_;
    for (std::size_t i = kFirstEditable; i <= kLastEditable; ++i) {
        bool ok = false;
        const uint value = boxes_[i]->text().toUInt(&ok, 16);
        if (!ok || value > 0xFF) {
            // A box left empty has no value: the user fills it before anything is stored.
            QApplication::beep();
            boxes_[i]->setFocus();
            return false;
        }
        gathered[i] = static_cast<std::uint8_t>(value);
    }
    copy_ = gathered;
    return true;
}

std::optional<std::filesystem::path> TestDataDialog::chooseFile(bool save) {
    const QString filter = Text(language_, "Test Data File", "测试数据文件") + " (*.ted)";
    if (choose_) return choose_(save, filter, lastFile_);
    const QString offered = QString::fromStdString(lastFile_.string());
    const QString path = save ? QFileDialog::getSaveFileName(this, QString(), offered, filter)
                              : QFileDialog::getOpenFileName(this, QString(), offered, filter);
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

void TestDataDialog::loadFile() {
    const std::optional<std::filesystem::path> path = chooseFile(false);
    if (!path) return;
    if (LoadTestDataFile(*path, copy_) != TestDataLoad::Loaded) {
        reporter_.show(Severity::Error, MessageText(MessageId::FileError, language_));
        return;
    }
    lastFile_ = *path;
    showBoxes();
}

void TestDataDialog::saveFile() {
    if (!gatherBoxes()) return;
    const std::optional<std::filesystem::path> path = chooseFile(true);
    if (!path) return;
    // A failed write is said, not swallowed: the user would otherwise trust a file that
    // does not hold the values.
    if (!SaveTestDataFile(*path, copy_)) {
        reporter_.show(Severity::Error, MessageText(MessageId::FileError, language_));
        return;
    }
    lastFile_ = *path;
}

void TestDataDialog::commitOk() {
    if (!gatherBoxes()) return;
    state_.testData = copy_;
    document_.commit(windowTitle(), state_);
    accept();
}

}  // namespace torvik
