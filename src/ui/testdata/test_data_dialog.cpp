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

// The labels of the editable items, in item order.
constexpr TextId kItemLabels[] = {
    TextId::TestDataFrequencyAdjust, TextId::TestDataHigherPower,   TextId::TestDataHighPower,
    TextId::TestDataMiddlePower,     TextId::TestDataLowPower,      TextId::TestDataDeviation25k,
    TextId::TestDataDeviation20k,    TextId::TestDataDeviation12k5, TextId::TestDataMicSensitivity,
    TextId::TestDataCtcss25k,        TextId::TestDataCtcss20k,      TextId::TestDataCtcss12k5,
};
static_assert(std::size(kItemLabels) == kLastEditable - kFirstEditable + 1);

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
    setWindowTitle(BuiltInQ(TextId::TestDataCaption, language_));
    keys_ = new EditKeyFilter([this] { focusNextChild(); }, this);

    auto* form = new QFormLayout;
    for (std::size_t i = kFirstEditable; i <= kLastEditable; ++i) {
        QLineEdit* box = MakeText(this, QStringLiteral("Text%1").arg(i), 2, 3);
        keys_->watchText(box, TextRule::HexDigits);
        boxes_[i] = box;
        const QString label = BuiltInQ(kItemLabels[i - kFirstEditable], language_);
        form->addRow(MakeLabel(this, 0, label.toUtf8(), box), box);
    }
    load_ = new QPushButton(BuiltInQ(TextId::TestDataLoad, language_), this);
    load_->setObjectName("CommandLoad");
    save_ = new QPushButton(BuiltInQ(TextId::TestDataSave, language_), this);
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
    const QString filter = BuiltInQ(TextId::TestDataFile, language_) + " (*.ted)";
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
        reporter_.show(Severity::Error, BuiltInText(TextId::FileError, language_));
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
        reporter_.show(Severity::Error, BuiltInText(TextId::FileError, language_));
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
