// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds a control as a screen reader does, by its accessible name.

#include <QString>
#include <QWidget>

namespace kelvo::testing {

// The one control of type T in `window` with the name; nullptr when there is
// none, or more than one (a name must tell the controls apart).
template <class T> T *byAccessibleName(const QWidget &window, const QString &name) {
  T *found = nullptr;
  for (T *child : window.findChildren<T *>())
    if (child->accessibleName() == name) {
      if (found)
        return nullptr;
      found = child;
    }
  return found;
}

} // namespace kelvo::testing
