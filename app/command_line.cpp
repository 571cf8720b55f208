#include "app/command_line.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <iostream>

#include "app/show_window.h"
#include "cli/command_line.h"
#include "core/calls.h"
#include "data/options.h"

namespace quorval {

namespace {

// One option of the command line. To add an option, add its field to
// CommandLine and one row to kOptions; parsing, --help, the manual page and the
// check against docs/command_line.md all follow from the row.
struct OptionRow {
  const char* name;        // without the dashes: "skill"
  const char* valueName;   // "N"; empty for a switch
  const char* help;        // one line
  // Stores the value (empty for a switch); returns why it is refused, or nothing.
  QString (*apply)(CommandLine& cl, const QString& value);
};

// Why a list of sessions and board keys is refused, or nothing.
QString BoardKeysFault(const QString& option, const QString& keys) {
  QStringList bad;
  const auto boards = ExpandBoardKeys(keys, bad);
  if (!bad.isEmpty()) return option + ": not a board or session: " + bad.first();
  return boards.empty() ? option + " needs a session or board keys" : QString();
}

const OptionRow kOptions[] = {
    {"dir", "DIR", "the working folder with Options.INI and the event files (default: the program's folder)",
     [](CommandLine& cl, const QString& v) {
       cl.dir = v;
       return QString();
     }},
    {"player", "NAME", "play as NAME instead of the player who played last",
     [](CommandLine& cl, const QString& v) {
       cl.player = v;
       // The name becomes a section of "Options.INI", which must be able to hold it.
       return CheckPlayerName(v.toStdString()) == PlayerNameCheck::Ok
                  ? QString()
                  : QString("--player takes a name of 1 to 64 characters without \"]\", \"=\", line breaks "
                            "or blanks at either end");
     }},
    {"autoplay", "KEYS", "play the boards of KEYS (Imp01.05,Par03) by Make Bid and Finish Play, file the results, stop",
     [](CommandLine& cl, const QString& v) {
       cl.autoplay = true;
       cl.keys = v;
       return QString();
     }},
    {"skill", "N", "the engine's skill 1 to 10 for this run only",
     [](CommandLine& cl, const QString& v) {
       bool ok = false;
       cl.skill = v.toInt(&ok);
       return ok && cl.skill >= 1 && cl.skill <= 10 ? QString() : QString("--skill takes 1 to 10");
     }},
    {"seed", "N", "seed the draw of opening leads and the honest computer's layouts, so that a run can be repeated card for card",
     [](CommandLine& cl, const QString& v) {
       bool ok = false;
       cl.seed = v.toUInt(&ok);
       cl.seedGiven = true;
       return ok ? QString() : QString("--seed takes a whole number");
     }},
    {"honest", "", "the honest computer for this run: it plays from what its seat can see",
     [](CommandLine& cl, const QString&) {
       cl.honest = true;
       return QString();
     }},
    {"free-bidding", "", "free bidding for this run: South may make any call, the computer answering off the stored auctions",
     [](CommandLine& cl, const QString&) {
       cl.freeBidding = true;
       return QString();
     }},
    {"south-calls", "CALLS", "with --autoplay and --free-bidding: South's first calls on every board (1S,P,4S)",
     [](CommandLine& cl, const QString& v) {
       cl.southCalls = v;
       for (const QString& call : v.split(',')) {
         const std::string token = call.trimmed().toUpper().toStdString();
         if (ParseCall(token) == NoCall || CallToken(ParseCall(token)) != token)
           return "--south-calls: \"" + call + "\" is not a call (P, X, XX, 1C .. 7N)";
       }
       return QString();
     }},
    {"quit-after-start", "", "start as usual (choose the player, save the settings), then stop",
     [](CommandLine& cl, const QString&) {
       cl.quitAfterStart = true;
       return QString();
     }},
    {"print-to", "FILE", "write the printed pages into the PDF file FILE: with --autoplay a hand report per board",
     [](CommandLine& cl, const QString& v) {
       cl.printTo = v;
       return v.isEmpty() ? QString("--print-to needs a file name") : QString();
     }},
    {"print-session", "KEY", "print the session list of KEY (Imp03) as its Print button does, then stop",
     [](CommandLine& cl, const QString& v) {
       static const QRegularExpression session("^(Imp0[1-9]|Par(0[1-9]|1[0-8]))$");
       cl.printSession = v;
       return session.match(v).hasMatch() ? QString() : "--print-session takes a session such as Imp03, not " + v;
     }},
    {"print-hands", "KEYS", "print the hand report of every filed board of KEYS (Imp03, Par01.05) from its kept play",
     [](CommandLine& cl, const QString& v) {
       cl.printHands = v;
       return BoardKeysFault("--print-hands", v);
     }},
    {"review", "KEYS", "print the double-dummy review of every kept play of KEYS (Imp03, Par01.05), then stop",
     [](CommandLine& cl, const QString& v) {
       cl.review = v;
       return BoardKeysFault("--review", v);
     }},
    {"progress-csv", "FILE", "write the player's progress figures (one line per filed board with a kept play) to FILE, then stop",
     [](CommandLine& cl, const QString& v) {
       cl.progressCsv = v;
       return v.isEmpty() ? QString("--progress-csv needs a file name") : QString();
     }},
    {"export-pbn", "KEYS", "export the filed boards of KEYS (Imp03, Par01.05) with their play as PBN into --out FILE",
     [](CommandLine& cl, const QString& v) {
       cl.exportPbn = v;
       return v.isEmpty() ? QString("--export-pbn needs sessions or board keys") : QString();
     }},
    {"out", "FILE", "the PBN file --export-pbn writes",
     [](CommandLine& cl, const QString& v) {
       cl.out = v;
       return v.isEmpty() ? QString("--out needs a file name") : QString();
     }},
    {"print-meanings", "", "the printed hand reports list the auction with the meaning of each call",
     [](CommandLine& cl, const QString&) {
       cl.printMeanings = true;
       return QString();
     }},
    {"language", "L", "the interface language of this run: en, dk, no or sw (the player's setting stays)",
     [](CommandLine& cl, const QString& v) {
       cl.language = LanguageIndex(v.toStdString());
       return v != "dl" && LanguageHasTexts(cl.language) ? QString() : QString("--language takes en, dk, no or sw");
     }},
    {"show", "WINDOW", "bring WINDOW up as a user would, save its picture to the --screenshot file, stop",
     [](CommandLine& cl, const QString& v) {
       cl.show = v;
       return IsShowWindow(v) ? QString() : "--show takes one of: " + ShowWindowNames().join(", ");
     }},
    {"screenshot", "FILE", "the PNG file for --show",
     [](CommandLine& cl, const QString& v) {
       cl.screenshot = v;
       return QString();
     }},
    {"size", "WxH", "with --show: the window WIDTH x HEIGHT logical pixels instead of the whole screen",
     [](CommandLine& cl, const QString& v) {
       const QStringList parts = v.toLower().split('x');
       bool w = false, h = false;
       if (parts.size() == 2) cl.size = QSize(parts[0].toInt(&w), parts[1].toInt(&h));
       return w && h && cl.size.width() >= 100 && cl.size.height() >= 100 && cl.size.width() <= 10000 &&
                      cl.size.height() <= 10000
                  ? QString()
                  : QString("--size takes WIDTHxHEIGHT, such as 1920x1080");
     }},
    {"monkey", "N", "perform N random user actions on the table window (with --seed S the same ones again), then check the player's results and kept plays",
     [](CommandLine& cl, const QString& v) {
       bool ok = false;
       cl.monkey = v.toInt(&ok);
       return ok && cl.monkey >= 1 ? QString() : QString("--monkey takes a number of actions from 1 on");
     }},
};

// The export's options go together, and with nothing else that runs boards.
QString CheckExport(const CommandLine& cl) {
  if (cl.exportPbn.isEmpty() != cl.out.isEmpty()) return "--export-pbn and --out go together";
  if (!cl.exportPbn.isEmpty() && (cl.autoplay || !cl.printTo.isEmpty() || !cl.review.isEmpty()))
    return "--export-pbn goes with neither --autoplay, --review nor printing";
  return {};
}

// Printing options that only make sense together.
QString CheckPrinting(const CommandLine& cl) {
  const int printRuns = int(!cl.printSession.isEmpty()) + int(!cl.printHands.isEmpty()) + int(cl.autoplay);
  if (cl.printMeanings && cl.printHands.isEmpty() && !(cl.autoplay && !cl.printTo.isEmpty()))
    return "--print-meanings goes with --print-hands or --autoplay and --print-to";
  if (!cl.review.isEmpty() && (printRuns > 0 || !cl.printTo.isEmpty()))
    return "--review goes without --autoplay and the printing options";
  if (cl.printTo.isEmpty()) {
    if (!cl.printSession.isEmpty()) return "--print-session needs --print-to FILE";
    if (!cl.printHands.isEmpty()) return "--print-hands needs --print-to FILE";
    return {};
  }
  if (printRuns == 0) return "--print-to goes with --autoplay, --print-session or --print-hands";
  if (printRuns > 1) return "--autoplay, --print-session and --print-hands are one at a time";
  return {};
}

const char* kSummary =
    "ORVENDAL QUORVAL 2005: learn duplicate bridge in a simulated bridge club. You sit South\n"
    "and play the boards of the events in the working folder against a field of stored results.";
const char* kFooter =
    "Qt's own options are taken by Qt, for example -platform offscreen for a run without a\n"
    "screen. Exit code 0; 1 when a board of an automated run could not be read, played or\n"
    "printed whole, a --show picture could not be saved, or a --monkey run found a fault; 2 for\n"
    "a bad command line or a folder that does not exist; 3 when the program is already running\n"
    "on the folder; 4 when results or settings could not be written (they are named).";

// The options QGuiApplication, QApplication and the platform plugins take
// from the command line. Those with a value take the next argument; Qt also
// accepts "=" for the style, the style sheet and the QML debugger.
const char* const kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                       "qwindowgeometry", "geometry", "qwindowicon", "icon", "qwindowtitle",
                                       "title", "session", "display", "name", "visual", "ncols", "style",
                                       "stylesheet"};
const char* const kQtEqualsOptions[] = {"style", "stylesheet", "qmljsdebugger"};
const char* const kQtSwitches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability", "cmap"};

template <size_t N>
bool Among(const QString& name, const char* const (&names)[N]) {
  for (const char* n : names)
    if (name == QLatin1String(n)) return true;
  return false;
}

// The form in which the user wrote an option that QCommandLineParser reports
// by its bare name.
QString AsTyped(const QStringList& arguments, const QString& name) {
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (!a.startsWith('-')) continue;
    QString bare = a.mid(a.startsWith("--") ? 2 : 1);
    bare = bare.left(bare.indexOf('=') < 0 ? bare.size() : bare.indexOf('='));
    if (bare == name) return a.left(a.indexOf('=') < 0 ? a.size() : a.indexOf('='));
  }
  return "--" + name;
}

