#include "ui/demo_radio.h"

#include <sys/prctl.h>

#include <QDir>
#include <QFileInfo>
#include <csignal>

namespace torvik {

DemoRadio::DemoRadio(QObject* parent) : QObject(parent) {
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.setStandardErrorFile(QProcess::nullDevice());
    // Should this program end without closing its window (killed, crashed), the radio ends
    // with it instead of holding its pseudo-terminal forever.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

DemoRadio::~DemoRadio() {
    stop();
}

QString DemoRadio::ProgramBeside(const QString& applicationDir) {
    return QDir(applicationDir).filePath(QStringLiteral("torvik-radio"));
}

std::optional<std::string> DemoRadio::start(const QString& program, const QString& imageFile,
                                            const QString& homeDir) {
    stop();
    if (!QFileInfo(program).isExecutable()) return std::nullopt;
    QDir().mkpath(QFileInfo(imageFile).absolutePath());
    process_.start(program, {"--image", imageFile, "--home", homeDir});
    if (!process_.waitForStarted(kDemoStartTimeoutMs)) return std::nullopt;
    // The radio prints its device once it serves it.
    QByteArray line;
    while (!line.contains('\n')) {
        if (!process_.waitForReadyRead(kDemoStartTimeoutMs)) {
            stop();
            return std::nullopt;
        }
        line += process_.readAllStandardOutput();
    }
    const QString device = QString::fromLocal8Bit(line.left(line.indexOf('\n'))).trimmed();
    if (device.isEmpty()) {
        stop();
        return std::nullopt;
    }
    return device.toStdString();
}

void DemoRadio::stop() {
    if (process_.state() == QProcess::NotRunning) return;
    // The radio saves its memory when it is asked to end.
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(1000);
    }
}

}  // namespace torvik
