// The progress window of a read or write: caption, "Completion percentage:", the bar and the
// percentage. It is modal to the main window but never blocks: the link engine sends its first
// frame as soon as the window is up, and the event loop keeps running underneath.
#pragma once

#include <QDialog>

#include "platform/language.h"

class QLabel;
class QProgressBar;

namespace torvik {

class FrmProgress : public QDialog {
    Q_OBJECT

  public:
    explicit FrmProgress(QWidget* parent = nullptr);

    // Shows the window with the bar at 0 and "0%".
    void start(const QString& caption, Language language);
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    // Bar and label to `percent`, shown as "37%".
    void SetProgressValue(int percent);
    void finish();

    bool running() const { return running_; }
    int percent() const;
    QString percentText() const;

  protected:
    // The transfer decides when the window closes, not Escape or the close box.
    void reject() override {}
    void closeEvent(QCloseEvent* event) override;

  private:
    QLabel* label_;
    QLabel* percent_;
    QProgressBar* bar_;
    bool running_ = false;
};

}  // namespace torvik
