#include "Forms/Seiten/GeringfuegigBeschaeftigt.h"

#include "Engine/Geringfuegig/Geringf.h"
#include "Engine/Stammdaten/Waehrung.h"
#include "Forms/Dialoge/AbrgDruck.h"
#include "Forms/Seiten/SeitenZeilen.h"
#include "Gui/Hinweise.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "Lib/Betrag.h"
#include "Lib/Exception.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/IntegerValue.h"
#include "MVCFrame/StringValue.h"
#include "Print/GfBDruck.h"

#include <QAction>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <functional>

namespace {

// The controls of the page and the values they show, in binding order.
constexpr TBindung kBindungen[] = {
    {"chAbzuegeAN", "AbzuegeAN"},
    {"ebEntgelt", "Entgelt"},
    {"ebEntgeltAG", "EntgeltAG"},
    {"cbJahr", "Jahrliste"},
    {"chGesKV", "GesetzlichKrankenversichert"},
    {"edGeburtsdatum", "Geburtsdatum"},
    {"chKammer", "Kammer"},
    {"ebKammerbeitrag", "Kammerbeitrag"},
    {"chKeineRVMinderung", "KeineRVMinderung"},
    {"cbKiFB", "Kinderfreibetraege"},
    {"cbKiSt", "Kirchensteuersatz"},
    {"ebKiStAG", "KirchensteuerAG"},
    {"ebKiStAN", "KirchensteuerAN"},
    {"chKRV", "Rentenversicherungsfrei"},
    {"ebKVBeitragAG", "KVBeitragAG"},
    {"ebKVBeitragAN", "KVBeitragAN"},
    {"stKVSatz", "KVSatz"},
    {"chLandwirtschaft", "Landwirtschaft"},
    {"stLohnsteuer", "Steuerbezeichnung"},
    {"ebLStAG", "LohnsteuerAG"},
    {"ebLStAN", "LohnsteuerAN"},
    {"ebLStK_FB", "Freibetrag"},
    {"ebLStK_HB", "Hinzurechnungsbetrag"},
    {"ebNetto", "Nettoentgelt"},
    {"ebNettoAG", "NettoentgeltAG"},
    {"stPLStSatz", "PauschLStSatz"},
    {"ebPKiStSatz", "PauschKiStSatz"},
    {"chPrivathaushalt", "Privathaushalt"},
    {"ebRVBeitragAG", "RVBeitragAG"},
    {"ebRVBeitragAN", "RVBeitragAN"},
    {"stRVSatzAG", "RVSatzAG"},
    {"stRVSatzAN", "RVSatzAN"},
    {"ebSolZAG", "SolidaritaetszuschlagAG"},
    {"ebSolZAN", "SolidaritaetszuschlagAN"},
    {"cbStKl", "Steuerklasse"},
    {"ebSteuertage", "Steuertage"},
    {"cbWaehrungName", "WaehrungName"},
    {"chUmrechnen", "Umrechnen"},
};

// The child-allowance box refills its list from the data set each time it drops down.
class TKiFBComboBox : public TMVCComboBox {
public:
    TKiFBComboBox(TBerechnungForm* owner, QWidget* parent, std::function<void()> fuellen)
        : TMVCComboBox(owner, parent), m_fuellen(std::move(fuellen))
    {
    }
    void showPopup() override
    {
        m_fuellen();
        TMVCComboBox::showPopup();
    }

private:
    std::function<void()> m_fuellen;
};

} // namespace

TFoGeringfuegigBeschaeftigt::TFoGeringfuegigBeschaeftigt(QWidget* parent) : TMainPageForm(parent)
{
    setObjectName("FoGeringfuegigBeschaeftigt");
    Aufbauen();
}

TFoGeringfuegigBeschaeftigt::~TFoGeringfuegigBeschaeftigt()
{
    // The notice is about this page's figures.
    if (m_grenzeGemeldet)
        StatuszeileZeigen(QString());
}

std::span<const TBindung> TFoGeringfuegigBeschaeftigt::Bindungen()
{
    return kBindungen;
}

QString TFoGeringfuegigBeschaeftigt::Seitentitel(const QString& grenzeText)
{
    return grenzeText + "-Abrechnung";
}

TGeringfuegigDaten* TFoGeringfuegigBeschaeftigt::Daten() const
{
    return Berechnung() ? dynamic_cast<TGeringfuegigDaten*>(&Berechnung()->Daten()) : nullptr;
}

template <class T> T* TFoGeringfuegigBeschaeftigt::Neu(const char* name)
{
    auto* control = new T(this, Panel());
    control->setObjectName(name);
    return control;
}

