// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Open Recent": a submenu of the studies opened or saved last, read afresh
// each time the menu that holds it opens, so that a file gone meanwhile is
// not offered. Empty, it is shown disabled.

#include <QString>
#include <functional>

class QMenu;

namespace kelvo::app {

// Adds the submenu, titled `title`, to `menu`; choosing an entry calls `open`
// with the study's path.
QMenu *addRecentStudiesMenu(QMenu &menu, const QString &title,
                            std::function<void(const QString &)> open);

} // namespace kelvo::app
