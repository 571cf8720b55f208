#pragma once
// TMultiLang: a window's word list applied to its widgets by object name,
// without regard to case. The list and the walk are plain code
// (data/word_list.h); this class only says what each kind of widget does
// with its texts, and sets the window's font and character set per language.
//
// How a window adds its word list:
//   1. Write resources/lang/<list>.txt (the row format is in data/word_list.h:
//      key, then one TAB-separated text per language 0 to 7) and add the file
//      to resources/lang/lang.qrc.
//   2. Give every translated widget, QAction and QMenu the object name its key
//      names. Texts the program composes at run time are rows of their own
//      that name no widget: the window names them to TMultiLang (WindowText,
//      with the English text shown while the list has no such row) and looks
//      them up with Text(key); WordText does the same for a list and a
//      language without a window (a control's hint as "Name.Hint").
//   3. At the end of the window's constructor, once its widgets exist:
//        lang_ = new TMultiLang(this, "<list>");     // English at once
//      and `lang_->SetActiveLanguage(language)` whenever the window should
//      speak another language (when it is shown, or when the table switches).
//   4. Add the window to the table of windows in tests/ui/word_lists_test.cpp,
//      which checks that every key names one of its widgets.
//
// What each kind of widget takes (in list order, each from the next row):
//   QAction, QMenu, QLabel, QAbstractButton, QGroupBox   its caption;
//   a group box of unnamed radio buttons (or with the property "radioGroup")
//                                                       caption, then the buttons
//                                                       from continuation rows;
//   QComboBox, QListWidget, QTabWidget, QTabBar         its items (selection kept);
//   a page of a QTabWidget                              its tab's text;
//   QLineEdit, QPlainTextEdit, QTextEdit                only when read-only;
//   another window                                      its title;
//   a widget with a writable "caption" property         that property;
//   then every widget and action its hint (tooltip) from a ".Hint" row.

#include <initializer_list>
#include <string>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "data/word_list.h"

class QWidget;

namespace quorval {

// The message for a language index that is not below the number of columns.
inline constexpr const char* kLanguageRangeMessage =
    "Value must not be higher than\rnumber of available languages.";

// Which edit fields are translated.
enum TTranslateEdits { teNever, teReadOnly, teAlways };

// A text a window composes at run time ("%1 boards"): the row `key` of its
// word list, which names no widget, and the English text the window shows
// while its list has no such row.
struct WindowText {
  std::string key;
  QString english;
};

class TMultiLang : public QObject {
  Q_OBJECT

 public:
  // Loads the list compiled in as ":/lang/<listName>.txt" and applies
  // language 0 to `window`, whose widgets must already exist. `charSets` is
  // one "font name,character set" entry per language (DefaultCharSets() when
  // empty).
  // `textKeys` are rows of texts the window composes at run time (looked up
  // with WordText); they name no widget and are passed by.
  TMultiLang(QWidget* window, const QString& listName, const QStringList& charSets = {},
             std::vector<std::string> textKeys = {});
  // A window that also composes texts at run time: `texts` are looked up
  // with Text() and their rows passed by in the walk.
  TMultiLang(QWidget* window, const QString& listName, std::vector<WindowText> texts);
  // The same with a list given as it is (tests, lists not compiled in).
  TMultiLang(QWidget* window, WordList words, const QStringList& charSets = {});

  static constexpr int Languages = kWordLanguages;
  // Every window but the main one: "MS Sans Serif,1" for all eight languages.
  static QStringList DefaultCharSets();
  // The main window: character set 0 for languages 0, 5, 6, 7 and 1 for 1 to 4.
  static QStringList MainWindowCharSets();
  // The family a list's font name stands for here: "MS Sans Serif" is the
  // platform's sans font, any other name is used as it is.
  static QString PlatformFontFamily(const QString& fontName);

  int ActiveLanguage() const { return active_; }
  // A run-time text of the window (one of its WindowTexts, or of the keys it
  // gave) in the language shown; empty for a key it never gave.
  QString Text(const std::string& key) const;
  // The keys of the window's run-time texts.
  const std::vector<std::string>& TextKeys() const { return textKeys_; }
  // Applies language L. For an index not below Languages (or below 0) it
  // shows kLanguageRangeMessage, changes nothing and returns false.
  bool SetActiveLanguage(int language);

  const WordList& Words() const { return words_; }
  QStringList CharSets() const { return charSets_; }
  void SetCharSets(const QStringList& charSets) { charSets_ = charSets; }
  // The font name and character-set number of the language shown.
  QString FontName() const { return fontName_; }
  int CharSet() const { return charSet_; }

  // An empty cell gives the text of `language` instead of blanking (off in
  // every window of the program).
  void SetDefaultLanguage(bool enabled, int language) {
    defaultEnabled_ = enabled;
    defaultLanguage_ = language;
  }
  void SetTranslateEdits(TTranslateEdits mode) { translateEdits_ = mode; }
  // What the last switch did: controls given texts, rows for widgets the
  // window does not have, controls that refused a text.
  WalkCounts LastWalk() const { return lastWalk_; }

 private:
  void Start();
  void ApplyFont();

  QPointer<QWidget> window_;
  WordList words_;
  QStringList charSets_;
  QString fontName_ = QStringLiteral("MS Sans Serif");
  int charSet_ = 0;
  int active_ = 0;
  bool defaultEnabled_ = false;
  int defaultLanguage_ = 0;
  TTranslateEdits translateEdits_ = teReadOnly;
  WalkCounts lastWalk_;
  std::vector<std::string> textKeys_;
  std::vector<WindowText> texts_;
};

// The word list compiled in as ":/lang/<listName>.txt", read once; an empty
// list when there is none.
const WordList& CompiledWordList(const QString& listName);
// One text of a compiled list: the first row with `key` in `language`, or
// `fallback` when the list has no such row.
QString WordText(const QString& listName, const char* key, int language, const QString& fallback = {});

// A caption as it is shown: "&" marks the accelerator and is not drawn,
// "&&" shows one ampersand.
QString WithoutAccelerator(const QString& caption);

// Makes the compiled-in word lists available from the static library.
void InitWordListResources();

}  // namespace quorval
