#include "ui/progress_window.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "progress/progress_chart.h"
#include "ui/multi_lang.h"

namespace quorval {
namespace {

// The window's run-time texts, rows of its word list.
const std::vector<WindowText>& ProgressTexts() {
  static const std::vector<WindowText> texts = {
      {"ChartScore", "Score per session"},
      {"ChartPlay", "Card play: tricks lost double dummy"},
      {"ChartLeads", "Opening leads keeping the double-dummy value"},
      {"ChartAuctions", "Auctions: the contract against par"},
      {"AxisBoards", "Boards in the order filed"},
      {"AxisImps", "IMPs per board"},
      {"AxisPct", "Percentage"},
      {"AxisTricks", "Tricks lost per board"},
      {"AxisLeads", "Leads kept (%)"},
      {"AxisPar", "IMPs against par"},
      {"SeriesStratum", "Stratum %1"},
      {"SeriesBand", "Strata A to C"},
      {"SeriesDeclarer", "As declarer"},
      {"SeriesDefender", "As defender"},
      {"SeriesLeads", "Your opening leads"},
      {"SeriesPar", "Your contracts"},
      {"SeriesRunning", "%1, last 10 boards"},
      {"StatusWorking", "Working out the double-dummy figures: %1 of %2 boards"},
      {"StatusDone", "%1 boards filed with a kept play; one point per session, a line over the last 10 boards"},
      {"StatusNone", "No boards filed with a kept play yet."},
      {"StatusCancelled", "Stopped: the figures of %1 of %2 boards are shown."},
  };
  return texts;
}

const QColor kStrataColours[3] = {QColor(0, 90, 190), QColor(0, 150, 70), QColor(200, 110, 0)};
const QColor kDeclarerColour(0, 90, 190), kDefenderColour(190, 40, 40);

QLineSeries* Line(const std::vector<ChartPoint>& points) {
  auto* line = new QLineSeries;
  for (const ChartPoint& p : points) line->append(p.x, p.y);
  return line;
}

QScatterSeries* Points(const std::vector<ChartPoint>& points, const QString& name, const QColor& colour) {
  auto* dots = new QScatterSeries;
  dots->setName(name);
  dots->setColor(colour);
  dots->setBorderColor(colour.darker(130));
  dots->setMarkerSize(9);
  for (const ChartPoint& p : points) dots->append(p.x, p.y);
  return dots;
}

// A series drawn but not named in its chart's legend: the running lines
// have the colour of their sessions' points, and a second kind of score
// repeats the first's names.
void Unnamed(QChart* chart, QAbstractSeries* series) {
  for (QLegendMarker* marker : chart->legend()->markers(series)) marker->setVisible(false);
}

// A chart's y axis that holds every value shown, with a little room.
void FitAxis(QValueAxis* axis, double low, double high) {
  if (low > high) low = high = 0;
  const double pad = std::max(0.5, (high - low) * 0.08);
  axis->setRange(std::floor(low - pad), std::ceil(high + pad));
  axis->applyNiceNumbers();
}

}  // namespace

TProgressWindow::TProgressWindow(QWidget* parent, Compute compute, int mpScoringSys, int language)
    : QDialog(parent), mpScoringSys_(mpScoringSys) {
  setObjectName("ProgressWindow");
  setWindowTitle("My Progress");
  resize(1060, 760);
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    charts_[size_t(i)] = new QChartView(new QChart, this);
    charts_[size_t(i)]->setObjectName(QString("Chart%1").arg(i));
    charts_[size_t(i)]->setRenderHint(QPainter::Antialiasing);
    charts_[size_t(i)]->setMinimumSize(480, 320);
    grid->addWidget(charts_[size_t(i)], i / 2, i % 2);
  }
  layout->addLayout(grid, 1);
  auto* row = new QHBoxLayout;
  status_ = new QLabel(this);
  status_->setObjectName("StatusText");
  row->addWidget(status_, 1);
  bar_ = new QProgressBar(this);
  bar_->setObjectName("WorkBar");
  bar_->setRange(0, 1);
  bar_->setValue(0);
  bar_->setMaximumWidth(260);
  row->addWidget(bar_);
  cancel_ = new QPushButton("Cancel", this);
  cancel_->setObjectName("CancelBtn");
  connect(cancel_, &QPushButton::clicked, this, [this] { CancelClick(); });
  row->addWidget(cancel_);
  close_ = new QPushButton("Close", this);
  close_->setObjectName("CloseBtn");
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  row->addWidget(close_);
  layout->addLayout(row);
  lang_ = new TMultiLang(this, QStringLiteral("progress"), ProgressTexts());
  SetLanguage(language);

