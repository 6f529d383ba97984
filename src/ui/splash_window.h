// The splash window: the start picture of the language for two seconds, or until it is
// clicked, then the main window.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <filesystem>

#include "platform/language.h"

class QTimer;

namespace torvik {

inline constexpr int kSplashMs = 2000;

// "StartE.jpg" for English, "StartC.jpg" for Chinese, in the application folder.
std::filesystem::path SplashPicturePath(const std::filesystem::path& dataDir, Language language);

class SplashWindow : public QWidget {
    Q_OBJECT

  public:
    explicit SplashWindow(const QPixmap& picture);

    // Shows the window and starts the timer.
    void start();

  signals:
    // The timer fired or the picture was clicked, whichever came first; only once.
    void finished();

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void finish();

    QTimer* timer_;
    bool done_ = false;
};

}  // namespace torvik
