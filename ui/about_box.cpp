#include "ui/about_box.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "quorval_version.h"
#include "ui/multi_lang.h"
#include "ui/skin.h"

namespace quorval {
namespace {

struct LabelSpec {
  const char* name;
  const char* text;
  int top;
  int points;
  bool bold;
  bool italic;
};

// Top to bottom as they stand in the panel; the texts are the English ones.
const LabelSpec kLabels[] = {
    {"ProductName", "ORVENDAL QUORVAL 2005", 14, 17, true, false},
    {"Comments",
     "A bridge club on your desk: bid and play the boards of 27 events and see how you fare against 18 pairs in "
     "three strata.",
     52, 10, false, false},
    {"Version", "Intermediate Bidding", 118, 11, true, true},
    {"CreditLabel", "Program and bidding library: the ORVENDAL QUORVAL team", 150, 9, false, false},
    {"Label1", "Double-dummy analysis: DDS", 170, 9, false, false},
    {"Label2", "Cards, boards and logo drawn by the program's own tools", 190, 9, false, false},
    {"Label4", "Built with Qt 6", 210, 9, false, false},
    // "Version" and the program's version number (composed, not translated).
    {"ProgramVersion", "Version " QUORVAL_VERSION, 228, 9, true, false},
};

// The order in which the labels are measured and placed.
const char* const kPlaceOrder[] = {"ProductName", "Comments", "Label1", "CreditLabel", "Version",
                                   "Label2",      "Label4",   "ProgramVersion"};

}  // namespace

TLabelFit FitCentred(const QString& text, const QFont& font, int panelWidth) {
  TLabelFit fit{0, 0, font};
  auto measure = [&] {
    fit.width = QFontMetrics(fit.font).horizontalAdvance(text);
    fit.left = (panelWidth - fit.width) / 2;
  };
  measure();
  while (fit.left < kAboutLabelMargin) {
    if (fit.font.pointSize() > 1) fit.font.setPointSize(fit.font.pointSize() - 1);
    else if (fit.font.pixelSize() > 1) fit.font.setPixelSize(fit.font.pixelSize() - 1);
    else break;   // no smaller font: the text stays as wide as it is
    measure();
  }
  return fit;
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle("About ORVENDAL QUORVAL 2005");
  setFixedSize(527, 328);
  auto* outer = new QFrame(this);
  outer->setObjectName("Panel2");
  outer->setGeometry(0, 0, 527, 328);
  SetTag(outer, 1);
  auto* inner = new QFrame(outer);
  inner->setObjectName("Panel1");
  inner->setGeometry(17, 22, 494, 248);
  inner->setFrameStyle(QFrame::Panel | QFrame::Raised);
  inner->setLineWidth(2);
  inner_ = inner;
  for (const LabelSpec& spec : kLabels) {
    auto* label = new QLabel(QString::fromUtf8(spec.text), inner);
    label->setObjectName(spec.name);
    QFont f = label->font();
    f.setFamily(QStringLiteral("Arial"));
    f.setPointSize(spec.points);
    f.setBold(spec.bold);
    f.setItalic(spec.italic);
    label->setFont(f);
    label->move(0, spec.top);
  }
  inner->findChild<QLabel*>("Comments")->setWordWrap(true);
  inner->findChild<QLabel*>("Comments")->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  // The word before the version number, translated with the rest.
  auto* versionWord = new QLabel("Version", inner);
  versionWord->setObjectName("LabVersionWord");
  versionWord->hide();
  auto* ok = new QPushButton("OK", outer);
  ok->setObjectName("OKBtn");
  ok->setGeometry(217, 283, 94, 33);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  lang_ = new TMultiLang(this, QStringLiteral("about"));
  PlaceLabels();
}

void TAboutBox::SetLanguage(int language) {
  lang_->SetActiveLanguage(language);
  if (auto* version = inner_->findChild<QLabel*>("ProgramVersion"))
    version->setText(inner_->findChild<QLabel*>("LabVersionWord")->text() + " " QUORVAL_VERSION);
  PlaceLabels();
}

void TAboutBox::PlaceLabels() {
  for (const char* name : kPlaceOrder) {
    auto* label = inner_->findChild<QLabel*>(name);
    if (!label) continue;
    // The label's own font is the one designed; a smaller one is only used
    // to find a width that fits.
    QFont designed = label->property("designedFont").value<QFont>();
    if (!label->property("designedFont").isValid()) {
      designed = label->font();
      label->setProperty("designedFont", designed);
    }
    const TLabelFit fit = FitCentred(label->text(), designed, inner_->width());
    if (label->wordWrap()) {
      // A wrapped text keeps its font and breaks its lines within the width.
      label->setGeometry(fit.left, label->y(), fit.width, label->heightForWidth(fit.width));
    } else {
      // A one-line text is shown in the font it fits in, so it is never cut.
      label->setFont(fit.font);
      label->setGeometry(fit.left, label->y(), fit.width, QFontMetrics(fit.font).height());
    }
  }
}

void TAboutBox::showEvent(QShowEvent* event) {
  PlaceLabels();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

}  // namespace quorval
