#pragma once
// The amount edit: every money field of the system. It holds an integer amount with a fixed number
// of decimal places, shows it right-aligned with German separators and lets the user change it only
// through the editing rules of TBetragRegeln (typing, Backspace, Delete, cut, paste, drop and input
// methods alike). Enter and Esc go on to the parent (the dialog's default and cancel buttons); R
// opens the calculator with this field as the transfer target.
//
// Undo is one level deep: it exchanges the text with the text the field had when it got the focus.
#include "Gui/BetragRegeln.h"

#include <QLineEdit>

#include <cstdint>

class TBetrag : public QLineEdit {
    Q_OBJECT
public:
    explicit TBetrag(QWidget* parent = nullptr);

    // The amount in units of 10^-Dezimalstellen; 0 when the text holds no number.
    std::int32_t Betrag() const;
    // Throws Exception("Betrag zu groß") and keeps the text when the amount does not fit.
    void SetBetrag(std::int32_t betrag);
    double AsFloat() const;
    void SetAsFloat(double wert);

    int Dezimalstellen() const { return m_regeln.dezimalstellen; }
    // The digits stay, the separator moves.
    void SetDezimalstellen(int stellen);
    int MaxLength() const { return m_regeln.maxLength; }
    void SetMaxLength(int laenge);
    bool Minus() const { return m_regeln.minus; }
    void SetMinus(bool minus) { m_regeln.minus = minus; }
    void SetAutoSelect(bool autoSelect) { m_autoSelect = autoSelect; }

    // Any text read as an amount ("1.234,5") and shown with the field's places; refused text
    // leaves the field as it is. Returns whether it was taken.
    bool SetTextFormatted(const QString& text);

    // One-level undo: the text exchanged with the text at focus entry (and back).
    bool CanUndo() const;
    void Undo();
    // The edit commands of the form's edit menu, through the field's rules.
    void Ausschneiden();
    void Einfuegen();
    // The form's "Löschen": the selection, or the whole amount when nothing is selected.
    void Loeschen();

    // The program-wide Insert toggle: digits insert instead of overwriting while it is on.
    static bool EinfuegeModus();
    static void SetEinfuegeModus(bool ein);

    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    TBetragZustand Zustand() const;
    void Anwenden(const TBetragZustand& z);
    void Antworten(TBetragAntwort antwort, const TBetragZustand& z);
    void ZeichenEingeben(const QString& text);
    void ZeigeFormatiert(const std::string& text);

    TBetragRegeln m_regeln;
    QString m_eintrittsText;
    bool m_autoSelect = true;
};
