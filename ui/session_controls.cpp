#include "ui/session_controls.h"

#include <QGroupBox>
#include <cctype>

#include "ui/bridge_grid.h"

namespace quorval {

TBridgeGrid* MakeResultsGrid(QWidget* parent, int columns, const QColor& colour) {
  auto* grid = new TBridgeGrid(parent);
  grid->setObjectName("BG");
  grid->SetColCount(columns);
  grid->SetRowCount(2);
  grid->SetFixedRows(2);
  grid->SetFixedCols(0);
  grid->SetDefaultRowHeight(20);
  grid->SetAlignmentHorz(baCenterRJ);
  grid->SetAlignmentVert(baBottomJustify);
  grid->SetBridgeSymbols(true);
  grid->SetColor(colour);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return grid;
}

SessionButtons MakeSessionButtons(QGroupBox* group, int top, const std::function<void(int)>& clicked) {
  SessionButtons buttons{};
  for (int n = 1; n <= 18; ++n) {
    auto* b = new QRadioButton(QString::number(n), group);
    b->setObjectName(QStringLiteral("RadioButton%1").arg(n));
    b->setGeometry(8 + ((n - 1) % 9) * 34, n <= 9 ? top : top + 26, 34, 20);   // room for two digits
    b->setStyleSheet(QStringLiteral("QRadioButton { spacing: 0px; }"));
    // A session that the event kind does not have shows its number greyed.
    // The style's own pale grey vanishes on the grey group of every skin; a
    // half-transparent black reads as greyed on light and dark grounds alike.
    QPalette pal = b->palette();
    const QColor greyed(0, 0, 0, 120);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, greyed);
    pal.setColor(QPalette::Disabled, QPalette::Text, greyed);
    b->setPalette(pal);
    QObject::connect(b, &QRadioButton::clicked, group, [clicked, n] { clicked(n); });
    buttons[size_t(n - 1)] = b;
  }
  return buttons;
}

void ShowSessions(const SessionButtons& buttons, bool pairs, int checked) {
  for (int n = 1; n <= 18; ++n) {
    QRadioButton* b = buttons[size_t(n - 1)];
    b->setEnabled(n <= 9 || pairs);
    b->setChecked(n == checked);
  }
}

int SessionNumber(const std::string& session, bool pairs) {
  int s = 1;
  if (session.size() == 2 && std::isdigit(static_cast<unsigned char>(session[0])) &&
      std::isdigit(static_cast<unsigned char>(session[1])))
    s = std::stoi(session);
  return (s < 1 || s > (pairs ? 18 : 9)) ? 1 : s;
}

std::string SessionText(int session) {
  return std::string{char('0' + session / 10 % 10), char('0' + session % 10)};
}

}  // namespace quorval
