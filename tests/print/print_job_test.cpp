// Pages sent to a PDF file and to the print preview: every page drawn once,
// on the page that belongs to it.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

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

}  // namespace
}  // namespace quorval
