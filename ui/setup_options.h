#pragma once
// TSetupOptions: the modal Preferences dialog (File > Preferences, F2). It
// shows and edits the current player's options: the player (choosing or
// typing a name switches to that player's stored options), the computer's
// thinking time, the card back with its live preview, the colour skin and the
// match-point method. OK saves the options; Cancel or closing goes back to
// the stored ones. What the table does afterwards is the table's business.

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "data/options.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace quorval {

class TCard;

class TSetupOptions : public QDialog {
  Q_OBJECT

 public:
  // `options` is the options file, `option` the current player's record;
  // `machineLanguage` is the language fallback LoadOptions reads.
  TSetupOptions(QWidget* parent, TBigIniFile& options, TOption& option, LanguageSource machineLanguage = {});

  // Fills the dialog from the current player's options; runs on every show.
  void FillDialog();
  // The language of the next showing (the table's interface language); a
  // player chosen in the dialog brings his own. -1: the player's Language.
  void SetLanguage(int language) { language_ = language; }

  // The events of the controls, as the user causes them.
  void SkillSlideChange(int position);
  void CardBackDesignChange(int design);
  void NewColorButtonClick();
  void SkinButtonClick(const std::string& skin);
  // The player list clicked or left. False when the dialog may not close
  // because of it (no name, or a name the options file cannot hold).
  bool NewPlayerExit();
  void OKBtnClick();

  // The colour chooser; returns nothing when cancelled. The platform's
  // colour dialog unless replaced (tests).
  using ColourChooser = std::function<std::optional<QColor>(const QColor& initial)>;
  void SetColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }
  // The texts of the two refusals (the table hands them over in its language).
  void SetNoPlayerMessage(const QString& text) { noPlayerMessage_ = text; }
  QString BadPlayerNameMessage() const;

  // Asked before another player takes the chair (the table's board goes);
  // false keeps the player in the chair.
  void SetPlayerChangeCheck(std::function<bool()> check) { playerChangeCheck_ = std::move(check); }

  std::string PendingSkin() const { return pendingSkin_; }
  std::string RememberedPlayer() const { return remembered_; }
  TCard* BackCard() const { return backCard_; }
  TCard* FaceCard() const { return faceCard_; }

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void FillFromLanguage();
  void EnableSkinButtons();

  TBigIniFile& options_;
  TOption& option_;
  LanguageSource machineLanguage_;
  class TMultiLang* lang_ = nullptr;
  int language_ = -1;
  ColourChooser chooseColour_;
  QString noPlayerMessage_;

  std::string remembered_;
  std::string pendingSkin_;
  bool checkingPlayer_ = false;

  QComboBox* newPlayer_ = nullptr;
  QLabel* skillLevel_ = nullptr;
  QProgressBar* skillBar_ = nullptr;
  QScrollBar* skillSlide_ = nullptr;
  QPushButton* teal_ = nullptr;
  QPushButton* silver_ = nullptr;
  QPushButton* olive_ = nullptr;
  QRadioButton* mpItems_[4] = {};
  QComboBox* design_ = nullptr;
  QLabel* badName_ = nullptr;
  TCard* backCard_ = nullptr;
  TCard* faceCard_ = nullptr;
  std::function<bool()> playerChangeCheck_;
};

}  // namespace quorval
