#include "ui/help_window.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/messages.h"
#include "data/help_files.h"
#include "ui/colour_ref.h"
#include "ui/multi_lang.h"
#include "ui/skin.h"

namespace quorval {
namespace {

constexpr int kBlockRole = Qt::UserRole + 1;

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setToolTip(hint);
  b->setAutoDefault(false);
  return b;
}

void Paint(QWidget* w, QPalette::ColorRole role, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(role, c);
  w->setPalette(p);
}

}  // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("HelpWindow");
  setWindowTitle("ORVENDAL QUORVAL 2005 - Help");
  // Large enough for the guide's pictures, never larger than the screen.
  QSize size(1120, 740);
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  resize(size);

  auto* bar = new QHBoxLayout;
  home_ = Button(this, "ContentsBtn", "&Contents", "Back to the contents of the page help was opened at");
  back_ = Button(this, "BackBtn", "&Back", "The page seen before");
  forward_ = Button(this, "ForwardBtn", "&Forward", "The page seen next");
  close_ = Button(this, "CloseBtn", "Close", "Close the help");
  for (QPushButton* b : {home_, back_, forward_}) bar->addWidget(b);
  bar->addStretch();
  bar->addWidget(close_);

  auto* split = new QSplitter(this);
  contents_ = new QListWidget(split);
  contents_->setObjectName("ContentsList");
  SetTag(contents_, 5);
  contents_->setWordWrap(true);
  contents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  browser_ = new QTextBrowser(split);
  browser_->setObjectName("HelpText");
  // Links are followed here, so a missing page gets the program's message.
  browser_->setOpenLinks(false);
  split->addWidget(contents_);
  split->addWidget(browser_);
  split->setStretchFactor(1, 1);
  split->setSizes({200, 920});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(split, 1);

  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(home_, &QPushButton::clicked, this, [this] { ContentsClick(); });
  connect(back_, &QPushButton::clicked, this, [this] { BackClick(); });
  connect(forward_, &QPushButton::clicked, this, [this] { ForwardClick(); });
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { LinkClick(link); });
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] { FillContents(); });
  connect(contents_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ShowHeading(contents_->row(item)); });
  lang_ = new TMultiLang(this, QStringLiteral("help_window"));
}

void THelpWindow::SetLanguage(int language) { lang_->SetActiveLanguage(language); }

bool THelpWindow::OpenPage(const QString& path, const QString& topic) {
  if (!QFileInfo(path).isFile()) return false;
  QUrl page = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
  if (!topic.isEmpty()) page.setFragment(topic);
  homePage_ = page;
  browser_->setSource(page);
  return true;
}

void THelpWindow::ContentsClick() {
  if (homePage_.isEmpty()) return;
  if (browser_->source() == homePage_) {
    // Already there: only scroll back to the contents.
    if (homePage_.hasFragment()) browser_->scrollToAnchor(homePage_.fragment());
    else browser_->verticalScrollBar()->setValue(0);
    return;
  }
  browser_->setSource(homePage_);
}

void THelpWindow::BackClick() { browser_->backward(); }

void THelpWindow::ForwardClick() { browser_->forward(); }

void THelpWindow::LinkClick(const QUrl& link) {
  const QUrl target = browser_->source().resolved(link);
  if (!target.isLocalFile()) {
    QDesktopServices::openUrl(target);
    return;
  }
  const QString file = target.toLocalFile();
  if (!QFileInfo(file).isFile()) {
    ShowMessage(HelpFileMissingMessage(QFileInfo(file).fileName().toStdString()));
    return;
  }
  browser_->setSource(target);
}

void THelpWindow::ApplySkin(const TSkinColors& colours) {
  ApplySkinToWindow(this, colours, false);
  // The page is no panel of the skin: it takes the grids' colour 5 as paper.
  Paint(browser_, QPalette::Base, FromColourRef(uint32_t(colours[5])));
  Paint(browser_, QPalette::Text, Qt::black);
}

QUrl THelpWindow::Source() const { return browser_->source(); }

QStringList THelpWindow::Headings() const {
  QStringList headings;
  for (int row = 0; row < contents_->count(); ++row) headings << contents_->item(row)->text().trimmed();
  return headings;
}

// The headings of the page (h1 to h3), indented by level; each item keeps
// its block so a click can scroll there.
void THelpWindow::FillContents() {
  contents_->clear();
  const QTextDocument* doc = browser_->document();
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level < 1 || level > 3 || block.text().trimmed().isEmpty()) continue;
    auto* item = new QListWidgetItem(QString(2 * (level - 1), ' ') + block.text().trimmed(), contents_);
    item->setData(kBlockRole, block.blockNumber());
    if (level == 1) {
      QFont bold = item->font();
      bold.setBold(true);
      item->setFont(bold);
    }
  }
}

void THelpWindow::ShowHeading(int row) {
  QListWidgetItem* item = contents_->item(row);
  if (!item) return;
  const QTextBlock block = browser_->document()->findBlockByNumber(item->data(kBlockRole).toInt());
  if (!block.isValid()) return;
  const QRectF place = browser_->document()->documentLayout()->blockBoundingRect(block);
  browser_->verticalScrollBar()->setValue(int(place.top()));
}

}  // namespace quorval
