#include "ui/frm_progress.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

#include "platform/message_table.h"
#include "ui/ui_text.h"

namespace torvik {

FrmProgress::FrmProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      label_(new QLabel(this)),
      percent_(new QLabel(this)),
      bar_(new QProgressBar(this)) {
    setObjectName("FrmProgress");
    label_->setObjectName("Label1");
    percent_->setObjectName("Label2");
    bar_->setObjectName("ProgressBar1");
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(320);
    percent_->setMinimumWidth(percent_->fontMetrics().horizontalAdvance("100%") + 4);
    percent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label_, 0, 0);
    layout->addWidget(percent_, 0, 1);
    layout->addWidget(bar_, 1, 0, 1, 2);
    setWindowModality(Qt::WindowModal);
}

void FrmProgress::start(const QString& caption, Language language) {
    setWindowTitle(caption);
    label_->setText(MessageQ(MessageId::Percentage, language));
    running_ = true;
    SetProgressValue(0);
    open();
}

void FrmProgress::SetProgressValue(int percent) {
    const int p = std::clamp(percent, 0, 100);
    bar_->setValue(p);
    percent_->setText(QString::number(p) + "%");
}

void FrmProgress::finish() {
    running_ = false;
    done(QDialog::Accepted);
}

int FrmProgress::percent() const {
    return bar_->value();
}
QString FrmProgress::percentText() const {
    return percent_->text();
}

void FrmProgress::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace torvik
