#pragma once
// The about box "Info": the program's name and version beside a small animated picture, the
// publisher, and link labels that open the program's own documents (the README and the manual
// "Anleitung.pdf" beside the program). The picture turns every 60 ms through seven frames; where
// it stands is kept for the whole process, so reopening the box goes on where it stopped.
#include "Gui/XoForm.h"

#include <QPixmap>
#include <QString>

class QLabel;
class QPushButton;

class TFoAboutBox : public TBaseForm {
    Q_OBJECT
public:
    explicit TFoAboutBox(QWidget* parent = nullptr);
    ~TFoAboutBox() override;

    void SetFetteSchrift(bool bold) override;

    // The animation's step: the next of the seven pictures.
    void Animieren();
    // The picture shown now, 0 to 6 (process-wide).
    static int Bild();
    static QPixmap BildNr(int nummer);
    static constexpr int kBilder = 7;
    static constexpr int kIntervallMs = 60;

    // Opens the document a link label names, beside the program; a missing one is told.
    void LinkOeffnen(const QString& datei);

    QWidget* paInfo = nullptr;
    QLabel* Image = nullptr;
    QLabel* stAppName = nullptr;
    QLabel* stVersion = nullptr;
    QLabel* stLiesMich = nullptr;
    QLabel* stAnleitung = nullptr;
    QPushButton* bnOK = nullptr;

private:
    QLabel* Zeile(const char* name, const QString& text);
    void BildZeigen();
};
