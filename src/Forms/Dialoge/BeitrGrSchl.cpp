#include "Forms/Dialoge/BeitrGrSchl.h"

#include "Gui/FrmLib.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <vector>

namespace {

struct TZweig {
    const char* titel;
    const char* label;
    std::vector<const char*> stufen;
};

// The digits of each branch, from 0 upwards.
const TZweig kZweigListe[TFoBeitrGrSchl::kZweige] = {
    {"KV",
     "stBGSKV",
     {"kein Beitrag", "allgemeiner Beitrag", "erhöhter Beitrag", "ermäßigter Beitrag",
      "Beitrag zur land-\nwirtschaftlichen KV", "halber Beitrag"}},
    {"RV",
     "stBGSRV",
     {"kein Beitrag", "voller Beitrag zur ArV", "voller Beitrag zur AnV", "halber Beitrag zur ArV",
      "halber Beitrag zur AnV", "Pauschalbeitrag\nfür geringfügig entlohnte Beschäftigte"}},
    {"AV", "stBGSAV", {"kein Beitrag", "voller Beitrag", "halber Beitrag"}},
    {"PV", "stBGSPV", {"kein Beitrag", "voller Beitrag", "halber Beitrag"}},
};

} // namespace

TFoBeitrGrSchl::TFoBeitrGrSchl(const TStringBGS::TLimits& grenzen, QWidget* parent)
    : TBaseForm(parent, Qt::Dialog)
{
    setObjectName("FoBeitrGrSchl");
    setWindowTitle("Beitragsgruppen");
    auto* haupt = new QVBoxLayout(this);
    auto* raster = new QGridLayout;
    for (int zweig = 0; zweig < kZweige; ++zweig) {
        auto* box = new QGroupBox(kZweigListe[zweig].titel, this);
        auto* spalte = new QVBoxLayout(box);
        m_gruppen[zweig] = new QButtonGroup(this);
        for (int ziffer = 0; ziffer < static_cast<int>(kZweigListe[zweig].stufen.size());
             ++ziffer) {
            auto* knopf = new QRadioButton(QString("%1 %2").arg(ziffer).arg(QString::fromUtf8(
                                               kZweigListe[zweig].stufen[ziffer])),
                                           box);
            knopf->setObjectName(QString("rb%1_%2").arg(kZweigListe[zweig].titel).arg(ziffer));
            m_gruppen[zweig]->addButton(knopf, ziffer);
            if (ziffer > grenzen[static_cast<std::size_t>(zweig)]) {
                knopf->setEnabled(false);
                knopf->setToolTip("Die Entgeltabrechnung berechnet diesen Beitrag nicht.");
            }
            spalte->addWidget(knopf);
        }
        spalte->addStretch(1);
        m_anzeige[zweig] = new QLabel("0", box);
        m_anzeige[zweig]->setObjectName(kZweigListe[zweig].label);
        m_anzeige[zweig]->setAlignment(Qt::AlignCenter);
        spalte->addWidget(m_anzeige[zweig]);
        raster->addWidget(box, zweig / 2, zweig % 2);
        connect(m_gruppen[zweig], &QButtonGroup::idClicked, this,
                [this, zweig](int ziffer) { ZifferGewaehlt(zweig, ziffer); });
    }
    haupt->addLayout(raster);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("bnOK");
    ok->setDefault(true);
    auto* abbrechen = new QPushButton("Abbrechen", this);
    abbrechen->setObjectName("bnAbbrechen");
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    haupt->addLayout(knoepfe);
    connect(ok, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(abbrechen, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
    DialogTasten(*this, *ok, *abbrechen);
}

std::optional<QString> TFoBeitrGrSchl::Ausfuehren(const QString& schluessel,
                                                  const TStringBGS::TLimits& grenzen)
{
    TFoBeitrGrSchl dialog(grenzen);
    dialog.init();
    dialog.SetSchluessel(schluessel.left(kZweige));
    if (dialog.ShowModal() != mrOk)
        return std::nullopt;
    return dialog.Schluessel();
}

void TFoBeitrGrSchl::SetSchluessel(const QString& schluessel)
{
    m_schluessel = schluessel.left(kZweige).leftJustified(kZweige, '0');
    for (int zweig = 0; zweig < kZweige; ++zweig) {
        const QChar zeichen = m_schluessel[zweig];
        QButtonGroup* gruppe = m_gruppen[zweig];
        // A digit outside the branch's range leaves every button of the branch unchecked.
        gruppe->setExclusive(false);
        for (QAbstractButton* knopf : gruppe->buttons())
            knopf->setChecked(zeichen.isDigit() && gruppe->id(knopf) == zeichen.digitValue());
        gruppe->setExclusive(true);
        m_anzeige[zweig]->setText(zeichen);
    }
}

QRadioButton* TFoBeitrGrSchl::Knopf(int zweig, int ziffer) const
{
    if (zweig < 0 || zweig >= kZweige)
        return nullptr;
    return qobject_cast<QRadioButton*>(m_gruppen[zweig]->button(ziffer));
}

void TFoBeitrGrSchl::ZifferGewaehlt(int zweig, int ziffer)
{
    m_schluessel[zweig] = QChar('0' + ziffer);
    m_anzeige[zweig]->setText(m_schluessel.mid(zweig, 1));
}
