#pragma once
// Next, Back, the side-menu step labels, Restart and Exit: how the target
// page is chosen, when step 1 may be left, the buttons and the caption.

#include <QString>
#include <cstdint>

namespace kelvo {

class Dialogs;

// What navigation needs from the main window.
class WizardView {
public:
  virtual ~WizardView() = default;
  virtual int highlightedStep() const = 0;
  virtual void showpage(std::int16_t n) = 0;
  virtual void markstep(std::int16_t n) = 0;
  virtual QString symbolText() const = 0;
  virtual void setSymbolText(const QString &text) = 0;
  virtual QString nameText() const = 0;
  virtual void setNameText(const QString &text) = 0;
  virtual void verifystock() = 0;
  virtual void setBackEnabled(bool on) = 0;
  virtual void setNextEnabled(bool on) = 0;
  virtual void setCaption(const QString &caption) = 0;
  virtual std::int32_t &cnt() = 0;
  virtual Dialogs &dialogs() = 0;
};

inline const QString kCaptionPrefix = QStringLiteral("Kelvo Training Wizard - ");
inline const QString kPlainCaption = QStringLiteral("Kelvo Training Wizard");
inline const QString kClearedCaption = QStringLiteral("Kelvo Training Wizard ");

void cmdNext_Click(WizardView &view);
void cmdBack_Click(WizardView &view);
void Label1_Click(WizardView &view, std::int16_t index);
void cmdFinished_Click(WizardView &view);
// True when the user answered Yes and the program is to end.
bool cmdCancel_Click(WizardView &view);

} // namespace kelvo