TMVCCheckBox* TFoGeringfuegigBeschaeftigt::Check(const char* name, const QString& text)
{
    auto* box = Neu<TMVCCheckBox>(name);
    box->setText(text);
    return box;
}

TMVCBetrag* TFoGeringfuegigBeschaeftigt::Ganzzahl(const char* name)
{
    auto* feld = Neu<TMVCBetrag>(name);
    feld->SetDezimalstellen(0);
    return feld;
}

QRadioButton* TFoGeringfuegigBeschaeftigt::Wahl(const char* name, const QString& text,
                                                const char* wahl, int wert)
{
    auto* knopf = new QRadioButton(text, Panel());
    knopf->setObjectName(name);
    // Clicked, not toggled: showing the data set's choice must never write it back.
    connect(knopf, &QRadioButton::clicked, this, [this, wahl, wert] { WahlSetzen(wahl, wert); });
    return knopf;
}

QWidget* TFoGeringfuegigBeschaeftigt::Paar(const char* an, const char* ag)
{
    return SeitenZeile(*Panel(), {Neu<TMVCBetrag>(an), Neu<TMVCBetrag>(ag)});
}

QFormLayout* TFoGeringfuegigBeschaeftigt::Tafel(QWidget*& panel, const char* name)
{
    panel = new QWidget(Panel());
    panel->setObjectName(name);
    auto* form = new QFormLayout(panel);
    form->setContentsMargins(0, 0, 0, 0);
    form->setVerticalSpacing(2);
    return form;
}

void TFoGeringfuegigBeschaeftigt::Aufbauen()
{
    auto* seite = new QHBoxLayout(Panel());
    seite->setContentsMargins(4, 2, 4, 2);
    seite->setSpacing(4);
    for (void (TFoGeringfuegigBeschaeftigt::*aufbauen)(QVBoxLayout&) :
         {&TFoGeringfuegigBeschaeftigt::SteuerAufbauen,
          &TFoGeringfuegigBeschaeftigt::VersicherungAufbauen,
          &TFoGeringfuegigBeschaeftigt::EntgeltAufbauen}) {
        auto* spalte = new QVBoxLayout;
        spalte->setSpacing(4);
        (this->*aufbauen)(*spalte);
        spalte->addStretch(1);
        seite->addLayout(spalte, 1);
    }
}

// Left column: the period and how the pay is taxed.
void TFoGeringfuegigBeschaeftigt::SteuerAufbauen(QVBoxLayout& spalte)
{
    QFormLayout* zeitraum = SeitenGruppe(*Panel(), spalte, "Abrechnungszeitraum");
    zeitraum->addRow("&Jahr:", Neu<TMVCComboBox>("cbJahr"));
    zeitraum->addRow("Steuertag&e:", Ganzzahl("ebSteuertage"));

    QFormLayout* steuer = SeitenGruppe(*Panel(), spalte, "Steuerberechnung");
    m_rbPLSt = Wahl("rbPLSt", "&Pauschale Lohnsteuer", "Steuerberechnung",
                    TGeringfuegigDaten::kPauschaleLohnsteuer);
    m_rbLStK = Wahl("rbLStK", "&Lohnsteuerkarte", "Steuerberechnung",
                    TGeringfuegigDaten::kLohnsteuerkarte);
    m_rbFreistellung = Wahl("rbFreistellung", "Frei&stellungsbescheinigung", "Steuerberechnung",
                            TGeringfuegigDaten::kFreistellung);
    for (QRadioButton* knopf : {m_rbPLSt, m_rbLStK, m_rbFreistellung})
        steuer->addRow(knopf);

    QFormLayout* plSt = Tafel(m_paPLSt, "paPLSt");
    plSt->addRow("Pauschsteuersatz:", Neu<TMVCLabel>("stPLStSatz"));
    plSt->addRow("Kirchensteuer pauschal %:", Ganzzahl("ebPKiStSatz"));
    plSt->addRow(Check("chLandwirtschaft", "Aushilfskraft in Land-/Forstwirtschaft"));
    plSt->addRow(Check("chAbzuegeAN", "Pauschsteuer trägt der Arbeitnehmer"));
    steuer->addRow(m_paPLSt);

    QFormLayout* lStK = Tafel(m_paLStK, "paLStK");
    lStK->addRow("Steuer&klasse:", Neu<TMVCComboBox>("cbStKl"));
    m_cbKiFB = new TKiFBComboBox(this, Panel(), [this] { KinderfreibetraegeFuellen(); });
    m_cbKiFB->setObjectName("cbKiFB");
    m_cbKiFB->setEditable(true);
    lStK->addRow("Kinderfreibeträge:", m_cbKiFB);
    lStK->addRow("Kirchensteuer %:", Neu<TMVCComboBox>("cbKiSt"));
    lStK->addRow("&Geburtsdatum:", Neu<TMVCDateEdit>("edGeburtsdatum"));
    lStK->addRow(Check("chKRV", "Besondere LSt-Tabelle (rentenversicherungsfrei)"));
    m_stLStKFB = new QLabel(m_paLStK);
    m_stLStKFB->setObjectName("stLStKFB");
    auto* freibetrag = Neu<TMVCBetrag>("ebLStK_FB");
    m_stLStKFB->setBuddy(freibetrag);
    lStK->addRow(m_stLStKFB, freibetrag);
    m_stHinzur = new QLabel(m_paLStK);
    m_stHinzur->setObjectName("stHinzur");
    lStK->addRow(m_stHinzur, Neu<TMVCBetrag>("ebLStK_HB"));
    steuer->addRow(m_paLStK);
}

