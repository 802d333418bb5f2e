#include "navigation.h"

#include "page_display.h"

#include <dialogs.h>

namespace kelvo {

namespace {
constexpr int kLastStep = kSteps - 1;

void display(WizardView &view, int n) {
  view.showpage(std::int16_t(n));
  view.markstep(std::int16_t(n));
}
} // namespace

void cmdNext_Click(WizardView &view) {
  const int h = view.highlightedStep();
  // Next can stay enabled on the last step after a directory selection
  // re-displayed it; there is no step after it, so the press is ignored.
  if (h >= kLastStep)
    return;
  std::int32_t &cnt = view.cnt();
  cnt = h + 1;
  const bool leavingCompanyPage = cnt == 2;

  if (leavingCompanyPage && view.symbolText().isEmpty())
    view.setSymbolText(view.dialogs().input(QStringLiteral("Enter a Stock Symbol to study: "),
                                            QStringLiteral("KO")));
  view.verifystock();

  if (leavingCompanyPage && (view.symbolText().isEmpty() || view.nameText().isEmpty())) {
    if (view.symbolText().isEmpty())
      view.dialogs().message(QStringLiteral("Enter a Stock Symbol"));
    if (view.nameText().isEmpty()) {
      view.dialogs().message(QStringLiteral("Enter the Company Name"));
      view.setNameText(view.symbolText());
    }
    return;
  }

  display(view, cnt);
  if (cnt == kLastStep)
    view.setNextEnabled(false);
  view.setBackEnabled(true);
  view.setCaption(kCaptionPrefix + kStepCaptions[std::size_t(cnt)] + QStringLiteral(" of  ") +
                  view.symbolText());
}

void cmdBack_Click(WizardView &view) {
  const int h = view.highlightedStep();
  // Back can stay enabled on step 0 after a directory selection; ignore it.
  if (h <= 0)
    return;
  const int p = h - 1;
  display(view, p);
  view.setCaption(kCaptionPrefix + kStepCaptions[std::size_t(p)]);
  if (p == 0)
    view.setBackEnabled(false);
  view.setNextEnabled(true);
}

void Label1_Click(WizardView &view, std::int16_t index) {
  if (index < 0 || index > kLastStep)
    return;
  display(view, index);
  view.setCaption(kCaptionPrefix + kStepCaptions[std::size_t(index)]);
  view.setBackEnabled(index != 0);
  view.setNextEnabled(index != kLastStep);
}

void cmdFinished_Click(WizardView &view) {
  display(view, 0);
  view.setBackEnabled(false);
  view.setNextEnabled(true);
}

bool cmdCancel_Click(WizardView &view) {
  return view.dialogs().message(QStringLiteral("Exit Program?"), QStringLiteral("End Program"),
                                MessageButtons::YesNo) == MessageAnswer::Yes;
}

} // namespace kelvo
