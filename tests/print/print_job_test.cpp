// Pages sent to a PDF file and to the print preview: every page drawn once,
// on the page that belongs to it; a PDF saved from the menu is told.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include "core/messages.h"
#include "print/print_job.h"
#include "tests/ui/ui_test_app.h"

namespace quorval {
namespace {

class PrintJobTest : public testing::UiTest {};

TEST_F(PrintJobTest, APdfGetsOnePagePerDrawerAtItsOwnResolution) {
  QTemporaryDir dir;
  std::vector<int> dpis;
  const auto page = [&](QPainter& p) {
    dpis.push_back(p.device()->logicalDpiX());
    p.drawText(100, 100, "page");
  };
  const QString file = dir.filePath("three.pdf");
  ASSERT_TRUE(WritePdf(file, {page, page, page}));
  EXPECT_EQ(dpis, (std::vector<int>{600, 600, 600}));
  QFile pdf(file);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_EQ(pdf.readAll().count("/Type /Page\n"), 3);
  EXPECT_FALSE(WritePdf(dir.filePath("no/such/folder/x.pdf"), {page}));
}

TEST_F(PrintJobTest, ThePreviewDrawsThePagesAndItsCancelPrintsNothing) {
  int drawn = 0;
  const auto page = [&](QPainter& p) {
    ++drawn;
    EXPECT_NE(dynamic_cast<QPrinter*>(p.device()), nullptr);
  };
  // The preview is closed as soon as it is up, as a user's Close would.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) dialog->reject();
  });
  closer.start(10);
  EXPECT_FALSE(PrintPages(nullptr, "x.pdf", {page, page}, PrintTarget::Preview));
  closer.stop();
  EXPECT_GE(drawn, 2);
}

// "Save as PDF" says where the file went, as the PBN export does, in the
// table's language; a file that could not be written is told as such.
TEST_F(PrintJobTest, SaveAsPdfTellsTheFileWasWritten) {
  InitUiResources();
  QTemporaryDir dir;
  const auto page = [](QPainter& p) { p.drawText(100, 100, "page"); };
  QString answer;
  int tries = 0;
  QTimer user;
  QObject::connect(&user, &QTimer::timeout, [&answer, &tries] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      dialog->selectFile(answer);
      // A dialog that will not take the answer is cancelled rather than hung on.
      if (++tries > 20) dialog->reject();
      else QMetaObject::invokeMethod(dialog, "accept");
    }
  });
  user.start(10);
  ResetMessageCounts();
  answer = dir.filePath("board");   // ".pdf" is added
  EXPECT_TRUE(PrintPages(nullptr, "x.pdf", {page}, PrintTarget::Pdf, 1));
  EXPECT_TRUE(QFile::exists(dir.filePath("board.pdf")));
  EXPECT_EQ(MessageCount(), 1);
  EXPECT_EQ(LastMessage(), "PDF-filen er gemt: " + dir.filePath("board.pdf").toStdString());

  answer = dir.filePath("board.pdf/inside.pdf");   // a file is no folder
  tries = 0;
  EXPECT_FALSE(PrintPages(nullptr, "x.pdf", {page}, PrintTarget::Pdf));
  EXPECT_EQ(MessageCount(), 2);
  EXPECT_EQ(LastMessage(), "The PDF file " + answer.toStdString() + " could not be written.");
  user.stop();
}

}  // namespace
}  // namespace quorval
