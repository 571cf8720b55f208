#include "app/print_runs.h"

#include <QPainter>
#include <iostream>

#include "app/command_line.h"
#include "core/board_key.h"
#include "print/hand_report.h"
#include "print/session_print.h"
#include "scoring/player_results.h"
#include "table/desktop.h"
#include "table/table_printing.h"

namespace quorval {

PageDrawer CurrentHandPage(const TDeskTop& desk) {
  const TReportLabels* labels = &desk.Printing().ReportLabels();
  return [report = desk.Printing().CurrentHandReport(), labels](QPainter& p) { PrintReport(p, report, *labels); };
}

PageDrawer SessionPage(TDeskTop& desk, const QString& session) {
  const SessionPrintPage page = desk.Printing().SessionListPage(session.left(3).toStdString(), session.mid(3, 2).toStdString());
  return [page](QPainter& p) { PrintSessionList(p, page); };
}

std::vector<PageDrawer> FiledHandPages(TDeskTop& desk, const QString& keys, int& faults) {
  std::vector<PageDrawer> pages;
  const TReportLabels* labels = &desk.Printing().ReportLabels();
  for (const QString& token : keys.split(',', Qt::SkipEmptyParts)) {
    QStringList bad;
    const bool named = token.contains('.');
    for (const BoardRef& ref : ExpandBoardKeys(token.trimmed(), bad)) {
      const std::string key = BoardKey{ref.event, ref.session, ref.board}.Text();
      std::string problem;
      const auto report = desk.Printing().FiledHandReport(key, problem);
      if (!report) {
        if (named) {
          std::cerr << problem << '\n';
          ++faults;
        }
        continue;
      }
      if (!problem.empty()) {
        std::cerr << problem << "; " << key << " is printed without its auction and play\n";
        ++faults;
      }
      pages.push_back([data = *report, labels](QPainter& p) { PrintReport(p, data, *labels); });
    }
  }
  return pages;
}

bool WritePages(const QString& file, const std::vector<PageDrawer>& pages) {
  if (pages.empty()) {
    std::cerr << "Nothing to print into " << file.toStdString() << '\n';
    return false;
  }
  if (!WritePdf(file, pages)) {
    std::cerr << "Could not write " << file.toStdString() << '\n';
    return false;
  }
  return true;
}

}  // namespace quorval
