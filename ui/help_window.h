#pragma once
// THelpWindow: the help pages inside the program. The user guide and the
// bidding-system summaries are HTML pages in the program folder; this window
// shows them beside a contents list of the page's headings, with Back and
// Forward through the pages seen and Contents to return to where help was
// opened, so help never needs a web browser.

#include <QUrl>
#include <QWidget>

#include "data/colours.h"

class QListWidget;
class QPushButton;
class QTextBrowser;

namespace quorval {

class THelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit THelpWindow(QWidget* parent = nullptr);

  // Shows the page at `path`, at its anchor `topic` when one is given, and
  // makes it the page Contents returns to. False when the file is missing.
  bool OpenPage(const QString& path, const QString& topic = {});

  void ContentsClick();
  void BackClick();
  void ForwardClick();
  // Follows a link of the page: another page of the help, an anchor, or a web
  // address (handed to the desktop). A page that is missing gives the
  // missing-file message and the page shown stays.
  void LinkClick(const QUrl& link);

  // Window background skin slot 0; the page and the contents list slot 5.
  void ApplySkin(const TSkinColors& colours);
  // The window's own texts (caption, buttons) in `language`; the page keeps
  // its own language.
  void SetLanguage(int language);

  QUrl Source() const;
  // The headings of the page shown, in the order of the contents list.
  QStringList Headings() const;
  // Scrolls the page to heading `row` of the contents list.
  void ShowHeading(int row);

  QTextBrowser* Browser() const { return browser_; }
  QListWidget* ContentsList() const { return contents_; }
  QPushButton* BackButton() const { return back_; }
  QPushButton* ForwardButton() const { return forward_; }

 private:
  void FillContents();

  QTextBrowser* browser_ = nullptr;
  QListWidget* contents_ = nullptr;
  QPushButton* home_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
  QPushButton* close_ = nullptr;
  class TMultiLang* lang_ = nullptr;
  QUrl homePage_;
};

}  // namespace quorval
