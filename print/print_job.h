#pragma once
// Sending pages to paper: the platform's print dialog, Qt's print preview,
// or a PDF file, with one drawing routine per page. Cancelling any dialog
// prints nothing.

#include <QString>
#include <functional>
#include <vector>

#include "ui/print_target.h"

class QPainter;
class QPagedPaintDevice;
class QWidget;

namespace quorval {

// Draws one page on the painter's device.
using PageDrawer = std::function<void(QPainter&)>;

// Prints the pages to the target the user chose: the print dialog, the
// preview (from which they can be printed too), or a PDF file named in a
// save dialog (`pdfName` is the name offered); a PDF written, or not, is
// told through the message sink in `language` (the table's interface
// language). False when cancelled or when nothing could be printed.
bool PrintPages(QWidget* parent, const QString& pdfName, const std::vector<PageDrawer>& pages, PrintTarget target,
                int language = 0);

// Draws the pages on a device that is already set up (a printer, a PDF
// writer), a new page before each but the first; false when painting could
// not start.
bool DrawPages(QPagedPaintDevice& device, const std::vector<PageDrawer>& pages);

// Writes the pages into a PDF file (the command line's printing); false
// when the file cannot be written.
bool WritePdf(const QString& fileName, const std::vector<PageDrawer>& pages);

}  // namespace quorval
