// Messages and questions of the core as message boxes: the icon of the severity, the buttons
// asked for, the text in the current language. The box belongs to whatever modal window is
// open (the progress window during a transfer), else to the main window.
#pragma once

#include <QPointer>
#include <QWidget>

class QMessageBox;

#include "app/language_texts.h"
#include "platform/reporter.h"

namespace torvik {

class GuiReporter : public Reporter {
  public:
    // `texts` is the session's current language; it may be replaced while the reporter lives.
    explicit GuiReporter(const LanguageTexts& texts, QWidget* fallbackParent = nullptr);

    void setFallbackParent(QWidget* parent) { fallbackParent_ = parent; }

    Language language() const override { return texts_.language(); }
    std::string langText(int key) const override { return texts_.langText(key); }
    void show(Severity severity, std::string_view text, std::string_view title = {}) override;
    // The reason goes behind the box's "Show Details..." button.
    void showDetailed(Severity severity, std::string_view text, std::string_view detail) override;
    Answer ask(Severity severity, std::string_view text, Buttons buttons,
               std::string_view title = {}) override;

    // The box ask() and show() run, for a caller that opens it without blocking; owned by
    // its parent (`parent`, else the modal window or the main window).
    QMessageBox* makeBox(Severity severity, std::string_view text, Buttons buttons,
                         std::string_view title = {}, std::string_view detail = {},
                         QWidget* parent = nullptr) const;

  private:
    QWidget* parentForBox() const;
    Answer runBox(Severity severity, std::string_view text, Buttons buttons, std::string_view title,
                  std::string_view detail);

    const LanguageTexts& texts_;
    QPointer<QWidget> fallbackParent_;
};

}  // namespace torvik
