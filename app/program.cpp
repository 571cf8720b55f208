#include "app/program.h"

#include "app/install_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <iostream>
#include <memory>
#include <optional>

#include "app/events_runner.h"
#include "app/export_run.h"
#include "app/folder_lock.h"
#include "app/monkey.h"
#include "app/print_runs.h"
#include "app/review_runs.h"
#include "progress/progress_csv.h"
#include "app/show_window.h"
#include "core/messages.h"
#include "data/board_file.h"
#include "data/call_meanings.h"
#include "data/date_time.h"
#include "data/event_set.h"
#include "data/kept_play.h"
#include "data/options.h"
#include "data/program_folder.h"
#include "data/sequence_library.h"
#include "scoring/player_results.h"
#include "table/desktop.h"
#include "table/event_sets.h"
#include "table/result_saving.h"
#include "ui/card_control.h"
#include "ui/multi_lang.h"
#include "ui/player_name.h"
#include "ui/skin.h"
#include "ui/splash_screen.h"

namespace quorval {
namespace {

constexpr const char* kTitle = "ORVENDAL QUORVAL 2005";

// The per-machine language an installer may have set.
std::string MachineLanguage() {
  const QSettings settings(QSettings::SystemScope, "Orvendal", "Orvendal QUORVAL 2005");
  return settings.value("Settings/Language").toString().toStdString();
}

// The splash over the whole screen, painted in the player's skin, up while
// the table is built.
std::unique_ptr<TSplashScreen> ShowSplash(int language) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  auto splash = std::make_unique<TSplashScreen>(screen ? screen->geometry() : QRect(0, 0, 1024, 768));
  splash->SetLanguage(language);
  ApplySkinToWindow(splash.get(), Option.SkinColors, false);
  splash->show();
  QCoreApplication::processEvents();
  return splash;
}

// The language of the player who would start, for texts shown before the
// options are opened: --language, else the stored choice, read without
// writing anything.
int StartLanguage(const CommandLine& cl) {
  if (cl.language >= 0) return cl.language;
  TMyINI stored("");
  QFile file(QString::fromStdString(ResolveInProgramFolder(kOptionsFileName)));
  if (file.open(QIODevice::ReadOnly)) stored.LoadLines(SplitIniText(file.readAll().toStdString()));
  TOption option;
  option.CurrentPlayer =
      cl.player.isEmpty() ? ChooseStartPlayer(stored, DefaultPlayerName()) : cl.player.toStdString();
  LoadOptions(stored, option, MachineLanguage);
  return option.Language;
}

// The refusal of a second program on one folder.
std::string AlreadyRunningText(int language) {
  return WordText("start_up", "AlreadyRunning", language, QString(kTitle) + " is already running on this folder")
      .toStdString();
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addFile(QString(":/art/icon-%1.png").arg(size));
  return icon;
}

// The store of a data file. A run that must leave every file as it was
// (--show) gets a copy in memory of what the file holds, which it may
// change as a user would without writing anything.
template <class Store>
std::unique_ptr<Store> OpenStore(const std::string& path, bool copyOnly) {
  if (!copyOnly) return std::make_unique<Store>(path);
  auto store = std::make_unique<Store>(std::string());
  QFile file(QString::fromStdString(path));
  if (file.open(QIODevice::ReadOnly)) store->LoadLines(SplitIniText(file.readAll().toStdString()));
  return store;
}

bool Headless() {
  const QString platform = QGuiApplication::platformName();
  return platform == "offscreen" || platform == "minimal";
}

}  // namespace

std::string SequenceLibraryText() {
  QFile local(QString::fromStdString(ResolveShippedFile(kLibraryFileName)));
  QFile resource(":/SEQ2005");
  QFile& source = local.exists() ? local : resource;
  if (!source.exists()) {
    ShowMessage(kLibraryNotFound);
    return {};
  }
  if (!source.open(QIODevice::ReadOnly)) {
    ShowMessage("Resource Load Failure");
    return {};
  }
  return source.readAll().toStdString();
}

