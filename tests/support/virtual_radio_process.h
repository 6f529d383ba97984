// A virtual radio in a process of its own, as a technician starts one: it serves a
// pseudo-terminal, linked at a path of the test's choosing, and keeps its memory in a file.
#pragma once

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace torvik::test {

class VirtualRadioProcess {
  public:
    VirtualRadioProcess() = default;
    VirtualRadioProcess(const VirtualRadioProcess&) = delete;
    VirtualRadioProcess& operator=(const VirtualRadioProcess&) = delete;
    ~VirtualRadioProcess() { stop(); }

    // Starts `radioProgram` with a new memory file `image` (made from a new codeplug), its
    // device linked at `link`, and the given options (faults, serial number, ...). True once
    // it serves the device.
    bool start(const QString& radioProgram, const QString& image, const QString& link,
               const QStringList& options = {}) {
        stop();
        QFile::remove(image);
        process_.setProgram(radioProgram);
        process_.setArguments(QStringList{"--image", image, "--link", link, "--home",
                                          QFileInfo(radioProgram).absolutePath()} +
                              options);
        process_.start();
        return process_.waitForReadyRead(10000);  // it prints its device once it serves it
    }

    void stop() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        process_.waitForFinished(5000);
    }

  private:
    QProcess process_;
};

}  // namespace torvik::test
