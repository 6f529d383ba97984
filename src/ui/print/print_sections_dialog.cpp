#include "ui/print/print_sections_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "printing/report_painter.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kKeyCaption = 3008;
// The shown boxes stand in two columns.
constexpr int kBoxRows = 4;

QPushButton* MakeButton(QWidget* parent, const char* name, TextId text, Language language) {
    auto* button = new QPushButton(Q(BuiltInText(text, language)), parent);
    button->setObjectName(name);
    button->setAccessibleName(PlainText(button->text()));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

PrintSectionsDialog::PrintSectionsDialog(const Codeplug& codeplug, const LanguageTexts& texts,
                                         QWidget* parent)
    : QDialog(parent), codeplug_(codeplug), texts_(texts) {
    setObjectName("FrmPrintList");
    setWindowTitle(LangQ(texts, kKeyCaption));
    const Language language = texts.language();
    for (int item = 0; item < kPrintItems; ++item) {
        const QString caption = Q(PrintItemCaption(static_cast<PrintItem>(item), texts));
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(QStringLiteral("Check1_%1").arg(item));
        box->setAccessibleName(caption);
        box->setVisible(IsShownPrintItem(static_cast<PrintItem>(item)));
        checks_[static_cast<std::size_t>(item)] = box;
    }
    selectAll_ = MakeButton(this, "CommandSelAll", TextId::PrintSelectAll, language);
    clearAll_ = MakeButton(this, "CommandClrAll", TextId::PrintClearAll, language);
    setup_ = MakeButton(this, "CommandSet", TextId::PrintSetup, language);
    preview_ = MakeButton(this, "CommandPreview", TextId::PrintPreview, language);
    ok_ = MakeButton(this, "Command1", TextId::PrintOk, language);
    cancel_ = MakeButton(this, "Command2", TextId::PrintCancel, language);
    ok_->setDefault(true);
    buildLayout();

    connect(selectAll_, &QPushButton::clicked, this, &PrintSectionsDialog::tickAll);
    connect(clearAll_, &QPushButton::clicked, this, &PrintSectionsDialog::untickAll);
    connect(setup_, &QPushButton::clicked, this, &PrintSectionsDialog::pageSetup);
    connect(preview_, &QPushButton::clicked, this, &PrintSectionsDialog::showPreview);
    connect(ok_, &QPushButton::clicked, this, &PrintSectionsDialog::printTicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    job_ = [this](const PrintFlags& flags) { return printJob(flags); };
    printer_.setPageSize(QPageSize(QPageSize::A4));
}

void PrintSectionsDialog::buildLayout() {
    auto* boxes = new QGridLayout;
    int shown = 0;
    for (QCheckBox* box : checks_) {
        if (box->isHidden()) continue;
        boxes->addWidget(box, shown % kBoxRows, shown / kBoxRows);
        ++shown;
    }
    auto* side = new QVBoxLayout;
    for (QPushButton* button : {selectAll_, clearAll_, setup_, preview_}) side->addWidget(button);
    side->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(boxes, 1);
    top->addSpacing(fontMetrics().height());
    top->addLayout(side);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(ok_);
    bottom->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
}

PrintFlags PrintSectionsDialog::ticks() const {
    PrintFlags flags{};
    for (std::size_t i = 0; i < checks_.size(); ++i) flags[i] = checks_[i]->isChecked();
    return flags;
}

void PrintSectionsDialog::tickAll() {
    for (QCheckBox* box : checks_) box->setChecked(true);
}

void PrintSectionsDialog::untickAll() {
    for (QCheckBox* box : checks_) box->setChecked(false);
}

void PrintSectionsDialog::pageSetup() {
    QPageSetupDialog setup(&printer_, this);
    setup.exec();
}

bool PrintSectionsDialog::checkTicked() {
    if (AnyPrintItem(ticks())) return true;
    QMessageBox::warning(this, windowTitle(),
                         Q(BuiltInText(TextId::PrintNothingSelected, texts_.language())));
    return false;
}

void PrintSectionsDialog::showPreview() {
    if (!checkTicked()) return;
    PreviewReport(printer_, codeplug_, texts_, ticks(), this);
}

void PrintSectionsDialog::printTicked() {
    if (!checkTicked()) return;
    flags_ = ticks();
    if (job_(flags_)) accept();
}

bool PrintSectionsDialog::printJob(const PrintFlags& flags) {
    QPrintDialog dialog(&printer_, this);
    dialog.setObjectName("PrintDialog");
    if (dialog.exec() != QDialog::Accepted) return false;
    const ReportSource source{codeplug_, texts_, ReportDateTimeNow()};
    return PaintReport(printer_, source, flags);
}

void PreviewReport(QPrinter& printer, const Codeplug& codeplug, const LanguageTexts& texts,
                   const PrintFlags& flags, QWidget* parent) {
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName("PrintPreview");
    const ReportSource source{codeplug, texts, ReportDateTimeNow()};
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { PaintReport(*target, source, flags); });
    preview.exec();
}

}  // namespace torvik
