#pragma once
// The main window's "&Drucken...": the print dialog over the program's printer, which also asks
// for the number of copies and offers the page as a text file, and the writing of that file.
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;
class TVtDruck;

struct TDruckWahl {
    int kopien = 1;
    bool alsText = false;
};

// Runs the print dialog for the page captioned `titel` (the main window's caption), which names
// the document and the PDF file offered; nothing when it is cancelled. The copies are printed by
// the printout itself, one page after the other: the printer is set back to one copy, so that the
// spooler does not repeat each of them once more.
std::optional<TDruckWahl> DruckDialogAusfuehren(QWidget* parent, const QString& titel);

// Asks for the file ("VANTRL.TXT", an existing one only after asking) and writes the lines into
// it. False when the user cancels; an empty list asks nothing. Raises when the file cannot be
// written, and then leaves no part of it behind.
bool TextDateiAusgeben(QWidget* parent, const QStringList& zeilen);
// Writes the lines in UTF-8, each ended by CR LF, replacing the file as a whole: a failure (a full
// disk, a missing folder, a named pipe in the file's place) raises and leaves the old file as it
// was and no new one.
void TextDateiSchreiben(const QString& datei, const QStringList& zeilen);

// Prints `druck` on the program's printer with the hourglass shown.
void AufDruckerDrucken(TVtDruck& druck);
// The same `kopien` times under `titel` (the main window's caption).
void AufDruckerDrucken(TVtDruck& druck, int kopien, const QString& titel);