// Middle column: the flat-rate contributions and the chamber.
void TFoGeringfuegigBeschaeftigt::VersicherungAufbauen(QVBoxLayout& spalte)
{
    QFormLayout* sv = SeitenGruppe(*Panel(), spalte, "Sozialversicherung");
    sv->addRow(Check("chGesKV", "Gesetzlich krankenversichert"));
    sv->addRow(Check("chPrivathaushalt", "Beschäftigung im Privathaushalt"));
    sv->addRow(Check("chKeineRVMinderung", "AN verzichtet auf RV-Freiheit"));
    sv->addRow("KV-Pauschale:", Neu<TMVCLabel>("stKVSatz"));
    sv->addRow("RV-Satz AG:", Neu<TMVCLabel>("stRVSatzAG"));
    sv->addRow("RV-Satz AN:", Neu<TMVCLabel>("stRVSatzAN"));

    QFormLayout* kammer = SeitenGruppe(*Panel(), spalte, "Arbeitnehmerkammer");
    kammer->addRow(Check("chKammer", "Beschäftigt in Bremen"));
    kammer->addRow("Kammerbeitrag:", Neu<TMVCBetrag>("ebKammerbeitrag"));

    QFormLayout* waehrung = SeitenGruppe(*Panel(), spalte, "Währung");
    waehrung->addRow(SeitenZeile(
        *Panel(), {Neu<TMVCComboBox>("cbWaehrungName"), Check("chUmrechnen", "Umrechnen")}));
}

// Right column: which amount is given, the pay, and the deductions of each side.
void TFoGeringfuegigBeschaeftigt::EntgeltAufbauen(QVBoxLayout& spalte)
{
    QFormLayout* entgelt = SeitenGruppe(*Panel(), spalte, "Entgelt");
    m_rbEntgeltEingabe =
        Wahl("rbEntgeltEingabe", "Brutto", "Ausgangswert", TGeringfuegigDaten::kEntgelt);
    m_rbNettoEingabe =
        Wahl("rbNettoEingabe", "Netto", "Ausgangswert", TGeringfuegigDaten::kNettoentgelt);
    m_rbEntgeltEingabe->setToolTip("Steuer, Beiträge und Netto berechnen.");
    m_rbNettoEingabe->setToolTip("Bruttoentgelt berechnen.");
    // A row of its own: the two buttons are one choice, apart from the tax treatment's.
    auto* ausgangswert = SeitenZeile(*Panel(), {m_rbEntgeltEingabe, m_rbNettoEingabe});
    entgelt->addRow("Gegeben:", ausgangswert);
    entgelt->addRow("B&ruttoentgelt:", Neu<TMVCBetrag>("ebEntgelt"));
    entgelt->addRow("&Nettoentgelt:", Neu<TMVCBetrag>("ebNetto"));
    entgelt->addRow("Entgelt AG-Seite:", Neu<TMVCBetrag>("ebEntgeltAG"));
    entgelt->addRow("Gesamtkosten AG:", Neu<TMVCBetrag>("ebNettoAG"));

    QFormLayout* abzug = SeitenGruppe(*Panel(), spalte, "Abzüge");
    abzug->addRow(QString(), SeitenZeile(*Panel(), {new QLabel("Arbeitnehmer", Panel()),
                                                    new QLabel("Arbeitgeber", Panel())}));
    abzug->addRow(Neu<TMVCLabel>("stLohnsteuer"), Paar("ebLStAN", "ebLStAG"));
    abzug->addRow("Kirchensteuer:", Paar("ebKiStAN", "ebKiStAG"));
    abzug->addRow("Solidaritätszuschlag:", Paar("ebSolZAN", "ebSolZAG"));
    abzug->addRow("Krankenversicherung:", Paar("ebKVBeitragAN", "ebKVBeitragAG"));
    abzug->addRow("Rentenversicherung:", Paar("ebRVBeitragAN", "ebRVBeitragAG"));
}

