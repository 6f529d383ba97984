#include "ui/progress_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "platform/built_in_texts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      label_(new QLabel(this)),
      percent_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      cancel_(new QPushButton(this)) {
    setObjectName("FrmProgress");
    label_->setObjectName("Label1");
    percent_->setObjectName("Label2");
    bar_->setObjectName("ProgressBar1");
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(320);
    percent_->setMinimumWidth(percent_->fontMetrics().horizontalAdvance("100%") + 4);
    percent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    cancel_->setObjectName("CommandCancel");
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &ProgressDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label_, 0, 0);
    layout->addWidget(percent_, 0, 1);
    layout->addWidget(bar_, 1, 0, 1, 2);
    layout->addWidget(cancel_, 2, 1, Qt::AlignRight);
    setWindowModality(Qt::WindowModal);
}

void ProgressDialog::start(const QString& caption, const LanguageTexts& texts) {
    setWindowTitle(caption);
    label_->setText(BuiltInQ(TextId::Percentage, texts.language()));
    bar_->setAccessibleName(label_->text());
    percent_->setAccessibleName(label_->text());
    cancel_->setText(BuiltInQ(TextId::ProgressCancel, texts.language()));
    LabelOkCancel(nullptr, cancel_, texts);
    cancel_->setAccessibleName(cancel_->text());
    cancel_->setEnabled(true);
    running_ = true;
    setProgressValue(0);
    open();
}

void ProgressDialog::reject() {
    if (!running_ || !cancel_->isEnabled()) return;
    cancel_->setEnabled(false);
    emit cancelRequested();
}

void ProgressDialog::setProgressValue(int percent) {
    const int p = std::clamp(percent, 0, 100);
    bar_->setValue(p);
    percent_->setText(QString::number(p) + "%");
}

void ProgressDialog::finish() {
    running_ = false;
    done(QDialog::Accepted);
}

int ProgressDialog::percent() const {
    return bar_->value();
}
QString ProgressDialog::percentText() const {
    return percent_->text();
}

void ProgressDialog::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace torvik
