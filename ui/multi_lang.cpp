#include "ui/multi_lang.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <map>

#include "core/messages.h"
#include "data/ini_store.h"

// Q_INIT_RESOURCE declares a function, so it must be used outside any namespace.
static void InitLangResource() { Q_INIT_RESOURCE(lang); }

namespace quorval {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A group box whose radio buttons are its items rather than controls of
// their own: marked so, or holding radio buttons that carry no name.
std::vector<QRadioButton*> RadioItems(QGroupBox* box) {
  std::vector<QRadioButton*> items;
  bool unnamed = true;
  for (QObject* child : box->children())
    if (auto* radio = qobject_cast<QRadioButton*>(child)) {
      items.push_back(radio);
      if (!radio->objectName().isEmpty()) unnamed = false;
    }
  if (items.empty() || (!unnamed && !box->property("radioGroup").toBool())) return {};
  return items;
}

QTabWidget* TabOwnerOf(QWidget* page, int& index) {
  auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
  auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
  index = tabs ? tabs->indexOf(page) : -1;
  return index >= 0 ? tabs : nullptr;
}

// The window's widgets, actions and menus as the walk sees them.
class WidgetTarget : public WordListTarget {
 public:
  WidgetTarget(QWidget* window, TTranslateEdits edits, const std::vector<std::string>& textKeys)
      : window_(window), edits_(edits), textKeys_(textKeys) {
    for (QObject* o : window->findChildren<QObject*>()) {
      const QString name = o->objectName().toLower();
      if (!name.isEmpty() && !byName_.contains(name)) byName_.insert(name, o);
    }
  }

  void SetFormCaption(const std::string& text) override { window_->setWindowTitle(Q(text)); }

  Outcome ApplyControl(const std::string& key, WordCursor& cursor) override {
    for (const std::string& text : textKeys_)
      if (SameName(text, key)) {
        // A text the window looks up itself: its rows are passed.
        cursor.NextText();
        cursor.SkipOwnRows();
        return Outcome::Applied;
      }
    QObject* o = byName_.value(Q(key).toLower());
    if (!o) return Outcome::NotFound;
    const size_t first = cursor.Row();
    if (!Translated(o)) return ApplyHint(o, cursor, first);
    if (!ApplyTexts(o, cursor)) return Outcome::Failed;
    return ApplyHint(o, cursor, first);
  }

 private:
  bool Translated(QObject* o) const {
    if (auto* tool = qobject_cast<QToolButton*>(o); tool && tool->defaultAction()) return false;
    bool readOnly = false;
    if (auto* line = qobject_cast<QLineEdit*>(o)) readOnly = line->isReadOnly();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(o)) readOnly = plain->isReadOnly();
    else if (auto* rich = qobject_cast<QTextEdit*>(o)) readOnly = rich->isReadOnly();
    else return true;
    return edits_ == teAlways || (edits_ == teReadOnly && readOnly);
  }

  static QString Next(WordCursor& cursor) { return Q(cursor.NextText().value_or(std::string())); }

  static QStringList Items(WordCursor& cursor, int count, bool fromContinuations = false) {
    QStringList list;
    for (const std::string& text : cursor.ItemTexts(size_t(std::max(count, 0)), fromContinuations)) list << Q(text);
    return list;
  }

  // Writes the captions, texts and items; false when the widget refused one.
  bool ApplyTexts(QObject* o, WordCursor& cursor) {
    if (auto* action = qobject_cast<QAction*>(o)) {
      action->setText(Next(cursor));
    } else if (auto* menu = qobject_cast<QMenu*>(o)) {
      menu->setTitle(Next(cursor));
    } else if (auto* combo = qobject_cast<QComboBox*>(o)) {
      const int selected = combo->currentIndex();
      const QStringList items = Items(cursor, combo->count());
      for (int i = 0; i < items.size(); ++i) combo->setItemText(i, items[i]);
      combo->setCurrentIndex(selected);
    } else if (auto* list = qobject_cast<QListWidget*>(o)) {
      const QStringList items = Items(cursor, list->count());
      for (int i = 0; i < items.size(); ++i) list->item(i)->setText(items[i]);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(o)) {
      const QStringList items = Items(cursor, tabs->count());
      for (int i = 0; i < items.size(); ++i) tabs->setTabText(i, items[i]);
    } else if (auto* bar = qobject_cast<QTabBar*>(o)) {
      const QStringList items = Items(cursor, bar->count());
      for (int i = 0; i < items.size(); ++i) bar->setTabText(i, items[i]);
    } else if (auto* box = qobject_cast<QGroupBox*>(o)) {
      box->setTitle(Next(cursor));
      const std::vector<QRadioButton*> radios = RadioItems(box);
      const QStringList items = Items(cursor, int(radios.size()), true);
      for (size_t i = 0; i < radios.size(); ++i) radios[i]->setText(items[int(i)]);
    } else if (auto* label = qobject_cast<QLabel*>(o)) {
      label->setText(Next(cursor));
    } else if (auto* button = qobject_cast<QAbstractButton*>(o)) {
      button->setText(Next(cursor));
    } else if (auto* line = qobject_cast<QLineEdit*>(o)) {
      line->setText(Next(cursor));
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(o)) {
      plain->setPlainText(Items(cursor, std::max(1, plain->blockCount())).join('\n'));
    } else if (auto* rich = qobject_cast<QTextEdit*>(o)) {
      rich->setPlainText(Items(cursor, std::max(1, rich->document()->blockCount())).join('\n'));
    } else if (auto* widget = qobject_cast<QWidget*>(o)) {
      int page = -1;
      if (QTabWidget* owner = TabOwnerOf(widget, page)) {
        owner->setTabText(page, Next(cursor));
      } else if (widget->isWindow()) {
        widget->setWindowTitle(Next(cursor));
      } else if (const int p = o->metaObject()->indexOfProperty("caption"); p >= 0) {
        return o->setProperty("caption", Next(cursor));
      }
    }
    return true;
  }