void TFoGeringfuegigBeschaeftigt::BindControls()
{
    KinderfreibetraegeFuellen();
    Binden(kBindungen);
}

void TFoGeringfuegigBeschaeftigt::KinderfreibetraegeFuellen()
{
    if (!Daten())
        return;
    TStrings liste;
    TGeringfuegigDaten::KinderfreibetraegeAuflisten(liste);
    const QString text = m_cbKiFB->currentText();
    const QSignalBlocker blocker(m_cbKiFB);
    m_cbKiFB->clear();
    for (const std::string& eintrag : liste)
        m_cbKiFB->addItem(QString::fromStdString(eintrag));
    m_cbKiFB->setEditText(text);
}

void TFoGeringfuegigBeschaeftigt::AfterRefresh()
{
    const TGeringfuegigDaten* d = Daten();
    if (!d)
        return;
    // The exemption certificate was abolished in April 2003.
    m_rbFreistellung->setEnabled(!d->NeuesRecht2003());
    const int steuer = d->Steuerberechnung().GetValue();
    m_rbPLSt->setChecked(steuer == TGeringfuegigDaten::kPauschaleLohnsteuer);
    m_rbLStK->setChecked(steuer == TGeringfuegigDaten::kLohnsteuerkarte);
    m_rbFreistellung->setChecked(steuer == TGeringfuegigDaten::kFreistellung);
    const int ausgang = d->Ausgangswert().GetValue();
    m_rbEntgeltEingabe->setChecked(ausgang == TGeringfuegigDaten::kEntgelt);
    m_rbNettoEingabe->setChecked(ausgang == TGeringfuegigDaten::kNettoentgelt);
    m_paLStK->setVisible(m_rbLStK->isChecked());
    m_paPLSt->setVisible(m_rbPLSt->isChecked());

    const QString ende = QString(WaehrungDesJahres(d->Jahr())) + "):";
    m_stLStKFB->setText("&Freibetrag LStK (" + ende);
    m_stHinzur->setText("Hinzurech.betrag (" + ende);

    KiFBMarkieren();
    setWindowTitle(Seitentitel(QString::fromStdString(d->GrenzeText())));
    const QString grenze = QString::fromStdString(d->GrenzeHinweis());
    if (!grenze.isEmpty() || m_grenzeGemeldet)
        StatuszeileZeigen(grenze);
    m_grenzeGemeldet = !grenze.isEmpty();
}

void TFoGeringfuegigBeschaeftigt::KiFBMarkieren()
{
    const TGeringfuegigDaten* d = Daten();
    // Class II is the relief of single parents: without a child allowance it has no tariff.
    m_kiFBMarkiert = d && d->Steuerklasse().GetValue() == 2 &&
                     StrToBetragFloat(d->Kinderfreibetraege().GetValue()) == 0.0;
    m_cbKiFB->setStyleSheet(m_kiFBMarkiert ? "QComboBox { background: #ff0000; color: #ffff00; }"
                                           : QString());
}

void TFoGeringfuegigBeschaeftigt::WahlSetzen(const char* wahl, int wert)
{
    if (Updating() || !Daten())
        return;
    if (auto* lookup = dynamic_cast<TIntegerLookup*>(Daten()->FindValue(wahl)))
        lookup->SetValue(wert);
}

void TFoGeringfuegigBeschaeftigt::Drucken(int copies)
{
    TGeringfuegigDaten* d = Daten();
    if (!d)
        return;
    // The statement carries the employee's name and the period, asked for as on page 1.
    TValue* arbeitnehmer = d->FindValue("Arbeitnehmer");
    TValue* zeitraum = d->FindValue("AbrgZeitraum");
    if (!arbeitnehmer || !zeitraum)
        throw Exception("Druck: Name und Abrechnungszeitraum fehlen in \"" + d->Name() + "\".");
    if (TFoAbrgDruck::Ausfuehren(QString(), *arbeitnehmer, true, *zeitraum))
        DruckeGeringfuegig(*d, copies, Panel()->window()->windowTitle());
}

QStringList TFoGeringfuegigBeschaeftigt::DruckText()
{
    return Daten() ? GeringfuegigAlsText(*Daten()) : QStringList();
}
