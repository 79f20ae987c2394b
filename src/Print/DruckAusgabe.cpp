#include "Print/DruckAusgabe.h"

#include "Gui/GuiHooks.h"
#include "Gui/ListenDialog.h"
#include "Gui/XoApp.h"
#include "Lib/Exception.h"
#include "Print/QtDruckCanvas.h"
#include "Print/VtDruck.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {

// Keeps the hourglass up while the printer is fed, also when printing fails.
class TSanduhr {
public:
    TSanduhr() { XoApplication().BeginBusy(); }
    ~TSanduhr() { XoApplication().EndBusy(); }
    TSanduhr(const TSanduhr&) = delete;
    TSanduhr& operator=(const TSanduhr&) = delete;
};

} // namespace

std::optional<TDruckWahl> DruckDialogAusfuehren(QWidget* parent)
{
    QPrinter& drucker = Drucker();
    QPrintDialog dialog(&drucker, parent);
    dialog.setObjectName("PrintDialog");
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    auto* textSeite = new QWidget;
    textSeite->setObjectName("paTextausgabe");
    textSeite->setWindowTitle("Textausgabe");
    auto* alsText = new QCheckBox("Als &Textdatei ausgeben", textSeite);
    alsText->setObjectName("chAlsText");
    auto* spalte = new QVBoxLayout(textSeite);
    spalte->addWidget(alsText);
    spalte->addStretch(1);
    dialog.setOptionTabs({textSeite});
    if (!GuiHooks().modal || GuiHooks().modal(dialog) != QDialog::Accepted)
        return std::nullopt;
    TDruckWahl wahl;
    wahl.kopien = std::max(1, drucker.copyCount());
    wahl.alsText = alsText->isChecked();
    drucker.setCopyCount(1);
    return wahl;
}

bool TextDateiAusgeben(QWidget* parent, const QStringList& zeilen)
{
    if (zeilen.isEmpty())
        return false;
    QFileDialog dialog(parent, "Speichern unter");
    dialog.setObjectName("SaveDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The question comes from us, answerable like every other one.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({"Textdateien (*.txt *.TXT)", "Alle Dateien (*)"});
    dialog.setDefaultSuffix("txt");
    dialog.setDirectory(QDir::homePath());
    dialog.selectFile("VANTRL.TXT");
    if (!GuiHooks().modal || GuiHooks().modal(dialog) != QDialog::Accepted)
        return false;
    const QString datei = dialog.selectedFiles().value(0);
    if (datei.isEmpty())
        return false;
    if (QFileInfo::exists(datei) &&
        !JaNeinFrage(parent, "Speichern unter",
                     QFileInfo(datei).fileName() +
                         " existiert bereits.\nMöchten Sie die Datei ersetzen?"))
        return false;
    TextDateiSchreiben(datei, zeilen);
    return true;
}

void TextDateiSchreiben(const QString& datei, const QStringList& zeilen)
{
    QSaveFile ausgabe(datei);
    if (!ausgabe.open(QIODevice::WriteOnly))
        throw Exception("Die Datei \"" + datei.toStdString() +
                        "\" kann nicht angelegt werden: " + ausgabe.errorString().toStdString());
    const QByteArray text = ZeilenText(zeilen).toUtf8();
    if (ausgabe.write(text) != text.size() || !ausgabe.commit())
        throw Exception("Die Datei \"" + datei.toStdString() +
                        "\" kann nicht geschrieben werden: " + ausgabe.errorString().toStdString());
}

void AufDruckerDrucken(TVtDruck& druck)
{
    TSanduhr sanduhr;
    // Declared before the job, so that it runs after the job has ended, also on failure.
    struct TDanach {
        ~TDanach() { DruckerBereitHalten(); }
    } danach;
    TQtDruckAuftrag auftrag(Drucker());
    druck.Drucken(auftrag);
}

void AufDruckerDrucken(TVtDruck& druck, int kopien, const QString& titel)
{
    druck.Kopien = kopien;
    druck.Titel = titel;
    AufDruckerDrucken(druck);
}
