#include "Print/DruckAusgabe.h"

#include "Gui/GuiHooks.h"
#include "Gui/ListenDialog.h"
#include "Gui/XoApp.h"
#include "Lib/Exception.h"
#include "Lib/FileSystem.h"
#include "Print/QtDruckCanvas.h"
#include "Print/VtDruck.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include <cerrno>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace {

// Keeps the hourglass up while the printer is fed, also when printing fails.
class TSanduhr {
public:
    TSanduhr() { XoApplication().BeginBusy(); }
    ~TSanduhr() { XoApplication().EndBusy(); }
    TSanduhr(const TSanduhr&) = delete;
    TSanduhr& operator=(const TSanduhr&) = delete;
};

// The print dialog with its page "Textausgabe". With the text file chosen, the printer and its PDF
// file play no part: their group is disabled, so that "Drucken" asks nothing about them (Qt's
// dialog would ask whether to overwrite the PDF file it offers), and OK keeps the printer's
// settings as they were. The text file asks its own questions.
class TDruckDialog : public QPrintDialog {
public:
    TDruckDialog(QPrinter* drucker, QWidget* parent) : QPrintDialog(drucker, parent)
    {
        setObjectName("PrintDialog");
        setOption(QAbstractPrintDialog::PrintToFile);
        auto* textSeite = new QWidget;
        textSeite->setObjectName("paTextausgabe");
        textSeite->setWindowTitle("Textausgabe");
        m_alsText = new QCheckBox("Als &Textdatei ausgeben", textSeite);
        m_alsText->setObjectName("chAlsText");
        auto* spalte = new QVBoxLayout(textSeite);
        spalte->addWidget(m_alsText);
        spalte->addStretch(1);
        setOptionTabs({textSeite});
        if (auto* druckerGruppe = findChild<QWidget*>("printerGroup"))
            connect(m_alsText, &QCheckBox::toggled, druckerGruppe,
                    [druckerGruppe](bool alsText) { druckerGruppe->setEnabled(!alsText); });
    }

    bool AlsText() const { return m_alsText->isChecked(); }

    void accept() override
    {
        if (AlsText())
            QDialog::accept();
        else
            QPrintDialog::accept();
    }

private:
    QCheckBox* m_alsText = nullptr;
};

// The document name, and the PDF file offered under it, follow the page now printed.
void DokumentBenennen(QPrinter& drucker, const QString& titel)
{
    const QFileInfo datei(drucker.outputFileName());
    if (!drucker.docName().isEmpty() && datei.completeBaseName() == drucker.docName())
        drucker.setOutputFileName(datei.dir().filePath(titel + "." + datei.suffix()));
    drucker.setDocName(titel);
}

} // namespace

std::optional<TDruckWahl> DruckDialogAusfuehren(QWidget* parent, const QString& titel)
{
    QPrinter& drucker = Drucker();
    DokumentBenennen(drucker, titel);
    TDruckDialog dialog(&drucker, parent);
    if (!GuiHooks().modal || GuiHooks().modal(dialog) != QDialog::Accepted)
        return std::nullopt;
    TDruckWahl wahl;
    wahl.alsText = dialog.AlsText();
    wahl.kopien = std::max(1, drucker.copyCount());
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
    const std::string pfad = QFile::encodeName(datei).toStdString();
    const auto scheitern = [&datei](const std::string& grund) {
        throw Exception("Der Text kann nicht in die Datei \"" + datei.toStdString() +
                        "\" geschrieben werden: " + grund);
    };
    // A named pipe or a device would take the file's place (or block the program).
    struct stat st {};
    if (::stat(pfad.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        scheitern(S_ISDIR(st.st_mode) ? SystemFehlerText(EISDIR) : "Keine gewöhnliche Datei");
    const QByteArray text = ZeilenText(zeilen).toUtf8();
    if (const int fehler =
            WriteFileAtomic(pfad, std::string_view(text.constData(), std::size_t(text.size())));
        fehler != 0)
        scheitern(SystemFehlerText(fehler));
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
