#include "ui/gui_reporter.h"

#include <QApplication>
#include <QMessageBox>
#include <memory>

#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr const char* kDefaultTitle = "TORVIK";

QMessageBox::Icon IconOf(Severity severity) {
    switch (severity) {
        case Severity::Information:
            return QMessageBox::Information;
        case Severity::Question:
            return QMessageBox::Question;
        case Severity::Warning:
            return QMessageBox::Warning;
        case Severity::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The radio texts break lines with CR LF; a message box wants a plain line feed.
QString BoxText(std::string_view text) {
    QString q = Q(text);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return q;
}

}  // namespace

GuiReporter::GuiReporter(const LanguageTexts& texts, QWidget* fallbackParent)
    : texts_(texts), fallbackParent_(fallbackParent) {}

QWidget* GuiReporter::parentForBox() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return fallbackParent_;
}

void GuiReporter::show(Severity severity, std::string_view text, std::string_view title) {
    runBox(severity, text, Buttons::Ok, title, {});
}

void GuiReporter::showDetailed(Severity severity, std::string_view text, std::string_view detail) {
    runBox(severity, text, Buttons::Ok, {}, detail);
}

Answer GuiReporter::ask(Severity severity, std::string_view text, Buttons buttons,
                        std::string_view title) {
    return runBox(severity, text, buttons, title, {});
}

QMessageBox* GuiReporter::makeBox(Severity severity, std::string_view text, Buttons buttons,
                                  std::string_view title, std::string_view detail,
                                  QWidget* parent) const {
    auto* box =
        new QMessageBox(IconOf(severity), title.empty() ? QString(kDefaultTitle) : Q(title),
                        BoxText(text), QMessageBox::NoButton, parent ? parent : parentForBox());
    if (!detail.empty()) box->setDetailedText(Q(detail));
    switch (buttons) {
        case Buttons::Ok:
            box->setStandardButtons(QMessageBox::Ok);
            box->setEscapeButton(QMessageBox::Ok);
            break;
        case Buttons::OkCancel:
            box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box->setDefaultButton(QMessageBox::Ok);
            box->setEscapeButton(QMessageBox::Cancel);
            break;
        case Buttons::YesNoCancel:
            box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box->setDefaultButton(QMessageBox::Yes);
            box->setEscapeButton(QMessageBox::Cancel);
            break;
        case Buttons::RetryCancel:
            box->setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
            box->setDefaultButton(QMessageBox::Retry);
            box->setEscapeButton(QMessageBox::Cancel);
            break;
    }
    LabelOkCancel(box->button(QMessageBox::Ok), box->button(QMessageBox::Cancel), texts_);
    return box;
}

Answer GuiReporter::runBox(Severity severity, std::string_view text, Buttons buttons,
                           std::string_view title, std::string_view detail) {
    const std::unique_ptr<QMessageBox> box(makeBox(severity, text, buttons, title, detail));
    switch (box->exec()) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Retry:
            return Answer::Retry;
        default:
            return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

}  // namespace torvik
