// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard_window/text_fit.h"

#include "wizard_window/widgets.h"

#include <QFontMetrics>
#include <QLabel>

namespace kelvo::app {

namespace {

// Below this a text is no longer readable; it is better cut than unreadable.
constexpr int kSmallestPixels = 8;

bool labelFits(const QLabel *label, QFont font) {
  if (label->objectName().startsWith(QLatin1String("Label1(")))
    font.setBold(true);
  const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  const QRect need = QFontMetrics(font).boundingRect(label->rect(), flags, label->text());
  return need.width() <= label->width() && need.height() <= label->height();
}

bool buttonFits(const WizardButton *button) {
  return button->rect().contains(button->captionBounds());
}

// Steps the pixel size of the control's own font down while `fits` says no.
template <class Fits> void shrinkUntil(QWidget *control, Fits fits) {
  QFont font = control->font();
  while (!fits(font) && font.pixelSize() > kSmallestPixels) {
    font.setPixelSize(font.pixelSize() - 1);
    control->setFont(font);
  }
}

} // namespace

void fitTextsToBoxes(QWidget *window, const QList<QList<QLabel *>> &groups) {
  for (QLabel *label : window->findChildren<QLabel *>())
    shrinkUntil(label, [label](const QFont &font) { return labelFits(label, font); });
  for (const QList<QLabel *> &group : groups) {
    int smallest = 0;
    for (const QLabel *label : group)
      if (smallest == 0 || label->font().pixelSize() < smallest)
        smallest = label->font().pixelSize();
    for (QLabel *label : group) {
      QFont font = label->font();
      font.setPixelSize(smallest);
      label->setFont(font);
    }
  }
  for (WizardButton *button : window->findChildren<WizardButton *>())
    shrinkUntil(button, [button](const QFont &) { return buttonFits(button); });
}

} // namespace kelvo::app
