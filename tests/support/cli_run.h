// One run of torvik-cli as a user runs it: the arguments, then the test's own home folder.
#pragma once

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

}  // namespace torvik::test
