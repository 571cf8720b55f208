#pragma once
// The Help menu of the table: the user guide and the bidding-system summary
// in four languages, each a page in the program folder shown in the help
// window, and the About window. A language's item is enabled only while its
// page is there.

#include <QObject>
#include <QString>
#include <string>

#include "data/help_files.h"

namespace quorval {

class TDeskTop;
class THelpWindow;

class THelpMenu : public QObject {
  Q_OBJECT

 public:
  // Adds the menu to the window's menu bar.
  explicit THelpMenu(TDeskTop& desk);

  // The items by their tags: 1 Danish, 2 English, 3 Norwegian, 4 Swedish.
  void UserGuideHelp(int tag);
  void BidSysHelp(int tag);
  // The page of an item: the user guide, or the summary of the system in use.
  std::string HelpFile(bool userGuide, HelpLanguage language) const;
  // Opens a page of the program folder at `topic`; the message and false
  // when it is not there.
  bool OpenHelpFile(const std::string& name, const QString& topic);
  // The help window once a page has been opened, in the table's language.
  THelpWindow* Window() const { return help_; }
  void SetLanguage(int language);

 private:
  TDeskTop& desk_;
  THelpWindow* help_ = nullptr;
};

}  // namespace quorval
