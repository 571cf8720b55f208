// quorval-deckgen [OUTPUT_FOLDER [--sheet]]: writes deck.png and honors.png, the card
// images compiled into the program (default folder: resources/cards).

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "tools/deckgen/deck_painter.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources/cards");
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
    return 1;
  }
  const QString deckPath = folder + "/deck.png";
  const QString honoursPath = folder + "/honors.png";
  if (!deckgen::DrawDeck().save(deckPath) || !deckgen::DrawHonours().save(honoursPath)) {
    std::fprintf(stderr, "cannot write the images to %s\n", qPrintable(folder));
    return 1;
  }
  // A contact sheet, five rows of fifteen cells at double size, for looking
  // the artwork over.
  if (argc > 2 && QByteArray(argv[2]) == "--sheet") {
    const QImage deck = deckgen::DrawDeck();
    QImage sheet(15 * 2 * deckgen::kCellW + 30, 5 * 2 * deckgen::kCellH + 10, QImage::Format_RGB32);
    sheet.fill(QColor(0, 100, 60));
    QPainter p(&sheet);
    for (int i = 0; i < 75; ++i)
      p.drawImage(QRect((i % 15) * (2 * deckgen::kCellW + 2), (i / 15) * (2 * deckgen::kCellH + 2),
                        2 * deckgen::kCellW, 2 * deckgen::kCellH),
                  deck.copy(i * deckgen::kCellW, 0, deckgen::kCellW, deckgen::kCellH));
    p.end();
    sheet.save(folder + "/sheet.png");
    deckgen::DrawHonours().scaled(43 * 4, 121 * 4).save(folder + "/honors_x4.png");
  }
  std::printf("%s\n%s\n", qPrintable(deckPath), qPrintable(honoursPath));
  return 0;
}
