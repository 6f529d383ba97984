// One run of torvik-cli as a user runs it: the arguments, then the test's own home folder.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace torvik::test {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline CliRun RunCli(const QString& program, const QStringList& arguments, const QString& home) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments + QStringList{"--home", home});
    process.start();
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// A home folder for `program` with the shipped factory templates in Init/, and a copy of the
// template of band 3 (all its channels) as the file pair `codeplug`. False when a copy fails.
inline bool PrepareCliHome(const QString& program, const QString& home, const QString& codeplug) {
    const QString init = QFileInfo(program).absolutePath() + "/Init";
    if (!QDir().mkpath(home + "/Init")) return false;
    for (const QString& name : QDir(init).entryList(QDir::Files)) {
        if (!QFile::copy(init + "/" + name, home + "/Init/" + name)) return false;
    }
    QString channels = codeplug;
    channels.replace(channels.size() - 4, 4, ".fre");
    return QFile::copy(init + "/MERLAN_3.dat", codeplug) &&
           QFile::copy(init + "/MERLAN_3.fre", channels);
}

}  // namespace torvik::test
