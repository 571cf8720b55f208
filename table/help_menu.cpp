#include "table/help_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "core/messages.h"
#include "data/help_files.h"
#include "data/program_folder.h"
#include "table/desktop.h"
#include "ui/help_window.h"

namespace quorval {
namespace {

// The four language items of a help submenu, in menu order, with their tags.
struct HelpItem {
  const char* suffix;
  const char* text;
  HelpLanguage language;
};
constexpr HelpItem kHelpItems[] = {{"DK", "&Danish", HelpLanguage::Danish},
                                   {"EN", "&English", HelpLanguage::English},
                                   {"NO", "&Norwegian", HelpLanguage::Norwegian},
                                   {"SW", "&Swedish", HelpLanguage::Swedish}};

// The working folder's own page, otherwise the one that came with the program.
bool InProgramFolder(const std::string& name) {
  return !name.empty() && QFileInfo::exists(QString::fromStdString(ResolveHelpFile(name)));
}

}  // namespace

THelpMenu::THelpMenu(TDeskTop& desk) : desk_(desk) {
  QMenu* help = desk.menuBar()->addMenu("&Help");
  help->setObjectName("Help1");
  // Each submenu enables a language only when its page is in the program
  // folder, checked every time the submenu opens.
  auto submenu = [this, help](const char* name, const QString& title, const char* prefix, bool userGuide) {
    QMenu* menu = help->addMenu(title);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    std::vector<QAction*> items;
    for (const HelpItem& item : kHelpItems) {
      QAction* a = menu->addAction(item.text);
      a->setObjectName(QString(prefix) + item.suffix);
      const int tag = static_cast<int>(item.language);
      a->setData(tag);
      connect(a, &QAction::triggered, this, [this, userGuide, tag] { userGuide ? UserGuideHelp(tag) : BidSysHelp(tag); });
      items.push_back(a);
    }
    connect(menu, &QMenu::aboutToShow, this, [this, items, userGuide] {
      for (QAction* a : items) a->setEnabled(InProgramFolder(HelpFile(userGuide, HelpLanguage(a->data().toInt()))));
    });
  };
  submenu("UserGuide", "&User Guide", "UG", true);
  submenu("BiddingSummary", "&Bidding System Summary", "BS", false);
  help->addSeparator();
  QAction* about = help->addAction("About ORVENDAL QUORVAL 2005");
  about->setObjectName("AboutBridgeClass");
  connect(about, &QAction::triggered, this, [this] { desk_.AboutBridgeClassClick(); });
}

// The page of a help item: the user guide, or the summary of the bidding
// system in use.
std::string THelpMenu::HelpFile(bool userGuide, HelpLanguage language) const {
  return userGuide ? UserGuideFileName(language) : SystemSummaryFileName(desk_.Game().State().BidSystem, language);
}

void THelpMenu::UserGuideHelp(int tag) {
  HelpLanguage language;
  if (HelpLanguageFromTag(tag, language)) OpenHelpFile(HelpFile(true, language), kUserGuideTopic);
}

void THelpMenu::BidSysHelp(int tag) {
  HelpLanguage language;
  if (HelpLanguageFromTag(tag, language)) OpenHelpFile(HelpFile(false, language), {});
}

bool THelpMenu::OpenHelpFile(const std::string& name, const QString& topic) {
  if (!InProgramFolder(name)) {
    ShowMessage(HelpFileMissingMessage(name));
    return false;
  }
  if (!help_) help_ = new THelpWindow(&desk_);
  help_->ApplySkin(desk_.Opt().SkinColors);
  help_->SetLanguage(desk_.InterfaceLanguage());
  if (!help_->OpenPage(QString::fromStdString(ResolveHelpFile(name)), topic)) return false;
  help_->show();
  help_->raise();
  help_->activateWindow();
  return true;
}

void THelpMenu::SetLanguage(int language) {
  if (help_) help_->SetLanguage(language);
}

}  // namespace quorval
