// torvik-splash: paints the splash pictures StartE.jpg and StartC.jpg into a folder. Run at
// build time, so the pictures are made by the project itself.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 320;
constexpr int kJpegQuality = 92;

void DrawRadio(QPainter& p, QPointF at, double scale) {
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 36));
    p.drawRoundedRect(QRectF(6, 0, 8, 40), 3, 3);
    p.setBrush(QColor(45, 70, 110));
    p.drawRoundedRect(QRectF(0, 34, 56, 110), 10, 10);
    p.setBrush(QColor(190, 225, 255));
    p.drawRoundedRect(QRectF(8, 48, 40, 26), 3, 3);
    p.setBrush(QColor(225, 230, 238));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) p.drawEllipse(QRectF(10 + col * 14, 84 + row * 13, 8, 8));
    }
    p.restore();
}

bool Paint(const QString& path, const QString& subtitle) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, kWidth, kHeight);
    sky.setColorAt(0, QColor(18, 44, 84));
    sky.setColorAt(1, QColor(16, 112, 128));
    p.fillRect(image.rect(), sky);

    // Radio waves from the antenna.
    p.setPen(QPen(QColor(255, 255, 255, 70), 3));
    for (int i = 1; i <= 4; ++i) {
        const double r = 26.0 * i;
        p.drawArc(QRectF(64 - r, 70 - r, 2 * r, 2 * r), 20 * 16, 70 * 16);
    }
    DrawRadio(p, QPointF(46, 70), 1.3);

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(58);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(150, 80, kWidth - 170, 80), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("TORVIK CPS"));

    QFont sub(QStringLiteral("WenQuanYi Zen Hei"));
    sub.setPixelSize(22);
    p.setFont(sub);
    p.setPen(QColor(210, 230, 245));
    p.drawText(QRectF(152, 160, kWidth - 170, 40), Qt::AlignLeft | Qt::AlignVCenter, subtitle);

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(14);
    p.setFont(small);
    p.setPen(QColor(180, 205, 225));
    p.drawText(QRectF(0, kHeight - 36, kWidth - 20, 24), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("1.0.0"));
    p.end();
    return image.save(path, "JPG", kJpegQuality);
}

}  // namespace

int main(int argc, char** argv) {
    // Painting needs fonts, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: torvik-splash FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    const bool ok = Paint(folder.filePath("StartE.jpg"),
                          QStringLiteral("Programming software for TORVIK radios")) &&
                    Paint(folder.filePath("StartC.jpg"), QStringLiteral("TORVIK 对讲机写频软件"));
    if (!ok) std::fprintf(stderr, "torvik-splash: cannot write the pictures\n");
    return ok ? 0 : 1;
}
