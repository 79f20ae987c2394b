#include "Gui/MVCEdit.h"

#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Lib/Datum.h"
#include "Lib/Exception.h"
#include "MVCFrame/DateValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerValue.h"
#include "MVCFrame/Value.h"

#include <QIntValidator>
#include <QKeyEvent>

#include <algorithm>
#include <limits>

namespace {

QString TextVon(const TValue& value)
{
    return QString::fromStdString(value.GetDisplayText());
}

} // namespace

void EditFeldAuffrischen(QLineEdit& edit, const TValue& value, bool mitText)
{
    const QString text = TextVon(value);
    if (mitText && edit.text() != text) {
        const int abstand = static_cast<int>(edit.text().size()) - edit.cursorPosition();
        edit.setText(text);
        edit.setCursorPosition(std::max(0, static_cast<int>(text.size()) - abstand));
    }
    const bool enabled = value.IsEnabled();
    const bool readOnly = value.IsReadOnly();
    if (edit.isEnabled() != enabled)
        edit.setEnabled(enabled);
    if (edit.isReadOnly() != readOnly)
        edit.setReadOnly(readOnly);
    SetEditColours(edit, enabled, readOnly);
}

TMVCLabel::TMVCLabel(TBerechnungForm* owner, QWidget* parent) : QLabel(parent), TMVCControl(owner)
{
}

void TMVCLabel::SetHideDisabled(bool hide)
{
    m_hideDisabled = hide;
    Refresh();
}

void TMVCLabel::Refresh()
{
    TRefreshGuard guard(*this);
    const TValue* value = m_value;
    if (value) {
        const QString text = dynamic_cast<const TDateValue*>(value)
                                 ? QString::fromStdString(value->GetDisplayText())
                                 : QString::fromStdString(value->GetAsString());
        if (this->text() != text)
            setText(text);
    } else if (const auto* buddy = dynamic_cast<const TMVCControl*>(this->buddy())) {
        value = buddy->Value();
    }
    if (!value)
        return;
    SetControlEnabled(*this, value->IsEnabled());
    if (m_hideDisabled)
        setVisible(isEnabled());
}

TMVCEdit::TMVCEdit(TBerechnungForm* owner, QWidget* parent) : QLineEdit(parent), TMVCControl(owner)
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        Schreiben([&text](TValue& value) { value.SetDisplayText(text.toStdString()); });
    });
}

void TMVCEdit::Refresh()
{
    TRefreshGuard guard(*this);
    if (m_value)
        EditFeldAuffrischen(*this, *m_value);
}

TMVCBetrag::TMVCBetrag(TBerechnungForm* owner, QWidget* parent)
    : TBetrag(parent), TMVCControl(owner)
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        Schreiben([&text](TValue& value) { value.SetDisplayText(text.toStdString()); });
    });
}

void TMVCBetrag::SetValue(TValue* value)
{
    if (const auto* zahl = dynamic_cast<const TDouble*>(value);
        zahl && zahl->Decimals() != Dezimalstellen()) {
        throw Exception("Unterschiedliche Dezimalstellen (" + objectName().toStdString() + ")");
    }
    TMVCControl::SetValue(value);
}

void TMVCBetrag::Refresh()
{
    TRefreshGuard guard(*this);
    if (m_value)
        EditFeldAuffrischen(*this, *m_value);
}

TMVCMaskEdit::TMVCMaskEdit(TBerechnungForm* owner, QWidget* parent)
    : QLineEdit(parent), TMVCControl(owner)
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (DarfSchreiben())
            TextGeaendert(text);
    });
}

void TMVCMaskEdit::TextGeaendert(const QString& text)
{
    Schreiben([&text](TValue& value) { value.SetDisplayText(text.toStdString()); });
}

void TMVCMaskEdit::Refresh()
{
    TRefreshGuard guard(*this);
    if (m_value)
        EditFeldAuffrischen(*this, *m_value);
}

TMVCDateEdit::TMVCDateEdit(TBerechnungForm* owner, QWidget* parent) : TMVCMaskEdit(owner, parent)
{
    // German dates whatever the host: the mask is built once from the fixed short format.
    TRefreshGuard guard(*this);
    setInputMask(DatumsMaske(kKurzesDatumsFormat));
}