// A switch written with a value ("--quit-after-start=1"), as typed; empty when none.
QString SwitchWithValue(const QStringList& arguments) {
  for (const OptionRow& row : kOptions)
    if (!*row.valueName)
      for (int i = 1; i < arguments.size(); ++i)
        if (arguments[i].contains('=') && AsTyped(arguments, row.name) == arguments[i].left(arguments[i].indexOf('=')))
          return arguments[i].left(arguments[i].indexOf('='));
  return {};
}

}  // namespace

QStringList WithoutQtOptions(const QStringList& arguments) {
  QStringList kept;
  if (!arguments.isEmpty()) kept << arguments.first();
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a.size() < 2 || a[0] != '-' || a == "--") {
      kept << a;
      continue;
    }
    const QString bare = a.mid(a.startsWith("--") ? 2 : 1);
    const qsizetype eq = bare.indexOf('=');
    const QString name = eq < 0 ? bare : bare.left(eq);
    if (eq < 0 && Among(name, kQtValueOptions)) {
      ++i;   // and its value
      continue;
    }
    if ((eq >= 0 && Among(name, kQtEqualsOptions)) || (eq < 0 && Among(name, kQtSwitches))) continue;
    kept << a;
  }
  return kept;
}

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine cl;
  QCommandLineParser parser;
  // "-dir" reads as "--dir", like Qt's own single-dash options.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  for (const OptionRow& row : kOptions) {
    QCommandLineOption option(QString::fromLatin1(row.name), QString::fromUtf8(row.help));
    option.setValueName(QString::fromLatin1(row.valueName));
    parser.addOption(option);
  }
  const bool parsed = parser.parse(arguments);
  if (parser.isSet(help)) {
    cl.action = CommandLineAction::Help;
    return cl;
  }
  if (parser.isSet(version)) {
    cl.action = CommandLineAction::Version;
    return cl;
  }
  if (!parsed) {
    const QStringList unknown = parser.unknownOptionNames();
    const QString last = arguments.size() > 1 ? arguments.last() : QString();
    cl.foreignWord = !unknown.isEmpty();
    if (!unknown.isEmpty())
      cl.error = "unknown option " + AsTyped(arguments, unknown.first());
    else if (last.startsWith('-') && !last.contains('='))
      cl.error = last + " needs a value";   // only the last argument can lack its value
    else if (const QString flag = SwitchWithValue(arguments); !flag.isEmpty())
      cl.error = flag + " takes no value";
    else
      cl.error = parser.errorText();
    return cl;
  }
  if (!parser.positionalArguments().isEmpty()) {
    cl.error = "unexpected argument " + parser.positionalArguments().first();
    cl.foreignWord = true;
    return cl;
  }
  // The rows in the order of the table; the last value of a repeated option counts.
  for (const OptionRow& row : kOptions) {
    const QString name = QString::fromLatin1(row.name);
    if (!parser.isSet(name)) continue;
    const QString why = row.apply(cl, *row.valueName ? parser.value(name) : QString());
    if (!why.isEmpty()) {
      cl.error = why;
      return cl;
    }
  }
  cl.error = CheckPrinting(cl);
  if (cl.error.isEmpty()) cl.error = CheckExport(cl);
  if (cl.error.isEmpty() && !cl.progressCsv.isEmpty() &&
      (cl.autoplay || !cl.printTo.isEmpty() || !cl.printSession.isEmpty() || !cl.printHands.isEmpty() ||
       !cl.review.isEmpty() || !cl.exportPbn.isEmpty() || !cl.show.isEmpty()))
    cl.error = "--progress-csv goes with none of the options that run boards, review, print, export or show";
  if (cl.error.isEmpty() && !cl.southCalls.isEmpty() && !(cl.freeBidding && cl.autoplay))
    cl.error = "--south-calls goes with --autoplay and --free-bidding";
  if (cl.error.isEmpty() && cl.show.isEmpty() != cl.screenshot.isEmpty())
    cl.error = "--show and --screenshot go together";
  if (cl.error.isEmpty() && cl.size.isValid() && cl.show.isEmpty()) cl.error = "--size goes with --show";
  if (cl.error.isEmpty() && cl.monkey > 0 &&
      (cl.autoplay || cl.quitAfterStart || !cl.printTo.isEmpty() || !cl.printHands.isEmpty() ||
       !cl.printSession.isEmpty() || !cl.review.isEmpty() || !cl.exportPbn.isEmpty() || !cl.show.isEmpty() ||
       !cl.progressCsv.isEmpty()))
    cl.error = "--monkey goes with none of the options that run boards, print, export or show";
  return cl;
}

