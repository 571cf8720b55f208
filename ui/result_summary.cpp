#include "ui/result_summary.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "data/ini_store.h"
#include "scoring/session_results.h"
#include "ui/bridge_grid.h"
#include "ui/multi_lang.h"
#include "ui/skin.h"
#include "ui/session_controls.h"

namespace quorval {

TFormSummary::TFormSummary(QWidget* parent, const TBigIniFile& options, const std::string& player, int mpScoringSys,
                           const QColor& gridColour)
    : QDialog(parent), options_(options), player_(player), mpScoringSys_(mpScoringSys) {
  setObjectName("FormSummary");
  setWindowTitle("Total Results for all Sessions");
  setModal(true);
  setSizeGripEnabled(true);

  panel6_ = new QFrame(this);
  panel6_->setObjectName("Panel6");
  SetTag(panel6_, 1);   // the window's main panel takes the skin's colour 1
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(panel6_);

  grid_ = MakeResultsGrid(panel6_, kSummaryColumns, gridColour);
  grid_->SetOnGetCellFormat([](TBridgeGrid*, int col, int row, int, TFormatOptions& f) {
    if (col == 0) f.AlignmentHorz = baCenter;
    f.Font.setBold(row <= 1);
  });

  closeBtn_ = new QPushButton("Close", panel6_);
  closeBtn_->setObjectName("CloseBtn");
  closeBtn_->setFixedSize(100, 28);
  connect(closeBtn_, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(panel6_);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(grid_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(closeBtn_);
  buttons->addStretch();
  layout->addLayout(buttons);

  resize(640, 420);
  lang_ = new TMultiLang(this, QStringLiteral("result_summary"),
                         {{"LabStrataA", "A Stratum"}, {"LabStrataB", "B Stratum"}, {"LabStrataC", "C Stratum"},
                          {"LabSession", "Session"}, {"LabHandsPlayed", "Hands Played"}, {"LabTotals", "Total"},
                          {"LabPct", "Ave Imp/Pct"},
                          // Words the list carries that the window does not show.
                          {"LabMPs", "MPs/IMPs"}, {"LabRank", "Rank"}, {"LabScore", "Score"}});
  ScorePageChange();
}

void TFormSummary::SetLanguage(int language) {
  lang_->SetActiveLanguage(language);
  ScorePageChange();
}

QString TFormSummary::Text(const char* label) const { return lang_->Text(label); }

void TFormSummary::ScorePageChange() {
  SummaryLabels labels;
  labels.strata = {Text("LabStrataA").toStdString(), Text("LabStrataB").toStdString(),
                   Text("LabStrataC").toStdString()};
  labels.session = Text("LabSession").toStdString();
  labels.handsPlayed = Text("LabHandsPlayed").toStdString();
  labels.total = Text("LabTotals").toStdString();
  labels.pct = Text("LabPct").toStdString();
  std::vector<std::string> lines;
  options_.ReadSectionValues(player_, lines);
  const auto rows = BuildResultSummary(lines, mpScoringSys_, labels);
  grid_->ClearCells();
  grid_->SetRowCount(int(rows.size()));
  for (size_t r = 0; r < rows.size(); ++r)
    for (int c = 0; c < kSummaryColumns; ++c) grid_->SetCell(c, int(r), QString::fromStdString(rows[r][size_t(c)]));
  grid_->AutoSizeColumns();
}

void TFormSummary::showEvent(QShowEvent* event) {
  if (firstShow_) {
    firstShow_ = false;
    // Wide enough for every column as the texts need it, and the screen's
    // height less 200 pixels.
    int columns = 0;
    for (int c = 0; c < grid_->ColCount(); ++c) columns += grid_->ColWidth(c);
    const int wanted = columns + grid_->ColCount() * grid_->GridLineWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * 8 + 4;
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
      resize(std::min(std::max(width(), wanted), s->availableGeometry().width()),
             std::max(300, s->availableGeometry().height() - 200));
    if (parentWidget()) move(parentWidget()->window()->geometry().center() - rect().center());
  }
  ScorePageChange();
  QDialog::showEvent(event);
}

void TFormSummary::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  grid_->AutoSizeColumns();
}

}  // namespace quorval
