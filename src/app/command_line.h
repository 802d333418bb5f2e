// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's command line: its options and the file it may name, read
// before any display is opened, and the answers that need no window
// (--help, --help-all, --version, --list-links).

#include <QString>
#include <QStringList>
#include <cstdio>

namespace kelvo::app {

struct CommandLine {
  enum class Action { Run, Help, HelpAll, Version, ListLinks, ListControls };
  Action action = Action::Run;
  QString studyFile; // a study to open in the notebook
  QString error;     // one line, without the program's name
};

CommandLine readCommandLine(const QStringList &arguments);

// Answers `action` on standard output. Returns the exit status: 1 when
// standard output could not take the answer (a full disk, a closed pipe).
int answerWithoutWindow(CommandLine::Action action, int argc, char **argv);

// A text of the command line's, marked in the context
// "kelvo::app::CommandLine", in the user's language.
QString commandLineText(const char *text);
void printText(std::FILE *to, const QString &text);

} // namespace kelvo::app
