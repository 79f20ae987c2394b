#include "Gui/BetragEdit.h"

#include "Gui/GuiHooks.h"
#include "Gui/Rechner.h"
#include "Lib/Betrag.h"
#include "Lib/Exception.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace {

bool g_einfuegeModus = false;

std::string Ascii(const QString& text)
{
    return text.toStdString();
}

} // namespace

TBetrag::TBetrag(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxLength(32767);
    setAcceptDrops(true);
    setDragEnabled(false);
    // Our own popup belongs to the form (its edit menu); the line edit's own would bypass the
    // rules.
    setContextMenuPolicy(Qt::NoContextMenu);
    resize(100, sizeHint().height());
    QLineEdit::setText(QString::fromStdString(m_regeln.LeerText()));
}

bool TBetrag::EinfuegeModus()
{
    return g_einfuegeModus;
}

void TBetrag::SetEinfuegeModus(bool ein)
{
    g_einfuegeModus = ein;
}

QSize TBetrag::sizeHint() const
{
    return QSize(100, QLineEdit::sizeHint().height());
}

std::int32_t TBetrag::Betrag() const
{
    return StrToBetragInt(NurZiffern(Ascii(text()), std::string::npos, !m_regeln.minus));
}

void TBetrag::ZeigeFormatiert(const std::string& text)
{
    const QString neu = QString::fromStdString(text);
    if (neu != this->text())
        QLineEdit::setText(neu);
}

void TBetrag::SetBetrag(std::int32_t betrag)
{
    const std::optional<std::string> text = m_regeln.BetragText(betrag, false);
    if (!text)
        throw Exception("Betrag zu groß");
    ZeigeFormatiert(*text);
}

double TBetrag::AsFloat() const
{
    return StrToBetragFloat(Ascii(text()));
}

void TBetrag::SetAsFloat(double wert)
{
    const std::string text =
        FloatToBetragStr(static_cast<unsigned char>(m_regeln.dezimalstellen), wert);
    const int laenge = static_cast<int>(text.size()) - (text.starts_with('-') ? 1 : 0);
    if (laenge > m_regeln.maxLength)
        throw Exception("Betrag zu groß");
    ZeigeFormatiert(text);
}

void TBetrag::SetDezimalstellen(int stellen)
{
    stellen = std::clamp(stellen, 0, 18);
    if (stellen == m_regeln.dezimalstellen)
        return;
    const std::int32_t betrag = Betrag();
    const bool leer = text().isEmpty();
    m_regeln.dezimalstellen = stellen;
    if (leer && m_regeln.leerErlaubt)
        return;
    const std::optional<std::string> text = m_regeln.BetragText(betrag, false);
    ZeigeFormatiert(text ? *text : m_regeln.LeerText());
}

void TBetrag::SetMaxLength(int laenge)
{
    m_regeln.maxLength = std::max(laenge, 1);
}

bool TBetrag::SetTextFormatted(const QString& text)
{
    const std::optional<std::string> neu = m_regeln.AlsBetrag(Ascii(text));
    if (!neu)
        return false;
    ZeigeFormatiert(*neu);
    return true;
}

bool TBetrag::CanUndo() const
{
    return text() != m_eintrittsText;
}

void TBetrag::Undo()
{
    const QString jetzt = text();
    QLineEdit::setText(m_eintrittsText);
    m_eintrittsText = jetzt;
}

TBetragZustand TBetrag::Zustand() const
{
    TBetragZustand z;
    z.text = Ascii(text());
    z.cursor = cursorPosition();
    if (hasSelectedText()) {
        z.selStart = selectionStart();
        z.selLength = selectionLength();
    } else {
        z.selStart = z.cursor;
    }
    return z;
}

void TBetrag::Anwenden(const TBetragZustand& z)
{
    ZeigeFormatiert(z.text);
    setCursorPosition(z.cursor);
}

void TBetrag::Antworten(TBetragAntwort antwort, const TBetragZustand& z)
{
    switch (antwort) {
    case TBetragAntwort::Geaendert:
        Anwenden(z);
        break;
    case TBetragAntwort::Beep:
        MessageBeep(TBeepArt::Fehler);
        break;
    case TBetragAntwort::Rechner:
        if (TFoRechner* rechner = TFoRechner::Instanz()) {
            rechner->ZielfeldMerken(this);
            rechner->ShowModal();
        }
        break;
    case TBetragAntwort::Unveraendert:
        break;
    }
}