// From beside the library they explain, so an event set of its own never
// shows the meanings of another's calls.
bool LoadCallMeanings(CallMeanings& meanings, std::string& problem) {
  const bool localLibrary = QFile::exists(QString::fromStdString(ResolveShippedFile(kLibraryFileName)));
  QFile file(localLibrary ? QString::fromStdString(ResolveShippedFile(kMeaningsFileName)) : ":/Meanings2005");
  if (!file.open(QIODevice::ReadOnly)) {
    problem = std::string("no ") + kMeaningsFileName;
    return false;
  }
  if (meanings.Load(file.readAll().toStdString(), &problem)) return true;
  problem = std::string(kMeaningsFileName) + ": " + problem;
  return false;
}

int RunProgram(QApplication& app, const CommandLine& cl) {
  if (const int answered = AnswerCommandLine(cl); answered >= 0) return answered;
  // Every file the run writes (the picture of --screenshot, the PDF of
  // --print-to, the PBN file of --out) is named from where the program was
  // started, as --dir is, before the working folder changes.
  auto fromStart = [](const QString& name) { return name.isEmpty() ? QString() : QFileInfo(name).absoluteFilePath(); };
  const QString screenshot = fromStart(cl.screenshot);
  const QString printTo = fromStart(cl.printTo);
  CommandLine exportRun = cl;
  exportRun.out = fromStart(cl.out);
  const QString progressCsv = fromStart(cl.progressCsv);
  // 1. The working folder: every data file is found there by its bare name.
  // A relative --dir is taken from where the program was started, before the
  // working folder changes. An installed program works in the user's data
  // folder and reads its shipped files from the installed data folder.
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QString shipped = InstalledDataFolder(programFolder);
  const QString chosen = ChooseWorkingFolder(cl.dir, programFolder, shipped, UserDataFolder());
  const QString folder = QDir(chosen).absolutePath();
  if (chosen.isEmpty() || !QFileInfo(folder).isDir() || !QDir::setCurrent(folder)) {
    std::cerr << "No such folder: " << (chosen.isEmpty() ? UserDataFolder() : folder).toStdString() << '\n';
    return kExitBadCommandLine;
  }
  SetProgramFolder(QDir(folder).absolutePath().toStdString() + "/");
  SetShippedFolder(shipped.toStdString());
  // The help pages come with the program wherever the working folder is.
  SetHelpFolder((shipped.isEmpty() ? programFolder : shipped).toStdString());

  // Messages and sounds: a message box and the system beep for a user at the
  // screen; standard error and silence for automated and headless runs.
  const bool printing = !cl.printSession.isEmpty() || !cl.printHands.isEmpty();
  const bool exporting = !cl.exportPbn.isEmpty();
  const bool showing = !cl.show.isEmpty();
  const bool automated = cl.autoplay || cl.quitAfterStart || printing || exporting || showing ||
                         !cl.review.isEmpty() || !cl.progressCsv.isEmpty() || cl.monkey > 0;
  if (!automated && !Headless()) {
    SetMessageSink([](const std::string& text) {
      QMessageBox::information(QApplication::activeWindow(), kTitle, QString::fromStdString(text));
    });
    SetSoundSink([](Sound) { QApplication::beep(); });
    SetQuestionSink([](const std::string& text) {
      return QMessageBox::question(QApplication::activeWindow(), kTitle, QString::fromStdString(text)) ==
             QMessageBox::Yes;
    });
  }
  // No display name of its own: the window system would add it to every
  // title, which already names the program.
  QCoreApplication::setApplicationName(kTitle);

  // One program per folder: a second one would keep its own copy of the
  // options and results. Taken before anything is read or written; a run
  // that writes nothing (--show) needs none.
  std::optional<FolderLock> lock;
  if (!showing) lock.emplace(folder);
  if (lock && lock->state() == FolderLock::State::HeldByAnother) {
    const std::string text = AlreadyRunningText(StartLanguage(cl));
    if (automated || Headless()) std::cerr << text << '\n';
    else ShowMessage(text);
    return kExitFolderInUse;
  }
  // Holding the folder, the program may clear away what a killed one left
  // half saved.
  if (lock && lock->state() == FolderLock::State::Locked)
    for (const char* name : {kOptionsFileName, kKeptPlayFileName, kBoardFileName, kResultsFileName})
      RemoveUnfinishedSaves(ResolveInProgramFolder(name));

  // 2. The options file and the current player. At the very first start,
  // with no player in the file yet, the user is asked for a name (the login
  // name filled in); automated runs take --player or the login name.
  const auto optionsStore = OpenStore<TMyINI>(ResolveInProgramFolder(kOptionsFileName), showing);
  TMyINI& options = *optionsStore;
  if (!cl.player.isEmpty()) {
    Option.CurrentPlayer = cl.player.toStdString();
    LoadOptions(options, Option, MachineLanguage);
    SaveOptions(options, Option, NowDateTime());
  } else {
    std::string firstName = DefaultPlayerName();
    if (!automated && options.Sections().empty()) firstName = TPlayerName::Ask(firstName, StartLanguage(cl));
    StartUpOptions(options, Option, firstName, MachineLanguage, NowDateTime());
  }

  // A review run needs only the player's kept plays.
  if (!cl.review.isEmpty()) {
    const TBigIniFile plays(kKeptPlayFileName);
    const int rc = ReviewKeptPlays(plays, Option.CurrentPlayer, cl.review, std::cout, std::cerr);
    SaveOptions(options, Option, NowDateTime());
    options.UpdateFile();
    return rc;
  }

  // A progress run needs the player's results and kept plays.
  if (!progressCsv.isEmpty()) {
    const int rc = WriteProgressCsv(options, Option.CurrentPlayer, progressCsv.toStdString(), std::cerr);
    SaveOptions(options, Option, NowDateTime());
    options.UpdateFile();
    return rc;
  }

  // 3. to 5. The event board file, the field results, the library, the marker.
  const auto boardStore = OpenStore<TBridgeINI>(ResolveShippedFile(kBoardFileName), showing);
  const auto resultStore = OpenStore<TBridgeINI>(ResolveShippedFile(kResultsFileName), showing);
  TBridgeINI& boards = *boardStore;
  TBridgeINI& results = *resultStore;
  SequenceLibrary library;
  const std::string text = SequenceLibraryText();
  if (QFile::exists(":/SEQ2005") || QFile::exists(QString::fromStdString(ResolveShippedFile(kLibraryFileName))))
    library.LoadSequenceLibrary(text);
  // The kept plays, and the player's results as those of this event set.
  const auto playStore = OpenStore<TMyINI>(ResolveInProgramFolder(kKeptPlayFileName), showing);
  TMyINI& plays = *playStore;
  TableFiles files{options, boards, results, library.Store(), Option, &plays};
  files.eventSetId = EventSetId(boards);
  files.shortEvents = ReadShortEvents(ResolveShippedFile(kSetNoteFileName));
  AdoptEventSet(options, &plays, Option.CurrentPlayer, files.eventSetId);
  if (exporting) return ExportPbnRun(files, exportRun);

  TableState state;
  state.MarkerFilePresent = QFile::exists("ZVQ.CDA");
  state.ProgramFolder = ProgramFolder();

  // 6. and 7. The splash, then the table window.
  InitUiResources();
  QApplication::setWindowIcon(ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("quorval"));
  const double splashShown = TableClockSeconds();
  std::unique_ptr<TSplashScreen> splash;
  if (!automated) splash = ShowSplash(cl.language >= 0 ? cl.language : Option.Language);
  CardDeck::Load();
  CallMeanings meanings;
  if (!LoadCallMeanings(meanings, files.meaningsProblem)) meanings.Clear();
  files.meanings = &meanings;
  int exitCode = 0;
  std::unique_ptr<Monkey> monkey;
  if (cl.monkey > 0) monkey = std::make_unique<Monkey>(cl.monkey, cl.seed, options, Option.CurrentPlayer);
  {
    TDeskTop desk(files, state);
    desk.SetMachineLanguage(MachineLanguage);
    desk.EventSets().SetEventsRunner(MakeNewEvents);
    if (automated) desk.SetNoPauses(true);
    if (!automated && !Headless())
      desk.Saving().SetUnsavedResultsOffer([&desk](const UnsavedOffer& offer) { return TUnsavedResults::Ask(&desk, offer); });
    if (cl.skill > 0) desk.Game().SetSkillOverride(cl.skill);
    if (cl.seedGiven || monkey) desk.Game().Seed(cl.seed);
    if (cl.honest) desk.SetHonestOverride(true);
    if (cl.freeBidding) desk.SetFreeBiddingOverride(true);
    if (!cl.southCalls.isEmpty()) {
      std::vector<CallCode> calls;
      for (const QString& call : cl.southCalls.split(',')) calls.push_back(ParseCall(call.trimmed().toUpper().toStdString()));
      desk.SetSouthCalls(std::move(calls));
    }
    if (cl.language >= 0) desk.SetLanguageForRun(cl.language);
    if (cl.printMeanings) desk.Action("PrintMeanings")->setChecked(true);
    if (automated && !showing) {
      desk.resize(desk.sizeHint());
    } else if (showing && cl.size.isValid()) {
      desk.resize(cl.size);
      desk.show();
    } else if (showing || Headless() || !desk.RestoreWindowPlace()) {
      desk.showMaximized();
      if (showing) desk.HoldWholeTable();
    }
    // A user's window is kept where the player leaves it.
    if (!automated && !Headless()) desk.SetKeepWindowPlace(true);
    if (splash) splash->raise();   // the splash stays in front while the table waits
    desk.FormShow(automated ? TableClockSeconds() - 4.0 : splashShown);
    if (splash) splash->close();

    if (cl.autoplay) {
      QStringList bad;
      const auto boardsToPlay = ExpandBoardKeys(cl.keys, bad, [&files](const std::string& e, const std::string& s) {
        return files.EventLength(e, s);
      });
      for (const QString& key : bad) {
        std::cerr << "Not a board or event: " << key.toStdString() << '\n';
        exitCode = kExitBoardFailed;
      }
      std::vector<PageDrawer> pages;
      for (const BoardRef& ref : boardsToPlay) {
        if (!desk.AutoPlayBoard(ref.event, ref.session, ref.board)) {
          std::cerr << "Board " << ref.event << ref.session << "." << (ref.board < 10 ? "0" : "") << ref.board
                    << " could not be played\n";
          exitCode = kExitBoardFailed;
        } else if (!cl.printTo.isEmpty()) {
          pages.push_back(CurrentHandPage(desk));
        }
      }
      if (!cl.printTo.isEmpty() && !WritePages(printTo, pages)) exitCode = kExitBoardFailed;
      desk.close();
    } else if (printing) {
      int faults = 0;
      const std::vector<PageDrawer> pages = cl.printSession.isEmpty()
                                                ? FiledHandPages(desk, cl.printHands, faults)
                                                : std::vector<PageDrawer>{SessionPage(desk, cl.printSession)};
      if (!WritePages(printTo, pages) || faults > 0) exitCode = kExitBoardFailed;
      desk.close();
    } else if (showing) {
      exitCode = ShowAndGrab(desk, cl.show, screenshot);
      desk.close();
    } else if (monkey) {
      exitCode = monkey->Run(desk);
      desk.close();
    } else if (cl.quitAfterStart) {
      desk.close();
    } else {
      const int rc = app.exec();
      if (rc != 0) exitCode = rc;
      desk.close();
    }
  }
  // 8. The end: the settings once more; every store that changed is written.
  // Results that never reached the file are named, and the run fails.
  if (!SaveOptions(options, Option, NowDateTime())) {
    const std::vector<UnsavedResult> unsaved = UnsavedResults(options);
    if (unsaved.empty()) std::cerr << "The settings were not saved.\n";
    else std::cerr << "Results not saved: " << UnsavedResultsText(unsaved) << '\n';
    exitCode = kExitNotSaved;
  }
  if (!plays.UpdateFile()) {
    std::cerr << "The kept plays were not saved.\n";
    exitCode = kExitNotSaved;
  }
  boards.UpdateFile();
  results.UpdateFile();
  // What the monkey's run left on disk, as saved.
  if (monkey && monkey->CheckSavedFiles() != 0 && exitCode == 0) exitCode = kExitBoardFailed;
  return exitCode;
}

}  // namespace quorval
