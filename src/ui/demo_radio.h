// The demo radio: the virtual radio program started beside the application, serving a
// pseudo-terminal, so a user without a cable can read, edit and write at once. Its memory
// lives in a file of the per-user folder, so what was written is there next time.
#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <optional>
#include <string>

namespace torvik {

inline constexpr int kDemoStartTimeoutMs = 10000;

class DemoRadio : public QObject {
    Q_OBJECT

  public:
    explicit DemoRadio(QObject* parent = nullptr);
    ~DemoRadio() override;

    // Starts `program` with its memory in `imageFile` and its factory templates from
    // `homeDir`; returns the device it serves, nothing when it did not come up.
    std::optional<std::string> start(const QString& program, const QString& imageFile,
                                     const QString& homeDir);
    void stop();
    bool running() const { return process_.state() != QProcess::NotRunning; }

    // The virtual radio program installed beside this program.
    static QString ProgramBeside(const QString& applicationDir);

  private:
    QProcess process_;
};

}  // namespace torvik
