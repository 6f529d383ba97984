// The main window's printing commands beside the print dialog: the print preview and the
// export of the report as a PDF file, both of every section.
#pragma once

#include "report/print_items.h"
#include "ui/file_dialogs.h"

namespace torvik {

class MainWindow;

// Every section the report prints.
PrintFlags AllPrintSections();

void PrintPreviewFromWindow(MainWindow& window);
// Asks for the file, then writes it; a failure is reported and leaves no file.
void ExportPdfFromWindow(MainWindow& window);

// Replaces the file dialog of the export (tests choose without a dialog).
void SetPdfFileChooser(FileChooser chooser);

}  // namespace torvik