  Outcome ApplyHint(QObject* o, WordCursor& cursor, size_t first) {
    auto* widget = qobject_cast<QWidget*>(o);
    auto* action = qobject_cast<QAction*>(o);
    if (!widget && !action) return Outcome::Applied;
    if (const auto hint = cursor.HintText(first)) {
      if (widget) widget->setToolTip(Q(*hint));
      else action->setToolTip(Q(*hint));
    }
    return Outcome::Applied;
  }

  QWidget* window_;
  TTranslateEdits edits_;
  const std::vector<std::string>& textKeys_;
  QHash<QString, QObject*> byName_;
};

}  // namespace

TMultiLang::TMultiLang(QWidget* window, const QString& listName, const QStringList& charSets,
                       std::vector<std::string> textKeys)
    : QObject(window), window_(window), words_(CompiledWordList(listName)),
      charSets_(charSets.isEmpty() ? DefaultCharSets() : charSets), textKeys_(std::move(textKeys)) {
  Start();
}

TMultiLang::TMultiLang(QWidget* window, const QString& listName, std::vector<WindowText> texts)
    : QObject(window), window_(window), words_(CompiledWordList(listName)), charSets_(DefaultCharSets()),
      texts_(std::move(texts)) {
  for (const WindowText& t : texts_) textKeys_.push_back(t.key);
  Start();
}

TMultiLang::TMultiLang(QWidget* window, WordList words, const QStringList& charSets)
    : QObject(window), window_(window), words_(std::move(words)),
      charSets_(charSets.isEmpty() ? DefaultCharSets() : charSets) {
  Start();
}

void TMultiLang::Start() {
  // The window is designed in the font of language 0's entry.
  const QString first = charSets_.value(0);
  if (const QString name = first.section(QLatin1Char(','), 0, 0).trimmed(); !name.isEmpty()) fontName_ = name;
  charSet_ = first.section(QLatin1Char(','), 1).trimmed().toInt();
  SetActiveLanguage(0);
}

QString TMultiLang::Text(const std::string& key) const {
  for (const std::string& k : textKeys_) {
    if (!SameName(k, key)) continue;
    if (const auto text = words_.Find(key, active_)) return Q(*text);
    for (const WindowText& t : texts_)
      if (SameName(t.key, key)) return t.english;
    return {};
  }
  return {};
}

QStringList TMultiLang::DefaultCharSets() { return QStringList(Languages, QStringLiteral("MS Sans Serif,1")); }

QStringList TMultiLang::MainWindowCharSets() {
  QStringList sets;
  for (int l = 0; l < Languages; ++l)
    sets << (l >= 1 && l <= 4 ? QStringLiteral("MS Sans Serif,1") : QStringLiteral("MS Sans Serif,0"));
  return sets;
}

QString TMultiLang::PlatformFontFamily(const QString& fontName) {
  if (fontName.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  return fontName;
}

bool TMultiLang::SetActiveLanguage(int language) {
  if (language < 0 || language >= Languages) {
    ShowMessage(kLanguageRangeMessage);
    return false;
  }
  // The language being left keeps the font it was shown with.
  const QString current = fontName_ + QLatin1Char(',') + QString::number(charSet_);
  while (charSets_.size() < Languages) charSets_ << current;
  if (active_ >= 0 && active_ < charSets_.size()) charSets_[active_] = current;
  active_ = language;
  ApplyFont();
  if (!window_) return true;
  WidgetTarget target(window_, translateEdits_, textKeys_);
  lastWalk_ = WordWalk::Run(words_, language, target, defaultEnabled_, defaultLanguage_);
  return true;
}

void TMultiLang::ApplyFont() {
  const QString entry = charSets_.value(active_);
  const int comma = entry.indexOf(QLatin1Char(','));
  const QString name = (comma < 0 ? entry : entry.left(comma)).trimmed();
  bool ok = false;
  const int set = comma < 0 ? 0 : entry.mid(comma + 1).trimmed().toInt(&ok);
  if (!name.isEmpty()) fontName_ = name;
  if (ok) charSet_ = set;
  if (!window_) return;
  QFont font = window_->font();
  font.setFamily(PlatformFontFamily(fontName_));
  window_->setFont(font);
  // Qt needs no code page; the number is kept for whoever asks.
  window_->setProperty("charSet", charSet_);
}

QString WithoutAccelerator(const QString& caption) {
  QString shown;
  for (int i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&')) {
      if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) shown += QLatin1Char('&');
      ++i;
      if (i < caption.size() && caption[i] != QLatin1Char('&')) shown += caption[i];
      continue;
    }
    shown += caption[i];
  }
  return shown;
}

void InitWordListResources() {
  static const bool done = [] {
    InitLangResource();
    return true;
  }();
  (void)done;
}

const WordList& CompiledWordList(const QString& listName) {
  static std::map<QString, WordList> lists;
  const auto found = lists.find(listName);
  if (found != lists.end()) return found->second;
  InitWordListResources();
  QFile file(QStringLiteral(":/lang/%1.txt").arg(listName));
  WordList list;
  if (file.open(QIODevice::ReadOnly)) list = WordList::Parse(file.readAll().toStdString());
  return lists.emplace(listName, std::move(list)).first->second;
}

QString WordText(const QString& listName, const char* key, int language, const QString& fallback) {
  const auto text = CompiledWordList(listName).Find(key, language);
  return text ? Q(*text) : fallback;
}

}  // namespace quorval
