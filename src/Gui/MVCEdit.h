#pragma once
// Value-bound label and edit fields (see MVCControl.h).
#include "Gui/BetragEdit.h"
#include "Gui/MVCControl.h"

#include <QLabel>
#include <QLineEdit>

#include <string_view>

// Shows the value's text. Unbound with a buddy, it follows the enabled state of the buddy's value.
class TMVCLabel : public QLabel, public TMVCControl {
    Q_OBJECT
public:
    explicit TMVCLabel(TBerechnungForm* owner, QWidget* parent = nullptr);
    void SetHideDisabled(bool hide);
    void Refresh() override;

private:
    bool m_hideDisabled = false;
};

class TMVCEdit : public QLineEdit, public TMVCControl {
    Q_OBJECT
public:
    explicit TMVCEdit(TBerechnungForm* owner, QWidget* parent = nullptr);
    void Refresh() override;
};

// An amount field bound to a TDouble with the same number of decimal places.
class TMVCBetrag : public TBetrag, public TMVCControl {
    Q_OBJECT
public:
    explicit TMVCBetrag(TBerechnungForm* owner, QWidget* parent = nullptr);
    // Throws "Unterschiedliche Dezimalstellen (<name>)" for a TDouble with other places; the
    // old value stays bound.
    void SetValue(TValue* value) override;
    void Refresh() override;
};

class TMVCMaskEdit : public QLineEdit, public TMVCControl {
    Q_OBJECT
public:
    explicit TMVCMaskEdit(TBerechnungForm* owner, QWidget* parent = nullptr);
    void Refresh() override;

protected:
    // The user changed the text; a mask edit writes it at once.
    virtual void TextGeaendert(const QString& text);
};

// A date field with the input mask of the short date format. The date is written when all its
// digits are typed, and when the field is left or Enter is pressed; a wrong date is refused with
// a message and the typed text stays for correction. A cleared date shows the empty mask.
class TMVCDateEdit : public TMVCMaskEdit {
    Q_OBJECT
public:
    explicit TMVCDateEdit(TBerechnungForm* owner, QWidget* parent = nullptr);
    void Refresh() override;

protected:
    void TextGeaendert(const QString& text) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Uebernehmen();
    // The date the text stands for, as the value shows it ("" for the empty mask).
    QString Wertetext() const;

    QString m_abgelehnt; // the text last refused: told once
};

// A field of a whole number (days, months, a year): no decimals, only digits can be typed. A
// complete number is written at once; leaving the field or Enter shows the number in force, so
// that a text the value refused or left incomplete never stays.
class TMVCZahlEdit : public QLineEdit, public TMVCControl {
    Q_OBJECT
public:
    explicit TMVCZahlEdit(TBerechnungForm* owner, QWidget* parent = nullptr);
    // The range of a TCustomIntegerMinMax limits what can be typed.
    void SetValue(TValue* value) override;
    void Refresh() override;

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The input mask for a short date format: day, month and year fields in the format's order (a
// year always gets four places), the fields it lacks appended as day, month, year. Unfilled
// places show "_" ("0" would be a digit the user cannot tell from a typed one).
// "dd.MM.yyyy" gives "99.99.9999;_".
QString DatumsMaske(std::string_view kurzesDatumsFormat);

// Text, enabled and read-only state and colours of an edit field from its value; the text is
// replaced only when it differs (and `mitText`), keeping the caret's distance from the end.
void EditFeldAuffrischen(QLineEdit& edit, const TValue& value, bool mitText = true);
