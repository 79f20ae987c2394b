#include "Forms/Seiten/FoStKlVergleich.h"

#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Lohnsteuer/LStRegeln.h"
#include "Engine/Vergleich/StKlVergleich.h"
#include "Forms/Dialoge/BeitrGrSchl.h"
#include "Forms/Seiten/SeitenZeilen.h"
#include "Gui/FrmLib.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "Print/StKlVergleichDruck.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// Each pair A first, then B; year and pay period on spouse A only.
constexpr TBindung kBindungen[] = {
    {"cbJahr", "EhegatteA.Jahrliste"},
    {"cbLZZ", "EhegatteA.Zeitraum"},
    {"ebBruttoA", "EhegatteA.Entgelt"},
    {"ebBruttoB", "EhegatteB.Entgelt"},
    {"ebLStK_FBA", "EhegatteA.Freibetrag"},
    {"ebLStK_FBB", "EhegatteB.Freibetrag"},
    {"ebLStK_HBA", "EhegatteA.Hinzurechnungsbetrag"},
    {"ebLStK_HBB", "EhegatteB.Hinzurechnungsbetrag"},
    {"ebVersBezA", "EhegatteA.Versorgungsbezuege"},
    {"ebVersBezB", "EhegatteB.Versorgungsbezuege"},
    {"edVersorgungsbeginnA", "EhegatteA.Versorgungsbeginn"},
    {"edVersorgungsbeginnB", "EhegatteB.Versorgungsbeginn"},
    {"cbMonateVersBezA", "EhegatteA.MonateVersBez"},
    {"cbMonateVersBezB", "EhegatteB.MonateVersBez"},
    {"ebVersBezMonatA", "EhegatteA.VersBezBemGrdlMonat"},
    {"ebVersBezMonatB", "EhegatteB.VersBezBemGrdlMonat"},
    {"ebSonderzahlungenA", "EhegatteA.Sonderzahlungen"},
    {"ebSonderzahlungenB", "EhegatteB.Sonderzahlungen"},
    {"edGeburtsdatumA", "EhegatteA.Geburtsdatum"},
    {"edGeburtsdatumB", "EhegatteB.Geburtsdatum"},
    {"edBGSA", "EhegatteA.BGS"},
    {"edBGSB", "EhegatteB.BGS"},
    {"chOstBBGRVA", "EhegatteA.OstBBGRV"},
    {"chOstBBGRVB", "EhegatteB.OstBBGRV"},
    {"ebKVZBSatzA", "EhegatteA.KVZBSatz"},
    {"ebKVZBSatzB", "EhegatteB.KVZBSatz"},
    {"ebPrivatKPVAGZuschussA", "EhegatteA.PrivatKPVAGZuschuss"},
    {"ebPrivatKPVAGZuschussB", "EhegatteB.PrivatKPVAGZuschuss"},
    {"ebPrivatKPVBeitragA", "EhegatteA.PrivatKPVBeitrag"},
    {"ebPrivatKPVBeitragB", "EhegatteB.PrivatKPVBeitrag"},
    {"chAGZuschussPrivatKVA", "EhegatteA.AGZuschussPrivatKV"},
    {"chAGZuschussPrivatKVB", "EhegatteB.AGZuschussPrivatKV"},
    {"stErgebnis", "Ergebnis"},
    {"ebLStA3", "LSt35.A"},
    {"ebLStA4", "LSt44.A"},
    {"ebLStA5", "LSt53.A"},
    // B's class V is in the combination III/V, and the other way round.
    {"ebLStB3", "LSt53.B"},
    {"ebLStB4", "LSt44.B"},
    {"ebLStB5", "LSt35.B"},
    {"ebLStA3B5", "LSt35.Gesamt"},
    {"ebLStA4B4", "LSt44.Gesamt"},
    {"ebLStA5B3", "LSt53.Gesamt"},
};

// A result: shown, never typed into. Its value is a result the next calculation overwrites, so
// the field stays read-only whatever the value's own flags say.
class TErgebnisBetrag : public TMVCBetrag {
public:
    using TMVCBetrag::TMVCBetrag;
    void Refresh() override
    {
        TMVCBetrag::Refresh();
        setReadOnly(true);
        SetEditColours(*this, isEnabled(), true);
    }
};

const char* const kSeite[] = {"A", "B"};

} // namespace

TFoStKlVergleich::TFoStKlVergleich(QWidget* parent) : TMainPageForm(parent)
{
    setObjectName("FoStKlVergleich");
    setWindowTitle("Steuerklassen-Vergleich");
    Aufbauen();
}

TFoStKlVergleich::~TFoStKlVergleich() = default;

std::span<const TBindung> TFoStKlVergleich::Bindungen()
{
    return kBindungen;
}

template <class T> T* TFoStKlVergleich::Neu(const QString& name)
{
    auto* control = new T(this, Panel());
    control->setObjectName(name);
    return control;
}

