#include "print/print_job.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/messages.h"
#include "ui/multi_lang.h"

namespace quorval {
namespace {

// The pages' own left and top edges are measured from the printable area;
// a narrow margin keeps them near where a desktop printer's area begins.
const QMarginsF kMargins(5, 5, 5, 5);

void SetUp(QPagedPaintDevice& device) {
  device.setPageMargins(kMargins, QPageLayout::Millimeter);
}

}  // namespace

bool DrawPages(QPagedPaintDevice& device, const std::vector<PageDrawer>& pages) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) device.newPage();
    painter.save();
    pages[i](painter);
    painter.restore();
  }
  return painter.end();
}

bool WritePdf(const QString& fileName, const std::vector<PageDrawer>& pages) {
  {
    QFile probe(fileName);
    if (!probe.open(QIODevice::WriteOnly)) return false;
  }
  QPdfWriter writer(fileName);
  writer.setResolution(600);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setCreator("ORVENDAL QUORVAL 2005");
  SetUp(writer);
  return DrawPages(writer, pages);
}

bool PrintPages(QWidget* parent, const QString& pdfName, const std::vector<PageDrawer>& pages, PrintTarget target,
                int language) {
  QPrinter printer(QPrinter::HighResolution);
  SetUp(printer);
  switch (target) {
    case PrintTarget::Printer: {
      QPrintDialog dialog(&printer, parent);
      dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
      if (dialog.exec() != QDialog::Accepted) return false;
      break;
    }
    case PrintTarget::Preview: {
      QPrintPreviewDialog preview(&printer, parent);
      QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                       [&pages](QPrinter* p) { DrawPages(*p, pages); });
      return preview.exec() == QDialog::Accepted;
    }
    case PrintTarget::Pdf: {
      QString file = QFileDialog::getSaveFileName(parent, QString(), pdfName, "PDF (*.pdf)");
      if (file.isEmpty()) return false;
      if (!file.endsWith(".pdf", Qt::CaseInsensitive)) file += ".pdf";
      QApplication::setOverrideCursor(Qt::WaitCursor);
      const bool written = WritePdf(file, pages);
      QApplication::restoreOverrideCursor();
      // As the PBN export does: the user is told where the file went.
      const QString shown = QDir::toNativeSeparators(file);
      ShowMessage((written ? WordText("printing", "PdfWritten", language, "The PDF file was written: %1")
                           : WordText("printing", "PdfNotWritten", language, "The PDF file %1 could not be written."))
                      .arg(shown)
                      .toStdString());
      return written;
    }
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool printed = DrawPages(printer, pages);
  QApplication::restoreOverrideCursor();
  return printed;
}

}  // namespace quorval