  // The figures are worked out (or read from where they are kept) away
  // from the window; each board's step and the end come back to it.
  worker_ = std::thread([this, compute = std::move(compute)] {
    ProgressRun run;
    run.cancel = &stop_;
    run.step = [this](int done, int total) {
      QMetaObject::invokeMethod(this, [this, done, total] { Step(done, total); }, Qt::QueuedConnection);
    };
    PlayerProgress progress = compute(run);
    QMetaObject::invokeMethod(this, [this, progress = std::move(progress)]() mutable { Finished(std::move(progress)); },
                              Qt::QueuedConnection);
  });
}

TProgressWindow::~TProgressWindow() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
}

void TProgressWindow::WaitForFigures() {
  if (worker_.joinable()) worker_.join();
  QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void TProgressWindow::CancelClick() {
  stop_ = true;
  cancel_->setEnabled(false);
}

QString TProgressWindow::Text(const char* key) const { return lang_->Text(key); }

QString TProgressWindow::StatusText() const { return status_->text(); }

void TProgressWindow::SetLanguage(int language) {
  lang_->SetActiveLanguage(language);
  if (done_) DrawCharts();
  else status_->setText(Text("StatusWorking").arg(bar_->value()).arg(bar_->maximum()));
}

void TProgressWindow::Step(int done, int total) {
  if (done_) return;
  bar_->setRange(0, std::max(1, total));
  bar_->setValue(done);
  status_->setText(Text("StatusWorking").arg(done).arg(total));
}

void TProgressWindow::Finished(PlayerProgress progress) {
  progress_ = std::move(progress);
  done_ = true;
  if (worker_.joinable()) worker_.join();
  cancel_->setEnabled(false);
  bar_->setRange(0, std::max<int>(1, static_cast<int>(progress_.boards.size())));
  bar_->setValue(bar_->maximum());
  DrawCharts();
}

void TProgressWindow::DrawCharts() {
  const std::vector<BoardProgress>& boards = progress_.boards;
  int worked = 0;
  for (const BoardProgress& b : boards) worked += b.dd ? 1 : 0;
  if (boards.empty()) status_->setText(Text("StatusNone"));
  else if (progress_.cancelled) status_->setText(Text("StatusCancelled").arg(worked).arg(boards.size()));
  else status_->setText(Text("StatusDone").arg(boards.size()));

  const double lastX = std::max<double>(2, static_cast<double>(boards.size()));
  const QString running = Text("SeriesRunning");
  auto chart = [&](int index, const char* title) {
    QChart* c = charts_[size_t(index)]->chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) c->removeAxis(axis), delete axis;
    c->setTitle(Text(title));
    c->legend()->setAlignment(Qt::AlignBottom);
    auto* x = new QValueAxis;
    x->setTitleText(Text("AxisBoards"));
    x->setRange(1, lastX);
    x->setLabelFormat("%d");
    c->addAxis(x, Qt::AlignBottom);
    return std::make_pair(c, x);
  };
  // One measure's points per session and its running line on (c, x, y).
  double low = 0, high = 0;
  auto add = [&](QChart* c, QValueAxis* x, QValueAxis* y, const ProgressCurve& curve, const QString& name,
                 const QColor& colour) {
    for (const auto* points : {&curve.sessions, &curve.running})
      for (const ChartPoint& p : *points) {
        low = std::min(low, p.y);
        high = std::max(high, p.y);
      }
    QLineSeries* line = Line(curve.running);
    line->setName(running.arg(name));
    line->setPen(QPen(colour, 2));
    QScatterSeries* dots = Points(curve.sessions, name, colour);
    for (QXYSeries* s : {static_cast<QXYSeries*>(line), static_cast<QXYSeries*>(dots)}) {
      c->addSeries(s);
      s->attachAxis(x);
      s->attachAxis(y);
    }
    Unnamed(c, line);
  };

  // The score: IMPs per board and match-point percentage each on an axis of
  // their own, the three strata as a band and as points.
  {
    auto [c, x] = chart(0, "ChartScore");
    bool named = false;   // the first kind of score names the series
    for (const bool imps : {true, false}) {
      std::array<ProgressCurve, 3> strata;
      for (int s = 0; s < 3; ++s)
        strata[size_t(s)] = MeasureCurve(boards, static_cast<ProgressMeasure>(s), imps, mpScoringSys_);
      if (strata[0].sessions.empty()) continue;
      low = high = imps ? 0 : 50;
      auto* y = new QValueAxis;
      y->setTitleText(Text(imps ? "AxisImps" : "AxisPct"));
      c->addAxis(y, imps ? Qt::AlignLeft : Qt::AlignRight);
      auto* upper = new QLineSeries, *lower = new QLineSeries;
      for (size_t i = 0; i < strata[0].sessions.size(); ++i) {
        double top = strata[0].sessions[i].y, bottom = top;
        for (const ProgressCurve& s : strata) {
          top = std::max(top, s.sessions[i].y);
          bottom = std::min(bottom, s.sessions[i].y);
        }
        upper->append(strata[0].sessions[i].x, top);
        lower->append(strata[0].sessions[i].x, bottom);
      }
      auto* band = new QAreaSeries(upper, lower);
      upper->setParent(band);
      lower->setParent(band);
      band->setName(Text("SeriesBand"));
      band->setColor(QColor(120, 160, 220, 70));
      band->setBorderColor(QColor(120, 160, 220));
      c->addSeries(band);
      band->attachAxis(x);
      band->attachAxis(y);
      if (named) Unnamed(c, band);
      for (int s = 0; s < 3; ++s) {
        QScatterSeries* dots =
            Points(strata[size_t(s)].sessions, Text("SeriesStratum").arg(QChar('A' + s)), kStrataColours[s]);
        c->addSeries(dots);
        dots->attachAxis(x);
        dots->attachAxis(y);
        if (named) Unnamed(c, dots);
        for (const ChartPoint& p : strata[size_t(s)].sessions) {
          low = std::min(low, p.y);
          high = std::max(high, p.y);
        }
      }
      // The running line against the middle stratum.
      QLineSeries* line = Line(strata[1].running);
      line->setName(running.arg(Text("SeriesStratum").arg('B')));
      line->setPen(QPen(kStrataColours[1], 2, imps ? Qt::SolidLine : Qt::DashLine));
      c->addSeries(line);
      line->attachAxis(x);
      line->attachAxis(y);
      Unnamed(c, line);
      named = true;
      for (const ChartPoint& p : strata[1].running) {
        low = std::min(low, p.y);
        high = std::max(high, p.y);
      }
      FitAxis(y, low, high);
    }
  }
  auto single = [&](int index, const char* title, const char* axis,
                    std::vector<std::tuple<ProgressMeasure, const char*, QColor>> measures, double floor) {
    auto [c, x] = chart(index, title);
    auto* y = new QValueAxis;
    y->setTitleText(Text(axis));
    c->addAxis(y, Qt::AlignLeft);
    low = high = floor;
    for (const auto& [measure, name, colour] : measures)
      add(c, x, y, MeasureCurve(boards, measure, true, mpScoringSys_), Text(name), colour);
    FitAxis(y, low, high);
  };
  single(1, "ChartPlay", "AxisTricks",
         {{ProgressMeasure::DeclarerLost, "SeriesDeclarer", kDeclarerColour},
          {ProgressMeasure::DefenderLost, "SeriesDefender", kDefenderColour}},
         0);
  single(2, "ChartLeads", "AxisLeads", {{ProgressMeasure::LeadKept, "SeriesLeads", kStrataColours[1]}}, 0);
  if (auto* leads = qobject_cast<QValueAxis*>(charts_[2]->chart()->axes(Qt::Vertical).value(0))) leads->setRange(0, 100);
  single(3, "ChartAuctions", "AxisPar", {{ProgressMeasure::ImpsVsPar, "SeriesPar", kStrataColours[2]}}, 0);
}

}  // namespace quorval
