// The about box: title, version line, description and disclaimer, and a button that shows
// what a support call needs to know about this computer.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "app/language_texts.h"
#include "link/serial/port_map.h"

class QLabel;

namespace torvik {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;
inline constexpr const char* kApplicationTitle = "TORVIK";

// "<text of key 2200> 1.0.0".
QString VersionLine(const LanguageTexts& texts);

// Operating system, Qt version and the serial ports found; nothing when the system cannot
// tell what it is.
std::optional<QString> SystemInformationText(const PortMap& ports, Language language);

class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    AboutDialog(const LanguageTexts& texts, const PortMap& ports, QWidget* parent = nullptr);

    // The system-information button.
    void showSystemInformation();

  private:
    const LanguageTexts& texts_;
    const PortMap& ports_;
};

}  // namespace torvik