void TBetrag::Ausschneiden()
{
    if (isReadOnly() || !hasSelectedText())
        return;
    QApplication::clipboard()->setText(selectedText());
    TBetragZustand z = Zustand();
    Antworten(m_regeln.Ausschneiden(z), z);
}

void TBetrag::Einfuegen()
{
    if (isReadOnly())
        return;
    TBetragZustand z = Zustand();
    Antworten(m_regeln.Einfuegen(z, Ascii(QApplication::clipboard()->text())), z);
}

void TBetrag::Loeschen()
{
    if (isReadOnly())
        return;
    TBetragZustand z = Zustand();
    Antworten(z.HatAuswahl() ? m_regeln.Ausschneiden(z) : m_regeln.Leeren(z), z);
}

void TBetrag::ZeichenEingeben(const QString& text)
{
    for (const QChar c : text) {
        TBetragZustand z = Zustand();
        const char zeichen = c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\0';
        const TBetragAntwort antwort = m_regeln.Zeichen(z, zeichen, g_einfuegeModus);
        Antworten(antwort, z);
        if (antwort == TBetragAntwort::Beep || antwort == TBetragAntwort::Rechner)
            return;
    }
}

void TBetrag::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        // Enter and Esc belong to the dialog around the field.
        event->ignore();
        return;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Undo)) {
        if (!isReadOnly())
            Undo();
        return;
    }
    if (event->matches(QKeySequence::Cut) || (key == Qt::Key_Delete && mods == Qt::ShiftModifier)) {
        Ausschneiden();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        Einfuegen();
        return;
    }
    if (key == Qt::Key_Insert && mods == Qt::NoModifier) {
        g_einfuegeModus = !g_einfuegeModus;
        return;
    }
    if ((key == Qt::Key_Left || key == Qt::Key_Right) && mods == Qt::NoModifier) {
        const TBetragZustand z = Zustand();
        setCursorPosition(key == Qt::Key_Left ? m_regeln.Links(z) : m_regeln.Rechts(z));
        return;
    }
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        if (isReadOnly())
            return;
        TBetragZustand z = Zustand();
        TBetragAntwort antwort = TBetragAntwort::Unveraendert;
        if (key == Qt::Key_Backspace)
            antwort = m_regeln.Backspace(z);
        else if (mods == Qt::ControlModifier)
            antwort = m_regeln.Leeren(z);
        else
            antwort = m_regeln.Entfernen(z);
        Antworten(antwort, z);
        return;
    }
    if (!event->text().isEmpty() && event->text().at(0).isPrint() &&
        !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        if (!isReadOnly())
            ZeichenEingeben(event->text());
        return;
    }
    // Caret movement, Home, End, Shift+arrows and Tab as in every edit field.
    QLineEdit::keyPressEvent(event);
}

void TBetrag::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    m_eintrittsText = text();
    // A click places the caret where the user clicked; Tab and the program select the amount.
    if (m_autoSelect && event->reason() != Qt::MouseFocusReason)
        selectAll();
}

void TBetrag::dragEnterEvent(QDragEnterEvent* event)
{
    if (!isReadOnly() && event->mimeData()->hasText())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TBetrag::dragMoveEvent(QDragMoveEvent* event)
{
    if (!isReadOnly() && event->mimeData()->hasText())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TBetrag::dropEvent(QDropEvent* event)
{
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    // Dropped text counts as pasted at the drop point.
    TBetragZustand z = Zustand();
    z.cursor = z.selStart = cursorPositionAt(event->position().toPoint());
    z.selLength = 0;
    Antworten(m_regeln.Einfuegen(z, Ascii(event->mimeData()->text())), z);
    event->acceptProposedAction();
}

void TBetrag::inputMethodEvent(QInputMethodEvent* event)
{
    // Composed text arrives as typed characters; a preedit string is never shown.
    if (!isReadOnly() && !event->commitString().isEmpty())
        ZeichenEingeben(event->commitString());
    event->accept();
}
