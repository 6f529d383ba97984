// The serial-port dialog: the present ports by number ("COM3"), re-listed every second so an
// adapter plugged in or pulled out shows up while the dialog is open, and the choice follows.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "app/language_texts.h"
#include "link/serial/port_map.h"

class QComboBox;
class QTimer;

namespace torvik {

inline constexpr int kPortRefreshMs = 1000;

class PortSettingsDialog : public QDialog {
    Q_OBJECT

  public:
    using Scanner = std::function<std::vector<SerialDevice>()>;

    PortSettingsDialog(const LanguageTexts& texts, PortMap& ports, Scanner scan, int portNumber,
                       QWidget* parent = nullptr);

    // The selected port's number, 0 when nothing is selected.
    int portId() const { return portId_; }

    // One tick of the refresh: the ports are listed again and the selection kept on the same
    // port, or moved to the first one when it has gone.
    void refreshPorts();

    QTimer* refreshTimer() const { return timer_; }

    void done(int result) override;

  private:
    void fillList();
    void selectPort(int number);

    PortMap& ports_;
    Scanner scan_;
    QComboBox* port_;
    QTimer* timer_;
    int portId_ = 0;
};

}  // namespace torvik
