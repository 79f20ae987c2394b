#pragma once
// The calculator window: an adding machine with a paper tape (TRechenwerk does the arithmetic).
// The program creates one at start; the edit menu's "Re&chner" and the key R in any amount field
// show it modally, and "Ü&bertragen" writes its result into the amount field it was opened from.
// Lines of the tape can be dragged onto the display to take their number again.
#include "Gui/Rechenwerk.h"

#include <QListWidget>
#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QPagedPaintDevice;
class QPushButton;
class QRadioButton;
class TBetrag;

// The tape: an owner-drawn list with fixed line height; lines are dragged as their text.
class TListBoxFixed : public QListWidget {
    Q_OBJECT
public:
    explicit TListBoxFixed(QWidget* parent = nullptr);
    static const char* MimeTyp() { return "application/x-vt-rechnerzeile"; }

protected:
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
};

class TFoRechner : public QWidget {
    Q_OBJECT
public:
    explicit TFoRechner(QWidget* parent = nullptr);
    ~TFoRechner() override;

    // The program's calculator, or nullptr before it was created.
    static TFoRechner* Instanz();

    // The transfer target: the given field when it is an enabled, writable amount field.
    void ZielfeldMerken(QWidget* control);
    TBetrag* Zielfeld() const { return m_ziel; }
    // Resets tape and registers (every opening starts afresh) and shows the window modally.
    int ShowModal();
    // The opening's reset without showing the window.
    void Aktivieren();

    // A key as typed (see TRechenwerk::Taste).
    void Taste(int taste);
    void Uebertragen();
    // Asks for a printer and prints the tape on it.
    void Drucken();
    // The tape lines after the empty ones, one a line in Courier 12 pt, red lines in red.
    void StreifenDrucken(QPagedPaintDevice& geraet) const;

    TRechenwerk& Werk() { return m_werk; }
    TBetrag& Display() const { return *m_display; }
    TListBoxFixed& Streifen() const { return *m_streifen; }
    // The tape lines after the empty ones of the opening.
    QStringList StreifenZeilen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool TasteGedrueckt(QKeyEvent* event);
    void ZeileHinzufuegen(const TRechnerZeile& zeile);
    void Anzeigen(double wert, int stellen);
    QAbstractButton* TastenKnopf(const QString& name, const QString& text, int taste);
    void BauOberflaeche();

    TRechenwerk m_werk;
    QPointer<TBetrag> m_ziel;
    TListBoxFixed* m_streifen = nullptr;
    TBetrag* m_display = nullptr;
    QPushButton* m_uebertragen = nullptr;
    QList<QRadioButton*> m_stellenWahl;
    int m_leerZeilen = 0;
};
