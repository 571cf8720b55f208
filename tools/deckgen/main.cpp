// quorval-deckgen [OUTPUT_FOLDER [--sheet]]: writes deck.png and honors.png, the card
// images compiled into the program (default folder: resources/cards).
// quorval-deckgen --art [OUTPUT_FOLDER]: writes the splash logo (logo.png) and the
// program's icon in every shipped size (icon-16.png .. icon-256.png), default
// folder resources/art.

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "painters/art_painter.h"
#include "painters/deck_painter.h"

namespace {

int WriteArt(const QString& folder) {
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
    return 1;
  }
  QStringList written{folder + "/logo.png"};
  bool ok = quorval::painters::DrawLogo().save(written.back());
  for (const int size : quorval::painters::IconSizes()) {
    written << folder + QString("/icon-%1.png").arg(size);
    ok = quorval::painters::DrawIcon(size).save(written.back()) && ok;
  }
  if (!ok) {
    std::fprintf(stderr, "cannot write the images to %s\n", qPrintable(folder));
    return 1;
  }
  for (const QString& f : written) std::printf("%s\n", qPrintable(f));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc > 1 && QByteArray(argv[1]) == "--art")
    return WriteArt(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("resources/art"));
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources/cards");
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
    return 1;
  }
  const QString deckPath = folder + "/deck.png";
  const QString honoursPath = folder + "/honors.png";
  if (!quorval::painters::DrawDeck().save(deckPath) || !quorval::painters::DrawHonours().save(honoursPath)) {
    std::fprintf(stderr, "cannot write the images to %s\n", qPrintable(folder));
    return 1;
  }
  // A contact sheet, five rows of fifteen cells at double size, for looking
  // the artwork over.
  if (argc > 2 && QByteArray(argv[2]) == "--sheet") {
    const QImage deck = quorval::painters::DrawDeck();
    QImage sheet(15 * 2 * quorval::painters::kCellW + 30, 5 * 2 * quorval::painters::kCellH + 10, QImage::Format_RGB32);
    sheet.fill(QColor(0, 100, 60));
    QPainter p(&sheet);
    for (int i = 0; i < 75; ++i)
      p.drawImage(QRect((i % 15) * (2 * quorval::painters::kCellW + 2), (i / 15) * (2 * quorval::painters::kCellH + 2),
                        2 * quorval::painters::kCellW, 2 * quorval::painters::kCellH),
                  deck.copy(i * quorval::painters::kCellW, 0, quorval::painters::kCellW, quorval::painters::kCellH));
    p.end();
    sheet.save(folder + "/sheet.png");
    quorval::painters::DrawHonours().scaled(43 * 4, 121 * 4).save(folder + "/honors_x4.png");
  }
  std::printf("%s\n%s\n", qPrintable(deckPath), qPrintable(honoursPath));
  return 0;
}
