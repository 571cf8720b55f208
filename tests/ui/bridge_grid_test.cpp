// The result grid and the suit-symbol text: glyphs and colours, cell
// formats, alignment offsets and automatic column widths.

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "tests/ui/ui_test_app.h"
#include "ui/bridge_grid.h"
#include "ui/symbol_text.h"

namespace quorval {
namespace {

using testing::UiTest;

// Draws a text on white and counts the pixels of each kind of ink.
struct Inked {
  int red = 0, black = 0, navy = 0, other = 0;
};
Inked DrawAndCount(const QString& text, QColor pen = Qt::black, int* endX = nullptr) {
  QImage img(200, 40, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  QFont f(SuitFontName());
  f.setPixelSize(20);
  p.setFont(f);
  p.setPen(pen);
  const int end = DrawSymbolText(p, 0, 5, 0, text);
  p.end();
  if (endX) *endX = end;
  Inked n;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c == Qt::white) continue;
      if (c.red() > 150 && c.green() < 100 && c.blue() < 100) ++n.red;
      else if (c.red() < 60 && c.green() < 60 && c.blue() < 60) ++n.black;
      else if (c.blue() > 80 && c.red() < 60 && c.green() < 60) ++n.navy;
      else ++n.other;
    }
  return n;
}

class SymbolTextTest : public UiTest {};

TEST_F(SymbolTextTest, SuitMarksBecomeGlyphsInTheSuitsColour) {
  const Inked hearts = DrawAndCount("3~H");
  EXPECT_GT(hearts.red, 20);
  EXPECT_GT(hearts.black, 5);   // the 3
  const Inked spades = DrawAndCount("4~S X");
  EXPECT_EQ(spades.red, 0);
  EXPECT_GT(spades.black, 40);
  const Inked notrump = DrawAndCount("3~N");
  EXPECT_GT(notrump.navy, 10);
  // Greyed text stays grey: the glyph takes no suit colour.
  EXPECT_EQ(DrawAndCount("3~H", QColor(128, 128, 128)).red, 0);
}

TEST_F(SymbolTextTest, ALoneTildeAndUnknownLettersDrawATilde) {
  int lone = 0, plain = 0;
  const Inked a = DrawAndCount("~", Qt::black, &lone);
  EXPECT_GT(a.black + a.other, 0);
  QImage img(10, 10, QImage::Format_RGB32);
  QPainter p(&img);
  QFont f(SuitFontName());
  f.setPixelSize(20);
  p.setFont(f);
  plain = QFontMetrics(f).horizontalAdvance("~");
  EXPECT_EQ(lone, 2 + plain);
  EXPECT_EQ(StrainGlyph('Q', 0), "~");
  EXPECT_EQ(DrawSymbolText(p, 7, 0, 0, ""), 7);
}

// The suit glyph font differs from the text's font; the glyph must stand on
// the text's baseline (raised by the one-pixel lift), not float above it.
TEST_F(SymbolTextTest, GlyphsStandOnTheTextsBaseline) {
  for (const char* family : {"DejaVu Serif", "Nimbus Roman"}) {
    QImage img(200, 60, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QFont f(family);
    f.setPixelSize(24);
    p.setFont(f);
    p.setPen(Qt::black);
    DrawSymbolText(p, 0, 5, 0, "1~N");
    p.end();
    int digitBottom = -1, markBottom = -1;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const QColor c = img.pixelColor(x, y);
        if (c.blue() > 80 && c.red() < 60 && c.green() < 60) markBottom = y;
        else if (c.red() < 60 && c.green() < 60 && c.blue() < 60) digitBottom = y;
      }
    ASSERT_GE(digitBottom, 0) << family;
    ASSERT_GE(markBottom, 0) << family;
    EXPECT_LE(std::abs(digitBottom - markBottom), 2) << family;
  }
}

TEST_F(SymbolTextTest, NoTrumpMarkFollowsTheLanguage) {
  struct Row {
    int language;
    const char* mark;
  };
  for (const Row& row : {Row{0, "NT"}, Row{1, "UT"}, Row{2, "G"}, Row{4, "NT"}}) {
    EXPECT_EQ(NoTrumpText(row.language), row.mark) << row.language;
    EXPECT_EQ(StrainGlyph('N', row.language), row.mark);
  }
  EXPECT_EQ(StrainGlyph('S', 1), QString(QChar(0x2660)));
  EXPECT_EQ(StrainGlyph('D', 0), QString(QChar(0x2666)));
}

class BridgeGridTest : public UiTest {
 protected:
  void SetUp() override {
    grid.setFont([] {
      QFont f(SuitFontName());
      f.setPixelSize(13);
      return f;
    }());
    grid.SetGridLines(false, false);
  }
  TBridgeGrid grid;
};

TEST_F(BridgeGridTest, CallbackBrushPaintsColumnZeroAndFilledCellsOnly) {
  grid.resize(300, 100);
  grid.SetColCount(3);
  grid.SetRowCount(2);
  grid.SetFixedRows(0);
  grid.SetFixedCols(0);
  grid.SetDefaultRowHeight(30);
  for (int c = 0; c < 3; ++c) grid.SetColWidth(c, 100);
  grid.SetColor(Qt::white);
  grid.SetCell(1, 0, "x");
  grid.SetOnGetCellFormat([](TBridgeGrid*, int, int, int, TFormatOptions& f) { f.Brush = QBrush(QColor(0, 200, 0)); });
  const QImage shot = grid.grab().toImage();
  EXPECT_EQ(shot.pixelColor(50, 25), QColor(0, 200, 0));    // empty, column 0
  EXPECT_EQ(shot.pixelColor(195, 25), QColor(0, 200, 0));   // column 1 has text
  EXPECT_EQ(shot.pixelColor(250, 25), QColor(Qt::white));   // empty, column 2
}

TEST_F(BridgeGridTest, FormatCallbackSeesFixedCellsAndMayHideText) {
  grid.SetColCount(2);
  grid.SetRowCount(3);
  std::vector<std::tuple<int, int, int>> seen;
  grid.SetOnGetCellFormat([&](TBridgeGrid*, int col, int row, int state, TFormatOptions& f) {
    seen.emplace_back(col, row, state);
    if (row == 2) f.HideText = true;
  });
  grid.SetCell(1, 2, "123");
  EXPECT_EQ(grid.MeasuredTextWidth(1, 2), 0);
  EXPECT_EQ(grid.CellFormat(0, 1).AlignmentHorz, baLeftJustify);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(std::get<2>(seen.back()), gdFixed);   // column 0 is fixed
}

// The dark pixels of a band of a picture, from the first column to the last.
struct InkSpan {
  int left = -1, right = -1;
};
InkSpan InkIn(const QImage& img, const QRect& band) {
  InkSpan ink;
  for (int x = band.left(); x <= band.right() && x < img.width(); ++x)
    for (int y = band.top(); y <= band.bottom() && y < img.height(); ++y) {
      const QColor c = img.pixelColor(x, y);
      if (c.red() < 100 && c.green() < 100 && c.blue() < 100) {
        if (ink.left < 0) ink.left = x;
        ink.right = x;
        break;
      }
    }
  return ink;
}

// Where a text's ink lies, and how far it reaches, when the symbol routine
// draws it at x = 0 in the given font.
InkSpan InkAtZero(const QFont& font, const QString& text, int* advance) {
  QImage img(400, 40, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setFont(font);
  p.setPen(Qt::black);
  *advance = DrawSymbolText(p, 50, 5, 0, text) - 50;
  p.end();
  InkSpan ink = InkIn(img, img.rect());
  ink.left -= 50;
  ink.right -= 50;
  return ink;
}

TEST_F(BridgeGridTest, CentredRightJustifiedBodySitsUnderAWiderHeading) {
  grid.resize(400, 200);
  grid.SetColCount(2);
  grid.SetRowCount(3);
  grid.SetFixedCols(0);
  grid.SetAlignmentHorz(baCenterRJ);
  grid.SetAdjustOnSort(asNone);
  grid.SetCell(0, 0, "A long heading");
  grid.SetCell(0, 1, "10");
  grid.SetCell(0, 2, "-340");
  grid.AutoSizeColumn(0);
  const int W = grid.MeasuredTextWidth(0, 0) + 6, B = grid.MeasuredTextWidth(0, 2) + 6;
  EXPECT_EQ(grid.ColWidth(0), W);
  EXPECT_EQ(grid.Indent(0), (W - B) / 2);

  // Measured on the drawn grid: where each text starts within its cell.
  grid.show();
  const QImage shot = grid.viewport()->grab().toImage();
  const auto startInCell = [&](int row, const QString& text, int* advance) {
    const InkSpan drawn = InkIn(shot, grid.CellRect(0, row));
    const InkSpan alone = InkAtZero(grid.font(), text, advance);
    EXPECT_GE(drawn.left, 0) << "row " << row;
    EXPECT_EQ(drawn.right - drawn.left, alone.right - alone.left) << "row " << row << " is clipped";
    return drawn.left - alone.left - grid.CellRect(0, row).left();
  };
  int heading = 0, ten = 0, body = 0;
  const int headingAt = startInCell(0, "A long heading", &heading);
  const int tenAt = startInCell(1, "10", &ten);
  const int bodyAt = startInCell(2, "-340", &body);
  // The heading fills the column but for the six pixels of margin, three on
  // each side.
  EXPECT_EQ(headingAt, 3);
  // The body is right-justified: both numbers end at the same place...
  EXPECT_EQ(tenAt + ten, bodyAt + body);
  // ...well short of the cell's right edge, so that the widest number sits
  // centred under the heading (the margins of two and three pixels aside).
  EXPECT_LT(bodyAt + body, W - 5 - 10);
  EXPECT_LE(std::abs((bodyAt + body / 2) - (headingAt + heading / 2)), 3);
}

TEST_F(BridgeGridTest, SpareWidthIsSharedEquallyOrGivenToTheLastColumn) {
  grid.resize(200, 200);
  grid.SetColCount(3);
  grid.SetRowCount(2);
  grid.SetColWidth(0, 40);
  grid.SetColWidth(1, 40);
  // An empty last column is 6 pixels wide: 200 - 40 - 40 - 6 = 114 pixels
  // spare, 38 for each column less one pixel.
  grid.SetAdjustOnSort(asEqual);
  grid.AutoSizeColumn(2);
  EXPECT_EQ(grid.ColWidth(0), 77);
  EXPECT_EQ(grid.ColWidth(1), 77);
  EXPECT_EQ(grid.ColWidth(2), 43);
  grid.SetColWidth(0, 40);
  grid.SetColWidth(1, 40);
  grid.SetAdjustOnSort(asPadRight);
  grid.AutoSizeColumn(2);
  EXPECT_EQ(grid.ColWidth(2), 6 + 114);

  // With a text the column is the text and its margin; the spare width
  // still goes to it in full.
  grid.SetCell(2, 1, "abc");
  const int W = QFontMetrics(grid.font()).horizontalAdvance("abc") + 6;
  const int spare = 200 - 80 - W;
  ASSERT_GT(spare, 0);

  grid.SetColWidth(0, 40);
  grid.SetColWidth(1, 40);
  grid.SetAdjustOnSort(asPadRight);
  grid.AutoSizeColumn(2);
  EXPECT_EQ(grid.ColWidth(2), W + spare);
  grid.SetAdjustOnSort(asNone);
  grid.AutoSizeColumn(2);
  EXPECT_EQ(grid.ColWidth(2), W);
}

// A grid sized while its page was still hidden learns its real width later;
// the columns must then fit that width instead of the old one.
TEST_F(BridgeGridTest, AutomaticWidthsFollowTheGridOnceItIsLaidOut) {
  grid.SetColCount(7);
  grid.SetRowCount(2);
  for (int c = 0; c < 7; ++c) grid.SetCell(c, 0, "Head");
  grid.resize(700, 150);
  grid.AutoSizeColumns();
  const int wideFirst = grid.ColWidth(0);
  grid.resize(330, 150);
  grid.show();
  QCoreApplication::processEvents();
  int total = 0;
  for (int c = 0; c < 7; ++c) total += grid.ColWidth(c);
  EXPECT_LT(grid.ColWidth(0), wideFirst);
  EXPECT_LE(total, 330);
  EXPECT_GE(grid.ColWidth(0), grid.MeasuredTextWidth(0, 0) + 6);

  // Widths set by hand are not touched by a resize.
  grid.SetColWidth(0, 99);
  grid.resize(500, 150);
  QCoreApplication::processEvents();
  EXPECT_EQ(grid.ColWidth(0), 99);
}

TEST_F(BridgeGridTest, LeadingBlanksAreDroppedInCentredColumns) {
  grid.SetColCount(2);
  grid.SetRowCount(2);
  grid.SetCell(1, 1, " 12");
  grid.SetAlignmentHorz(baCenter);
  const int centred = grid.MeasuredTextWidth(1, 1);
  EXPECT_EQ(centred, QFontMetrics(grid.font()).horizontalAdvance("12"));
  grid.SetAlignmentHorz(baLeftJustify);
  EXPECT_GT(grid.MeasuredTextWidth(1, 1), centred);
}

TEST_F(BridgeGridTest, SizingAndCellAccessSurviveOutOfRangeInput) {
  grid.SetColCount(2);
  grid.SetRowCount(2);
  grid.SetCell(5, 5, "x");
  EXPECT_EQ(grid.Cell(5, 5), "");
  EXPECT_EQ(grid.Cell(-1, 0), "");
  grid.SetCell(1, 1, "kept");
  grid.SetColCount(4);
  EXPECT_EQ(grid.Cell(1, 1), "kept");
  grid.AutoSizeColumn(9);
  grid.AutoSizeColumns();
  EXPECT_GT(grid.ColWidth(1), 6);
}

}  // namespace
}  // namespace quorval
