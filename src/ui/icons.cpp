#include "ui/icons.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QStyle>

namespace torvik {
namespace {

constexpr int kDrawnSize = 64;

void DrawRadio(QPainter& p, const QColor& ink) {
    const QColor body(60, 90, 140);
    // Antenna and body.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(8, 4, 5, 18), 2, 2);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(6, 18, 24, 42), 5, 5);
    p.setBrush(QColor(200, 225, 250));
    p.drawRect(QRectF(10, 24, 16, 10));
    p.setBrush(QColor(230, 230, 230));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawEllipse(QRectF(10 + col * 6, 39 + row * 6, 4, 4));
        }
    }
}

// A handheld radio with an arrow: out of the radio for a read, into it for a write.
QIcon RadioIcon(bool toRadio) {
    QPixmap pixmap(kDrawnSize, kDrawnSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    DrawRadio(p, QApplication::palette().color(QPalette::WindowText));
    // Arrow.
    const QColor arrow = toRadio ? QColor(200, 70, 40) : QColor(40, 150, 60);
    QPainterPath path;
    if (toRadio) {
        path.moveTo(62, 34);
        path.lineTo(48, 34);
        path.lineTo(48, 26);
        path.lineTo(34, 40);
        path.lineTo(48, 54);
        path.lineTo(48, 46);
        path.lineTo(62, 46);
    } else {
        path.moveTo(34, 34);
        path.lineTo(48, 34);
        path.lineTo(48, 26);
        path.lineTo(62, 40);
        path.lineTo(48, 54);
        path.lineTo(48, 46);
        path.lineTo(34, 46);
    }
    path.closeSubpath();
    p.setBrush(arrow);
    p.drawPath(path);
    return QIcon(pixmap);
}

QIcon Themed(const char* name, QStyle::StandardPixmap standard) {
    const QIcon themed = QIcon::fromTheme(QLatin1String(name));
    if (!themed.isNull() && !themed.availableSizes().isEmpty()) return themed;
    return QApplication::style()->standardIcon(standard);
}

}  // namespace

QIcon ToolbarIcon(ToolIcon icon) {
    switch (icon) {
        case ToolIcon::New:
            return Themed("document-new", QStyle::SP_FileIcon);
        case ToolIcon::Open:
            return Themed("document-open", QStyle::SP_DialogOpenButton);
        case ToolIcon::Save:
            return Themed("document-save", QStyle::SP_DialogSaveButton);
        case ToolIcon::ReadRadio:
            return RadioIcon(false);
        case ToolIcon::SerialPort:
            return Themed("preferences-system", QStyle::SP_ComputerIcon);
        case ToolIcon::WriteRadio:
            return RadioIcon(true);
        case ToolIcon::Cut:
            return Themed("edit-cut", QStyle::SP_DialogDiscardButton);
        case ToolIcon::Copy:
            return Themed("edit-copy", QStyle::SP_FileLinkIcon);
        case ToolIcon::Paste:
            return Themed("edit-paste", QStyle::SP_DialogApplyButton);
        case ToolIcon::Delete:
            return Themed("edit-delete", QStyle::SP_TrashIcon);
        case ToolIcon::About:
            return Themed("help-about", QStyle::SP_MessageBoxInformation);
    }
    return {};
}

QIcon ApplicationIcon() {
    QPixmap pixmap(kDrawnSize, kDrawnSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(14, 0);
    DrawRadio(p, QColor(60, 60, 60));
    return QIcon(pixmap);
}

void PrepareIconTheme() {
    if (!QIcon::themeName().isEmpty() && QIcon::themeName() != QLatin1String("hicolor")) return;
    for (const QString& path : QIcon::themeSearchPaths()) {
        for (const char* theme : {"Adwaita", "breeze", "Tango", "gnome"}) {
            if (QDir(path + "/" + theme).exists()) {
                QIcon::setThemeName(QLatin1String(theme));
                return;
            }
        }
    }
}

}  // namespace torvik
