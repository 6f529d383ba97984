// The progress window of a read or write: caption, "Completion percentage:", the bar, the
// percentage and a Cancel button (Escape too) that asks the connection to stop. It is modal
// to the main window but never blocks: the link engine sends its first frame as soon as the
// window is up, and the event loop keeps running underneath.
#pragma once

#include <QDialog>

#include "app/language_texts.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace torvik {

class ProgressDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ProgressDialog(QWidget* parent = nullptr);

    // Shows the window with the bar at 0 and "0%", its texts in the language of `texts`.
    void start(const QString& caption, const LanguageTexts& texts);
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    // Bar and label to `percent`, shown as "37%".
    void setProgressValue(int percent);
    void finish();

    bool running() const { return running_; }
    int percent() const;
    QString percentText() const;
    QPushButton* cancelButton() const { return cancel_; }

  signals:
    // Cancel or Escape: the connection should stop. The window stays until it has.
    void cancelRequested();

  protected:
    // The transfer decides when the window closes; Escape asks it to stop.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QLabel* label_;
    QLabel* percent_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    bool running_ = false;
};

}  // namespace torvik
