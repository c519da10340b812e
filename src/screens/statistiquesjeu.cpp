// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistiquesjeu.h"

#include <QDate>

#include "fileresult.h"
#include "shell.h"
#include "statistiques.h"

void RecordGameStarted(int Level) {
  if (TShell* shell = Shell(); shell != nullptr && shell->Statistiques() != nullptr)
    ReportFileResult(shell->Statistiques()->RecordStarted(Level));
}

void RecordGameFinished(int Level, int Seconds, int Helps, bool Daily) {
  if (TShell* shell = Shell(); shell != nullptr && shell->Statistiques() != nullptr)
    ReportFileResult(shell->Statistiques()->RecordFinished(Level, Seconds, Helps, QDate::currentDate(), Daily).Saved);
}
