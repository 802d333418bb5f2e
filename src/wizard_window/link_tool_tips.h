// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tooltips of "R" and of the controls that open an address, composed
// when they show, so that each names the address a click opens now.

#include <QObject>
#include <QString>

namespace kelvo::handover {
class LinkActions;
} // namespace kelvo::handover

namespace kelvo::app {

class LinkToolTips final : public QObject {
public:
  explicit LinkToolTips(const handover::LinkActions &links) : links_(links) {}

  // The tooltip of a control by its design name; empty for none.
  QString toolTipFor(const QString &name) const;

protected:
  // Installed on a control, shows its tooltip.
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  const handover::LinkActions &links_;
};

} // namespace kelvo::app
