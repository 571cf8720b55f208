#include "app/command_line.h"

#include <QRegularExpression>

#include "app/show_window.h"
#include "data/options.h"

namespace quorval {

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine cl;
  auto value = [&](int& i, const QString& name) -> QString {
    if (i + 1 >= arguments.size()) {
      cl.error = name + " needs a value";
      return {};
    }
    return arguments[++i];
  };
  for (int i = 1; i < arguments.size() && cl.error.isEmpty(); ++i) {
    const QString arg = arguments[i];
    if (arg == "--dir") {
      cl.dir = value(i, arg);
    } else if (arg == "--player") {
      cl.player = value(i, arg);
    } else if (arg == "--autoplay") {
      cl.autoplay = true;
      cl.keys = value(i, arg);
    } else if (arg == "--skill") {
      bool ok = false;
      cl.skill = value(i, arg).toInt(&ok);
      if (cl.error.isEmpty() && (!ok || cl.skill < 1 || cl.skill > 10)) cl.error = "--skill takes 1 to 10";
    } else if (arg == "--seed") {
      bool ok = false;
      cl.seed = value(i, arg).toUInt(&ok);
      cl.seedGiven = true;
      if (cl.error.isEmpty() && !ok) cl.error = "--seed takes a whole number";
    } else if (arg == "--quit-after-start") {
      cl.quitAfterStart = true;
    } else if (arg == "--language") {
      const std::string code = value(i, arg).toStdString();
      cl.language = LanguageIndex(code);
      if (cl.error.isEmpty() && (code == "dl" || !LanguageHasTexts(cl.language)))
        cl.error = "--language takes en, dk, no or sw";
    } else if (arg == "--show") {
      cl.show = value(i, arg);
      if (cl.error.isEmpty() && !IsShowWindow(cl.show))
        cl.error = "--show takes one of: " + ShowWindowNames().join(", ");
    } else if (arg == "--screenshot") {
      cl.screenshot = value(i, arg);
    } else {
      cl.error = "unknown option " + arg;
    }
  }
  if (cl.error.isEmpty() && cl.show.isEmpty() != cl.screenshot.isEmpty())
    cl.error = "--show and --screenshot go together";
  return cl;
}

std::vector<BoardRef> ExpandBoardKeys(const QString& keys, QStringList& bad) {
  static const QRegularExpression form("^(Imp|Par)(\\d\\d)(?:\\.(\\d\\d))?$",
                                       QRegularExpression::CaseInsensitiveOption);
  std::vector<BoardRef> boards;
  for (const QString& raw : keys.split(',', Qt::SkipEmptyParts)) {
    const QString key = raw.trimmed();
    const auto m = form.match(key);
    if (!m.hasMatch()) {
      bad << key;
      continue;
    }
    QString event = m.captured(1).toLower();
    event[0] = event[0].toUpper();
    const int session = m.captured(2).toInt();
    const int maxSession = event == "Imp" ? 9 : 18;
    const int board = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    if (session < 1 || session > maxSession || (!m.captured(3).isEmpty() && (board < 1 || board > 27))) {
      bad << key;
      continue;
    }
    const int first = board ? board : 1, last = board ? board : 27;
    for (int b = first; b <= last; ++b) boards.push_back({event.toStdString(), m.captured(2).toStdString(), b});
  }
  return boards;
}

}  // namespace quorval
