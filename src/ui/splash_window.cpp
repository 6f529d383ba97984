#include "ui/splash_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace torvik {

std::filesystem::path SplashPicturePath(const std::filesystem::path& dataDir, Language language) {
    return dataDir / (language == Language::Chinese ? "StartC.jpg" : "StartE.jpg");
}

SplashWindow::SplashWindow(const QPixmap& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), timer_(new QTimer(this)) {
    setObjectName("frmSplash");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(picture);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(image);
    timer_->setSingleShot(true);
    timer_->setInterval(kSplashMs);
    connect(timer_, &QTimer::timeout, this, &SplashWindow::finish);
}

void SplashWindow::start() {
    show();
    if (QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    timer_->start();
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    finish();
}

void SplashWindow::finish() {
    if (done_) return;
    done_ = true;
    timer_->stop();
    emit finished();
    close();
}

}  // namespace torvik
