#include "TrayLauncher/TrayHooks.h"

#include "Platform/ProzessStart.h"
#include "TrayLauncher/LStTabTrayIconApplication.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSystemTrayIcon>

TTrayHooks DefaultTrayHooks()
{
    TTrayHooks hooks;
    hooks.frage = [](const QString& frage) {
        QMessageBox box(QMessageBox::Question, kTrayTitel, frage);
        QPushButton* ja = box.addButton("&Ja", QMessageBox::YesRole);
        QPushButton* nein = box.addButton("&Nein", QMessageBox::NoRole);
        QPushButton* abbrechen = box.addButton("Abbrechen", QMessageBox::RejectRole);
        box.setDefaultButton(ja);
        box.setEscapeButton(abbrechen);
        box.exec();
        if (box.clickedButton() == ja)
            return TTrayAntwort::Ja;
        return box.clickedButton() == nein ? TTrayAntwort::Nein : TTrayAntwort::Abbrechen;
    };
    hooks.fehler = [](const QString& text) {
        QMessageBox box(QMessageBox::Critical, kTrayTitel, text);
        box.addButton("OK", QMessageBox::AcceptRole);
        box.exec();
    };
    hooks.starten = [](const std::string& pfad) { return ProgrammStarten(pfad); };
    hooks.infobereich = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    return hooks;
}
