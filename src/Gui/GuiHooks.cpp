#include "Gui/GuiHooks.h"

#include "Gui/FrmLib.h"
#include "Lib/Meldung.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

void KeinAnzeigeprogramm(const QString& pfad)
{
    const QFileInfo datei(pfad);
    ShowFehler(QStringLiteral("Für \"%1\" ist kein Anzeigeprogramm eingerichtet.\n"
                              "Die Datei liegt im Ordner \"%2\".")
                   .arg(datei.fileName(), QDir::toNativeSeparators(datei.absolutePath())));
}

// xdg-open hands the file to the desktop's program for its type; its exit code tells whether
// there was one. It runs beside the program, so a viewer that stays open blocks nothing, and the
// process object lives until it ends (a viewer left open at program end is not killed).
void DesktopOeffnen(const QString& pfad)
{
    auto* prozess = new QProcess;
    prozess->setProcessChannelMode(QProcess::ForwardedChannels);
    prozess->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(prozess, &QProcess::finished, prozess,
                     [prozess, pfad](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0)
                             KeinAnzeigeprogramm(pfad);
                         prozess->deleteLater();
                     });
    QObject::connect(prozess, &QProcess::errorOccurred, prozess,
                     [prozess, pfad](QProcess::ProcessError fehler) {
                         if (fehler != QProcess::FailedToStart)
                             return;
                         KeinAnzeigeprogramm(pfad);
                         prozess->deleteLater();
                     });
    prozess->start(QStringLiteral("xdg-open"), {pfad});
}

} // namespace

TGuiHooks DefaultGuiHooks()
{
    TGuiHooks hooks;
    hooks.beep = [](TBeepArt) { QApplication::beep(); };
    hooks.fehler = [](const QString& text) {
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                              text);
    };
    hooks.modal = [](QWidget& widget) { return RunModal(widget); };
    hooks.delay = [](int milliseconds) { WaitProcessingEvents(milliseconds); };
    hooks.meldung = [](const QString& text, const QString& caption, bool abbrechbar) {
        QMessageBox box(QMessageBox::Warning, caption, text,
                        abbrechbar ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                        QApplication::activeWindow());
        return box.exec() != QMessageBox::Cancel;
    };
    hooks.oeffnen = DesktopOeffnen;
    hooks.rahmen = [](const QWidget& fenster) -> std::optional<QMargins> {
        const QWindow* handle = fenster.windowHandle();
        if (!fenster.isWindow() || !fenster.isVisible() || !handle)
            return std::nullopt;
        const QMargins rahmen = handle->frameMargins();
        if (rahmen.isNull())
            return std::nullopt;
        return rahmen;
    };
    hooks.arbeitsbereich = [] {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            return area.isValid() ? area : screen->geometry();
        }
        return QRect(0, 0, 1024, 768);
    };
    return hooks;
}

TGuiHooks& GuiHooks()
{
    static TGuiHooks hooks = DefaultGuiHooks();
    return hooks;
}

void MessageBeep(TBeepArt art)
{
    if (GuiHooks().beep)
        GuiHooks().beep(art);
}

void ShowFehler(const QString& text)
{
    if (GuiHooks().fehler)
        GuiHooks().fehler(text);
}

void DokumentOeffnen(const QString& pfad)
{
    if (!QFileInfo(pfad).isFile()) {
        ShowFehler(QStringLiteral("\"%1\" nicht gefunden!").arg(pfad));
        return;
    }
    if (GuiHooks().oeffnen)
        GuiHooks().oeffnen(pfad);
}

void InstallMeldungsHook()
{
    SetMeldungsHook([](const std::string& text, const std::string& caption, bool abbrechbar) {
        const auto& meldung = GuiHooks().meldung;
        return !meldung ||
               meldung(QString::fromStdString(text), QString::fromStdString(caption), abbrechbar);
    });
}

void RemoveMeldungsHook()
{
    SetMeldungsHook({});
}