void TFoStKlVergleich::Aufbauen()
{
    // The spouses' inputs on the left, the wage tax of each combination beside them: the answer
    // stands in view in a window of the payroll page's size.
    auto* seite = new QHBoxLayout(Panel());
    seite->setContentsMargins(4, 2, 4, 2);
    seite->setSpacing(4);
    auto* eingaben = new QVBoxLayout;
    auto* ergebnisse = new QVBoxLayout;
    seite->addLayout(eingaben, 3);
    seite->addLayout(ergebnisse, 2);

    QFormLayout* zeitraum = SeitenGruppe(*Panel(), *eingaben, "Zeitraum");
    auto* lzz = Neu<TMVCComboBox>("cbLZZ");
    auto* lzzLabel = new QLabel("&Zeitraum:", Panel());
    lzzLabel->setBuddy(lzz);
    zeitraum->addRow("&Jahr:", SeitenZeile(*Panel(), {Neu<TMVCComboBox>("cbJahr"), lzzLabel, lzz}));

    QGridLayout* gitter =
        SeitenGitter(*Panel(), *eingaben, "Ehegatten", {"Ehegatte A", "Ehegatte B"});
    // Built row by row, A before B, so the tab key runs along a row.
    // Caption letters leave the menus' letters (D, B, A, T, O) free.
    const auto zeile = [&](const QString& caption, auto machen) {
        const int nr = gitter->rowCount();
        auto* label = new QLabel(caption, Panel());
        gitter->addWidget(label, nr, 0);
        for (int e = 0; e < 2; ++e) {
            QWidget* feld = machen(e);
            gitter->addWidget(feld, nr, e + 1);
            if (e == 0)
                label->setBuddy(feld);
        }
        return label;
    };
    const auto betrag = [this](const char* name) {
        return [this, name](int e) { return Neu<TMVCBetrag>(name + QString(kSeite[e])); };
    };
    zeile("Brutto&entgelt:", betrag("ebBrutto"));
    zeile("&Kinderfreibeträge:", [this](int e) {
        m_cbKiFB[e] = new QComboBox(Panel());
        m_cbKiFB[e]->setObjectName(QString("cbKiFB") + kSeite[e]);
        connect(m_cbKiFB[e], &QComboBox::currentIndexChanged, this, [this, e] { cbKiFBChange(e); });
        return m_cbKiFB[e];
    });
    zeile("&Freibetrag:", betrag("ebLStK_FB"));
    zeile("&Hinzurechnungsbetrag:", betrag("ebLStK_HB"));
    zeile("&Versorgungsbezüge:", betrag("ebVersBez"));
    zeile("Versorgungsbe&ginn:",
          [this](int e) { return Neu<TMVCEdit>(QString("edVersorgungsbeginn") + kSeite[e]); });
    zeile("&Monate Versorgungsbezug:",
          [this](int e) { return Neu<TMVCComboBox>(QString("cbMonateVersBez") + kSeite[e]); });
    zeile("Bezug erster voller Monat:", betrag("ebVersBezMonat"));
    zeile("&Sonderzahlungen:", betrag("ebSonderzahlungen"));
    zeile("Geburtsdat&um:",
          [this](int e) { return Neu<TMVCDateEdit>(QString("edGeburtsdatum") + kSeite[e]); });
    zeile("Beit&ragsgruppe:", [this](int e) {
        auto* knopf = new QPushButton("?...", Panel());
        knopf->setObjectName(QString("bnBGS") + kSeite[e]);
        knopf->setToolTip("Beitragsgruppenschlüssel wählen");
        connect(knopf, &QPushButton::clicked, this, [this, e] { bnBGSClick(e); });
        return SeitenZeile(*Panel(), {Neu<TMVCMaskEdit>(QString("edBGS") + kSeite[e]), knopf});
    });
    zeile("", [this](int e) {
        auto* box = Neu<TMVCCheckBox>(QString("chOstBBGRV") + kSeite[e]);
        box->setText("BBG-RV Ost");
        return box;
    });
    zeile("KV-Zusatzbe&itrag (%):", betrag("ebKVZBSatz"));
    zeile("", [this](int e) {
        auto* box = Neu<TMVCCheckBox>(QString("chAGZuschussPrivatKV") + kSeite[e]);
        box->setText("AG-Zuschuss &private KV");
        return box;
    });
    zeile("Beitrag private KV/PV:", [this](int e) {
        return m_ebPrivatKPVBeitrag[e] = Neu<TMVCBetrag>(QString("ebPrivatKPVBeitrag") + kSeite[e]);
    });
    m_stPrivatKPVAGZuschuss = zeile("AG-Zuschuss private KV/PV:", [this](int e) {
        return m_ebPrivatKPVAGZuschuss[e] =
                   Neu<TMVCBetrag>(QString("ebPrivatKPVAGZuschuss") + kSeite[e]);
    });
    m_stPrivatKPVAGZuschuss->setObjectName("stPrivatKPVAGZuschuss");
    gitter->setColumnStretch(1, 1);
    gitter->setColumnStretch(2, 1);

    eingaben->addStretch(1);

    QGridLayout* ergebnis =
        SeitenGitter(*Panel(), *ergebnisse, "Lohnsteuer", {"Ehegatte A", "Ehegatte B", "Zusammen"});
    const char* const klassen[][4] = {{"III / V", "ebLStA3", "ebLStB5", "ebLStA3B5"},
                                      {"IV / IV", "ebLStA4", "ebLStB4", "ebLStA4B4"},
                                      {"V / III", "ebLStA5", "ebLStB3", "ebLStA5B3"}};
    for (const auto& klasse : klassen) {
        const int nr = ergebnis->rowCount();
        ergebnis->addWidget(new QLabel(QString("Steuerklassen ") + klasse[0] + ":", Panel()), nr,
                            0);
        for (int spalte = 1; spalte <= 3; ++spalte)
            ergebnis->addWidget(Neu<TErgebnisBetrag>(klasse[spalte]), nr, spalte);
    }
    auto* text = Neu<TMVCLabel>("stErgebnis");
    text->setWordWrap(true);
    ergebnis->addWidget(text, ergebnis->rowCount(), 0, 1, 4);
    ergebnisse->addStretch(1);
}

