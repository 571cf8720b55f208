// The program's start as a newcomer meets it, driven in this process with the
// real table headless: at the very first start it asks for the player's name
// once, with the login name filled in, files the player under the name given
// and names the player in the table's title; the next start does not ask.
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include "app/program.h"
#include "data/options.h"
#include "tests/table/desk_fixture.h"
#include "ui/player_name.h"

inline void InitProgramResources() { Q_INIT_RESOURCE(quorval); }

namespace quorval {
namespace {

// One interactive start on `folder`: a prompt for the name is answered with
// `answer`, and the table is closed once its message loop runs.
struct StartSeen {
  int prompts = 0;
  QString suggested;   // what the prompt's field held
  QString title;       // the table's title
  int exitCode = -1;
};

StartSeen Start(const QString& folder, const QString& answer) {
  StartSeen seen;
  QTimer user;
  user.setInterval(20);
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (auto* prompt = qobject_cast<TPlayerName*>(QApplication::activeModalWidget())) {
      ++seen.prompts;
      seen.suggested = prompt->NameEdit()->text();
      prompt->NameEdit()->setText(answer);
      prompt->OkButton()->click();
      return;
    }
    // Only from the table's own message loop, so that it ends the run.
    if (QThread::currentThread()->loopLevel() < 1) return;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* desk = qobject_cast<TDeskTop*>(w); desk && desk->isVisible()) {
        seen.title = desk->windowTitle();
        desk->close();
      }
  });
  user.start();
  seen.exitCode = RunProgram(TestApp(), ParseCommandLine({"quorval", "--dir", folder}));
  return seen;
}

QString FileText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST(FirstStart, AsksThePlayersNameOnceWithTheLoginNameFilledIn) {
  TestApp();
  InitProgramResources();
  QTemporaryDir dir;
  for (const char* f : {"Lisk2005.ini", "Results2005.ini", "SEQ2005.txt"})
    ASSERT_TRUE(QFile::copy(QString(QUORVAL_FIXTURES "/events/") + f, dir.filePath(f)));
  QFile marker(dir.filePath("ZVQ.CDA"));   // no splash wait
  ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
  marker.close();

  const StartSeen first = Start(dir.path(), "Anne Marie");
  EXPECT_EQ(first.exitCode, 0);
  EXPECT_EQ(first.prompts, 1);
  EXPECT_EQ(first.suggested.toStdString(), DefaultPlayerName());
  // The title names the program once, then the player.
  EXPECT_EQ(first.title, "ORVENDAL QUORVAL 2005 - Anne Marie");
  const QString options = FileText(dir.filePath("Options.INI"));
  EXPECT_TRUE(options.startsWith("[Anne Marie]")) << options.toStdString();
  EXPECT_FALSE(options.contains("[" + QString::fromStdString(DefaultPlayerName()) + "]"));

  // Started again, the player is known: no question.
  const StartSeen second = Start(dir.path(), "Someone Else");
  EXPECT_EQ(second.exitCode, 0);
  EXPECT_EQ(second.prompts, 0);
  EXPECT_EQ(second.title, "ORVENDAL QUORVAL 2005 - Anne Marie");
  EXPECT_FALSE(FileText(dir.filePath("Options.INI")).contains("Someone Else"));
}

}  // namespace
}  // namespace quorval
