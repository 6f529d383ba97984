// PrintSectionsDialog, the print dialog: the user ticks the sections of the programming report and
// prints them through the platform's print dialog, previews them, or sets up the page. A job
// that is cancelled or fails leaves the dialog open with its ticks.
#pragma once

#include <QDialog>
#include <QPrinter>
#include <array>
#include <functional>

#include "aggregate/codeplug.h"
#include "app/language_texts.h"
#include "report/print_items.h"

class QCheckBox;
class QPushButton;

namespace torvik {

class PrintSectionsDialog : public QDialog {
    Q_OBJECT

  public:
    // Prints the flagged sections; true when the document was printed to the end.
    using Job = std::function<bool(const PrintFlags&)>;

    PrintSectionsDialog(const Codeplug& codeplug, const LanguageTexts& texts,
                        QWidget* parent = nullptr);

    // The ticks as they stand.
    PrintFlags ticks() const;
    // The print flags of the last OK that printed, or ran a job.
    const PrintFlags& printFlags() const { return flags_; }
    QPrinter& printer() { return printer_; }
    // Replaces the job OK runs (tests print to a file without a dialog).
    void setJob(Job job) { job_ = std::move(job); }

    // The platform's print dialog, then the report on the printer chosen.
    bool printJob(const PrintFlags& flags);

  private:
    void buildLayout();
    void tickAll();
    void untickAll();
    void pageSetup();
    void showPreview();
    void printTicked();
    // The no-tick warning; true when something is ticked.
    bool checkTicked();

    const Codeplug& codeplug_;
    const LanguageTexts& texts_;
    std::array<QCheckBox*, kPrintItems> checks_{};
    QPushButton* selectAll_ = nullptr;
    QPushButton* clearAll_ = nullptr;
    QPushButton* setup_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPrinter printer_{QPrinter::HighResolution};
    PrintFlags flags_{};
    Job job_;
};

// The report of `flags` in the print-preview window, with its own print button.
void PreviewReport(QPrinter& printer, const Codeplug& codeplug, const LanguageTexts& texts,
                   const PrintFlags& flags, QWidget* parent);

}  // namespace torvik
