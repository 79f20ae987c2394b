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
    bool HideDisabled() const { return m_hideDisabled; }
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
};

// A date field with the input mask of the short date format.
class TMVCDateEdit : public TMVCMaskEdit {
    Q_OBJECT
public:
    explicit TMVCDateEdit(TBerechnungForm* owner, QWidget* parent = nullptr);
};

// The input mask for a short date format: day, month and year fields in the format's order (a
// year always gets four places), the fields it lacks appended as day, month, year.
// "dd.MM.yyyy" gives "99.99.9999;0".
QString DatumsMaske(std::string_view kurzesDatumsFormat);

// Text, enabled and read-only state and colours of an edit field from its value; the text is
// replaced only when it differs, keeping the caret's distance from the end.
void EditFeldAuffrischen(QLineEdit& edit, const TValue& value);