TStKlVergleichBerechnung* TFoStKlVergleich::StKlVergleichBerechnung() const
{
    return dynamic_cast<TStKlVergleichBerechnung*>(Berechnung());
}

TLohnDaten* TFoStKlVergleich::Ehegatte(int ehegatte) const
{
    TStKlVergleichBerechnung* berechnung = StKlVergleichBerechnung();
    if (!berechnung)
        return nullptr;
    const TStKlVergleichDaten& d = berechnung->StKlVergleichDaten();
    return dynamic_cast<TLohnDaten*>(&(ehegatte == 0 ? d.EhegatteA() : d.EhegatteB()).Daten());
}

void TFoStKlVergleich::BindControls()
{
    // The lists are filled once here: a refresh only selects in them.
    TStrings liste;
    TLohnDaten::KinderfreibetraegeAuflisten(liste);
    for (QComboBox* combo : m_cbKiFB) {
        const QSignalBlocker blocker(combo);
        combo->clear();
        for (const std::string& eintrag : liste)
            combo->addItem(QString::fromStdString(eintrag));
    }
    Binden(kBindungen);
}

void TFoStKlVergleich::AfterRefresh()
{
    for (int e = 0; e < 2; ++e) {
        const TLohnDaten* d = Ehegatte(e);
        if (!d)
            return;
        const QSignalBlocker blocker(m_cbKiFB[e]);
        m_cbKiFB[e]->setCurrentIndex(
            m_cbKiFB[e]->findText(QString::fromStdString(d->Kinderfreibetraege->GetAsString())));
    }
    const bool bescheinigt = PrivateKVBeitraegeBescheinigt(Ehegatte(0)->Jahr->GetValue());
    m_stPrivatKPVAGZuschuss->setVisible(bescheinigt);
    const QString hinweis =
        bescheinigt ? "Festgestellte oder bescheinigte Monats-Beiträge zur privaten "
                      "Basiskranken- und Pflege-Pflichtversicherung"
                    : "Dem AG mitgeteilte monatl. Zahlungen des AN zur privaten Kranken- und "
                      "Pflegeversicherung";
    for (int e = 0; e < 2; ++e) {
        m_ebPrivatKPVAGZuschuss[e]->setVisible(bescheinigt);
        m_ebPrivatKPVBeitrag[e]->setToolTip(hinweis);
    }
}

void TFoStKlVergleich::cbKiFBChange(int ehegatte)
{
    TLohnDaten* d = Ehegatte(ehegatte);
    if (Updating() || !d || m_cbKiFB[ehegatte]->currentIndex() < 0)
        return;
    d->Kinderfreibetraege->SetAsString(m_cbKiFB[ehegatte]->currentText().toStdString());
}

void TFoStKlVergleich::bnBGSClick(int ehegatte)
{
    TLohnDaten* d = Ehegatte(ehegatte);
    if (!d)
        return;
    const QString alt = QString::fromStdString(d->BGS->GetValue()).left(TFoBeitrGrSchl::kZweige);
    if (const auto neu = TFoBeitrGrSchl::Ausfuehren(alt))
        d->BGS->SetAsString(neu->toStdString());
}

void TFoStKlVergleich::Drucken(int copies)
{
    if (TStKlVergleichBerechnung* b = StKlVergleichBerechnung())
        DruckeStKlVergleich(b->StKlVergleichDaten(), copies, Panel()->window()->windowTitle());
}

QStringList TFoStKlVergleich::DruckText()
{
    TStKlVergleichBerechnung* b = StKlVergleichBerechnung();
    return b ? StKlVergleichAlsText(b->StKlVergleichDaten()) : QStringList();
}
