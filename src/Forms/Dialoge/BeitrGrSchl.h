#pragma once
// The contribution-group key dialog: four digits, for health (KV), pension (RV), unemployment (AV)
// and care (PV) insurance, each chosen by a radio button of its branch. A digit above the highest
// one the key value takes cannot be chosen, so that OK never hands back a key that is refused.
#include "Gui/XoForm.h"
#include "MVCFrame/StringValue.h"

#include <QString>

#include <optional>

class QButtonGroup;
class QLabel;
class QRadioButton;

class TFoBeitrGrSchl : public TBaseForm {
    Q_OBJECT
public:
    static constexpr int kZweige = 4;

    explicit TFoBeitrGrSchl(const TStringBGS::TLimits& grenzen = TStringBGS::kStandardLimits,
                            QWidget* parent = nullptr);

    // Shows the dialog for the first four characters of `schluessel`; the new key on "&OK".
    static std::optional<QString>
    Ausfuehren(const QString& schluessel,
               const TStringBGS::TLimits& grenzen = TStringBGS::kStandardLimits);

    // The key padded with "0" to four characters; each branch's button and label follow it.
    void SetSchluessel(const QString& schluessel);
    const QString& Schluessel() const { return m_schluessel; }
    // The radio button of a branch (0 KV .. 3 PV) and digit, or nullptr.
    QRadioButton* Knopf(int zweig, int ziffer) const;
    QLabel* Anzeige(int zweig) const { return m_anzeige[zweig]; }

private:
    void ZifferGewaehlt(int zweig, int ziffer);

    QString m_schluessel = "0000";
    QButtonGroup* m_gruppen[kZweige] = {};
    QLabel* m_anzeige[kZweige] = {};
};
