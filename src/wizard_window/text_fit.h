// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Texts that fit their boxes whatever face is installed.

#include <QList>

class QLabel;
class QWidget;

namespace kelvo::app {

// Every label and button text of the window that would be cut in its box at
// the current face gets a smaller pixel size for that one control, a pixel at
// a time, until it fits. Step labels are measured bold, as they are drawn when
// highlighted. With the face the layout was drawn for nothing changes.
// The labels of each of `groups` then all take the smallest size any of them
// needed, so that a group reads as one.
void fitTextsToBoxes(QWidget *window, const QList<QList<QLabel *>> &groups = {});

} // namespace kelvo::app
