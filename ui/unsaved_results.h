#pragma once
// TUnsavedResults: the offer made when results could not be written to the
// options file (a read-only folder, a full disk). It names the boards whose
// results are only in memory and why the file could not be written, and lets
// the user try again, save everything to another file, or go on and be asked
// again later. When the window is closing it asks whether to quit without
// them instead. The dialog only returns the choice; the table does the saving.

#include <QDialog>
#include <QString>

#include "data/colours.h"

class QLabel;
class QPushButton;

namespace quorval {

enum class UnsavedChoice {
  Retry,   // write the options file again
  SaveAs,  // write everything to the file in `path`
  Later,   // go on playing; asked again when the next result cannot be written
  Quit,    // (closing) quit without the results
  Cancel,  // (closing) do not quit
};

struct UnsavedOffer {
  QString boards;   // "Ann: Imp01.01, Imp01.02"
  QString reason;   // the file and why it could not be written
  bool closing = false;
  int language = 0;                  // the interface language of the table
  TSkinColors colours = SkinColorsFor("Teal");
  // (closing) the question about the board left unfinished, in the table's
  // language; empty when the board on the table is not unfinished.
  QString unfinishedBoard;
};

struct UnsavedAnswer {
  UnsavedChoice choice = UnsavedChoice::Later;
  QString path;     // SaveAs: the file chosen
};

class TUnsavedResults : public QDialog {
  Q_OBJECT

 public:
  // The dialog in the offer's language (its word list "unsaved_results").
  TUnsavedResults(QWidget* parent, const UnsavedOffer& offer);

  // Opens the dialog modally in the offer's colours; SaveAs asks for the file
  // first and counts as Later (or Cancel when closing) when no file is chosen.
  static UnsavedAnswer Ask(QWidget* parent, const UnsavedOffer& offer);

  UnsavedChoice Choice() const { return choice_; }
  // The button of a choice; those that the moment does not offer (Later
  // when closing, Quit and Cancel after a board) are hidden.
  QPushButton* Button(UnsavedChoice choice) const;

 private:
  void Choose(UnsavedChoice choice);

  UnsavedChoice choice_;
  QPushButton* retry_ = nullptr;
  QPushButton* saveAs_ = nullptr;
  QPushButton* later_ = nullptr;
  QPushButton* quit_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* saveAsCaption_ = nullptr;
};

}  // namespace quorval