QString TMVCDateEdit::Wertetext() const
{
    if (!m_value)
        return {};
    const TDateValue* datum = dynamic_cast<const TDateValue*>(m_value);
    // The cleared date is the empty mask, so that typing starts on blank places.
    if (datum && datum->IsReadable() && !datum->IsUndetermined() && datum->GetValue().Jahr == 0 &&
        datum->GetValue().Monat == 0 && datum->GetValue().Tag == 0)
        return QString(kDatumsTrenner) + kDatumsTrenner;
    return TextVon(*m_value);
}

void TMVCDateEdit::Refresh()
{
    TRefreshGuard guard(*this);
    if (!m_value)
        return;
    // The refresh that the field's own write causes keeps what the user typed.
    EditFeldAuffrischen(*this, *m_value, false);
    if (!Schreibt() && text() != Wertetext()) {
        setText(Wertetext());
        m_abgelehnt.clear();
    }
}

void TMVCDateEdit::TextGeaendert(const QString&)
{
    if (hasAcceptableInput())
        Uebernehmen();
}

void TMVCDateEdit::Uebernehmen()
{
    if (!DarfSchreiben())
        return;
    const QString eingabe = text();
    if (eingabe == Wertetext())
        return;
    Schreiben([&eingabe](TValue& value) { value.SetDisplayText(eingabe.toStdString()); });
    if (!m_value || text() == Wertetext() || eingabe == m_abgelehnt)
        return;
    m_abgelehnt = eingabe;
    ShowFehler("'" + displayText() + "' ist kein gültiges Datum.");
}

void TMVCDateEdit::focusOutEvent(QFocusEvent* event)
{
    Uebernehmen();
    TMVCMaskEdit::focusOutEvent(event);
}

void TMVCDateEdit::keyPressEvent(QKeyEvent* event)
{
    TMVCMaskEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Uebernehmen();
}

TMVCZahlEdit::TMVCZahlEdit(TBerechnungForm* owner, QWidget* parent)
    : QLineEdit(parent), TMVCControl(owner)
{
    setAlignment(Qt::AlignRight);
    setValidator(new QIntValidator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (hasAcceptableInput())
            Schreiben([&text](TValue& value) { value.SetDisplayText(text.toStdString()); });
    });
}

void TMVCZahlEdit::SetValue(TValue* value)
{
    auto* zahlen = static_cast<QIntValidator*>(const_cast<QValidator*>(validator()));
    if (const auto* bereich = dynamic_cast<const TCustomIntegerMinMax*>(value))
        zahlen->setRange(std::min(bereich->Minimum(), 0), bereich->Maximum());
    else
        zahlen->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    TMVCControl::SetValue(value);
}

void TMVCZahlEdit::Refresh()
{
    TRefreshGuard guard(*this);
    if (m_value)
        EditFeldAuffrischen(*this, *m_value, !Schreibt());
}

void TMVCZahlEdit::focusOutEvent(QFocusEvent* event)
{
    Refresh();
    QLineEdit::focusOutEvent(event);
}

void TMVCZahlEdit::keyPressEvent(QKeyEvent* event)
{
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Refresh();
}

QString DatumsMaske(std::string_view format)
{
    QString maske;
    bool tag = false, monat = false, jahr = false;
    const auto feld = [&maske](char c) {
        maske += c == 'y' ? QStringLiteral("9999") : QStringLiteral("99");
        maske += '.';
    };
    for (std::size_t i = 0; i < format.size() && !(tag && monat && jahr);) {
        const char c = format[i];
        bool* gesehen = c == 'd' ? &tag : c == 'M' ? &monat : c == 'y' ? &jahr : nullptr;
        if (gesehen && !*gesehen) {
            *gesehen = true;
            feld(c);
        }
        // The rest of a run of the same letter belongs to this field.
        while (i < format.size() && format[i] == c)
            ++i;
    }
    if (!tag)
        feld('d');
    if (!monat)
        feld('M');
    if (!jahr)
        feld('y');
    maske.chop(1);
    return maske + QStringLiteral(";_");
}