std::string UsageText() {
  cli::Command command;
  for (const OptionRow& row : kOptions) command.options.push_back({std::string("--") + row.name, row.valueName, row.help, {}});
  return cli::Usage({"quorval", kSummary, {command}, kFooter});
}

std::string VersionText() { return cli::VersionLine({"quorval", "", {}, ""}); }

int AnswerCommandLine(const CommandLine& cl) {
  if (cl.action == CommandLineAction::Help) {
    std::cout << UsageText() << std::flush;
    return 0;
  }
  if (cl.action == CommandLineAction::Version) {
    std::cout << VersionText() << std::endl;
    return 0;
  }
  if (!cl.error.isEmpty()) {
    std::cerr << "quorval: " << cl.error.toStdString() << " (see quorval --help)" << std::endl;
    return 2;
  }
  return -1;
}

std::vector<BoardRef> ExpandBoardKeys(const QString& keys, QStringList& bad, const EventLengthFn& length) {
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
    if (session < 1 || session > maxSession || (!m.captured(3).isEmpty() && (board < 1 || board > kBoardsPerEvent))) {
      bad << key;
      continue;
    }
    const int first = board ? board : 1;
    const int last = board ? board : length ? length(event.toStdString(), m.captured(2).toStdString()) : kBoardsPerEvent;
    for (int b = first; b <= last; ++b) boards.push_back({event.toStdString(), m.captured(2).toStdString(), b});
  }
  return boards;
}

}  // namespace quorval
