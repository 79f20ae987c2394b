#include "Engine/Geringfuegig/Geringf.h"

#include "Engine/Lohnsteuer/LStLib.h"
#include "Engine/Sozialversicherung/Beitrag.h"
#include "Engine/Sozialversicherung/Beitragsbemessungsgrenzen.h"
#include "Engine/Sozialversicherung/Beitragssatz.h"
#include "Engine/Sozialversicherung/Kammer.h"
#include "Engine/Stammdaten/Waehrung.h"
#include "Lib/Betrag.h"
#include "Lib/Datum.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DateValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/StringIniLookup.h"
#include "MVCFrame/StringValue.h"
#include "Options/OptionenVtrl.h"

#include <cmath>
#include <memory>

namespace {

// The net-to-gross search is done when the computed net pay is this close to the wanted one.
constexpr double kSuchGenauigkeit = 0.00001;

void SetzeCent(TDouble& wert, double cent)
{
    wert.SetCents(RundenInt(cent));
}

void Unbestimmt(TValue& wert)
{
    wert.ChangeFlag(TValue::vfUndetermined, true);
}

} // namespace

void TGeringfuegigBerechnung::init()
{
    TBerechnung::init();
    GeringfuegigDaten().AddValueOnChange(&GeringfuegigDaten().WaehrungName(),
                                         [this](TValue&) { WaehrungGeaendert(); });
}

TDaten* TGeringfuegigBerechnung::CreateDaten()
{
    return CreateComponent<TGeringfuegigDaten>(this, Name());
}

TGeringfuegigDaten& TGeringfuegigBerechnung::GeringfuegigDaten() const
{
    return dynamic_cast<TGeringfuegigDaten&>(Daten());
}

bool TGeringfuegigBerechnung::AlterUeber64() const
{
    const TGeringfuegigDaten& d = GeringfuegigDaten();
    const TDatum geburt = d.Geburtsdatum().GetValue();
    if (geburt.Jahr == 0)
        return false;
    return JahreZwischen(geburt, TDatum{1, 1, d.Jahr()}) >= 64;
}

void TGeringfuegigBerechnung::WaehrungGeaendert()
{
    TGeringfuegigDaten& d = GeringfuegigDaten();
    const std::unique_ptr<TWaehrung> waehrung = MakeComponent<TWaehrung>(nullptr, std::string());
    waehrung->Laden(d.WaehrungName().GetValue());
    WaehrungUmrechnen(d.WaehrungName().GetValue(), d.Umrechnen().GetValue(),
                      waehrung->WaehrungDaten().Kurs().GetValue());
}

void TGeringfuegigBerechnung::Calculate()
{
    TGeringfuegigDaten& d = GeringfuegigDaten();
    d.WerteFreigeben();
    switch (d.Steuerberechnung().GetValue()) {
    case TGeringfuegigDaten::kPauschaleLohnsteuer:
        PauschaleSteuer();
        break;
    case TGeringfuegigDaten::kLohnsteuerkarte:
        Lohnsteuerkarte();
        break;
    case TGeringfuegigDaten::kFreistellung:
        Freistellung();
        break;
    default:
        break;
    }
    d.NettoentgeltAG().SetValue(d.LohnsteuerAG().GetValue() + d.KirchensteuerAG().GetValue() +
                                d.SolidaritaetszuschlagAG().GetValue() +
                                d.KVBeitragAG().GetValue() + d.RVBeitragAG().GetValue() +
                                d.Entgelt().GetValue());
}

void TGeringfuegigBerechnung::Suchen(TDurchlauf durchlauf, TLStTabBase* tab)
{
    TGeringfuegigDaten& d = GeringfuegigDaten();
    const bool netto = d.Ausgangswert().GetValue() == TGeringfuegigDaten::kNettoentgelt;
    const double gesucht = d.Nettoentgelt().GetValue();
    if (netto)
        d.Entgelt().SetValue(gesucht);
    double e = 0;
    for (int durchgang = 1;; ++durchgang) {
        if (netto)
            d.Entgelt().Add(gesucht - d.Nettoentgelt().GetValue());
        e = (this->*durchlauf)(tab);
        if (!netto || std::fabs(gesucht - d.Nettoentgelt().GetValue()) < kSuchGenauigkeit)
            break;
        if (durchgang >= kMaxDurchlaeufe) {
            // No pay gives this net pay: the pay is left undetermined, the wish kept.
            Unbestimmt(d.Entgelt());
            d.Nettoentgelt().SetValue(gesucht);
            break;
        }
    }
    d.EntgeltAG().SetValue(e);
}

void TGeringfuegigBerechnung::PauschaleSteuer()
{
    const TGeringfuegigDaten& d = GeringfuegigDaten();
    if (!d.NeuesRecht2003() || d.Landwirtschaft().GetValue()) {
        m_steuersatz = d.Landwirtschaft().GetValue() ? 5.0 : 20.0;
        m_kirchensatz = d.PauschKiStSatz().GetValue();
        m_solzSatz = 5.5;
    } else {
        // The uniform flat tax already includes church tax and surcharge.
        m_steuersatz = 2.0;
        m_kirchensatz = 0.0;
        m_solzSatz = 0.0;
    }
    d.PauschLStSatz().SetValue(FloatToBetragStr(0, m_steuersatz) + "%");
    Suchen(&TGeringfuegigBerechnung::PauschalDurchlauf, nullptr);
}

double TGeringfuegigBerechnung::PauschalDurchlauf(TLStTabBase*)
{
    TGeringfuegigDaten& d = GeringfuegigDaten();
    double e = d.Entgelt().GetValue();
    // The surcharge on the 20 % and 5 % flat taxes was kept when the surcharge on the wage tax
    // by the tax card was mostly abolished in 2021: it is charged in every year.
    TDouble& lst = d.AbzuegeAN().GetValue() ? d.LohnsteuerAN() : d.LohnsteuerAG();
    TDouble& kist = d.AbzuegeAN().GetValue() ? d.KirchensteuerAN() : d.KirchensteuerAG();
    TDouble& solz =
        d.AbzuegeAN().GetValue() ? d.SolidaritaetszuschlagAN() : d.SolidaritaetszuschlagAG();
    if (d.AbzuegeAN().GetValue()) {
        if (d.AltesRecht1999()) {
            // Before April 1999 the flat charges borne by the employee came out of the pay
            // itself: the pay is the base plus all charges on it.
            const double r = d.KVSatzPauschal() + d.RVSatzArbeitgeber() + m_steuersatz +
                             (0.01 * m_kirchensatz + 0.01 * m_solzSatz) * m_steuersatz;
            e = Abschneiden((100.0 - 100.0 * r / (100.0 + r)) * e) * 0.01;
        }
        d.LohnsteuerAG().SetValue(0);
        d.KirchensteuerAG().SetValue(0);
        d.SolidaritaetszuschlagAG().SetValue(0);
    } else {
        d.LohnsteuerAN().SetValue(0);
        d.KirchensteuerAN().SetValue(0);
        d.SolidaritaetszuschlagAN().SetValue(0);
    }
    SetzeCent(lst, e * m_steuersatz);
    const double steuer = lst.GetStoredValue();
    SetzeCent(kist, steuer * m_kirchensatz);
    SetzeCent(solz, steuer * m_solzSatz);
    BeitraegeBerechnen(e);
    KammerBerechnen(e);
    d.NettoBerechnen();
    return e;
}

void TGeringfuegigBerechnung::Lohnsteuerkarte()
{
    TGeringfuegigDaten& d = GeringfuegigDaten();
    const int jahr = d.Jahr();
    const int monat = d.Monat();
    const std::unique_ptr<TLStTabBase> tab =
        CreateLStTab(static_cast<std::uint16_t>(jahr), static_cast<std::uint16_t>(monat));
    const TBeitragssatz& saetze = Beitragssaetze();
    tab->SetDoub(ldKurs, d.Kurs());
    tab->SetBool(lbAltersentlastung, AlterUeber64());
    tab->SetInt(liKeineAV, 1);
    tab->SetDoub(ldAVSatz, 0);
    tab->SetCurr(lcLohn, d.Entgelt().GetCents());
    const TDatum geburt = d.Geburtsdatum().GetValue();
    tab->SetGeburtsdatum(TLStDatum{geburt.Tag, geburt.Monat, geburt.Jahr});
    tab->SetDoub(ldBBGRV, Beitragsbemessungsgrenzen().BBGRVJahr(jahr, monat, false, false));
    tab->SetDoub(ldBBGKV, Beitragsbemessungsgrenzen().BBGKVJahr(jahr, monat, false));
    tab->SetDoub(ldKinderfreibetraege, StrToBetragFloat(d.Kinderfreibetraege().GetValue()));
    tab->SetBool(lbKirchensteuer, d.Kirchensteuersatz().GetValue() > 0);
    tab->SetDoub(ldKVSatz, saetze.KVSatzF(jahr, monat));
    tab->SetDoub(ldKVZusatzSatz, saetze.KVSatzZB(jahr, monat));
    tab->SetDoub(ldKVZusatzDurchschnitt, saetze.KVSatzZB(jahr, monat));
    tab->SetBool(lbKeinArbeitnehmerpauschbetrag,
                 OptionenVtrl().AllgemeinDaten().PAP05FehlerBeheben());
    tab->SetDoub(ldPVSatz, saetze.PVSatz(jahr, monat));
    tab->SetDoub(ldPVKinderlosSatz, saetze.PVSatzKinderlos(jahr, monat));
    tab->SetInt(liRVArt, d.RVArt());
    tab->SetDoub(ldRVSatz, saetze.RVSatz(jahr, monat));
    tab->SetInt(liSteuerklasse, d.Steuerklasse().GetValue());

    d.LohnsteuerAG().SetValue(0);
    d.KirchensteuerAG().SetValue(0);
    d.SolidaritaetszuschlagAG().SetValue(0);

    m_tage = d.Steuertage().GetValue() == 0 ? 1 : d.Steuertage().GetValue();
    const double freibetrag = d.Freibetrag().GetCents();
    const double hinzurechnung = d.Hinzurechnungsbetrag().GetCents();
    if (m_tage == 30) {
        tab->SetInt(liZeitraum, 2);
        tab->SetDoub(ldFreibetrag, freibetrag);
        tab->SetDoub(ldHinzurechnung, hinzurechnung);
    } else {
        tab->SetInt(liZeitraum, 4);
        tab->SetDoub(ldFreibetrag, Abschneiden(freibetrag / 30));
        tab->SetDoub(ldHinzurechnung, Abschneiden(hinzurechnung / 30));
    }

    // Class II is the relief of single parents: without a child it has no tariff.
    if (d.Steuerklasse().GetValue() == 2 &&
        StrToBetragFloat(d.Kinderfreibetraege().GetValue()) < 0.5) {
        Unbestimmt(d.Ausgangswert().GetValue() == TGeringfuegigDaten::kEntgelt
                       ? static_cast<TValue&>(d.Nettoentgelt())
                       : static_cast<TValue&>(d.Entgelt()));
        Unbestimmt(d.LohnsteuerAN());
        Unbestimmt(d.KirchensteuerAN());
        Unbestimmt(d.SolidaritaetszuschlagAN());
        BeitraegeBerechnen(d.Entgelt().GetValue());
        KammerBerechnen(d.Entgelt().GetValue());
        d.EntgeltAG().SetValue(d.Entgelt().GetValue());
        return;
    }
    Suchen(&TGeringfuegigBerechnung::KartenDurchlauf, tab.get());
}

double TGeringfuegigBerechnung::KartenDurchlauf(TLStTabBase* tab)
{
    TGeringfuegigDaten& d = GeringfuegigDaten();
    const double lohn = d.Entgelt().GetCents();
    const double tage = m_tage == 30 ? 1.0 : m_tage;
    tab->SetCurr(lcLohn, m_tage == 30 ? lohn : Abschneiden(lohn / m_tage));
    SetzeCent(d.LohnsteuerAN(), tab->GetDoub(leLohnsteuer) * tage);
    // Church tax is never rounded up; it is cut in the tariff's currency, then converted.
    const double kirchensteuer =
        Abschneiden(d.Kirchensteuersatz().GetValue() * tab->GetDoubTarif(leKiStBasis) * 0.01);
    d.KirchensteuerAN().SetCents(RundenInt(tab->Anzeigebetrag(kirchensteuer) * tage));
    SetzeCent(d.SolidaritaetszuschlagAN(), tab->GetDoub(leSolZ) * tage);
    BeitraegeBerechnen(d.Entgelt().GetValue());
    KammerBerechnen(d.Entgelt().GetValue());
    d.NettoBerechnen();
    return d.Entgelt().GetValue();
}

void TGeringfuegigBerechnung::Freistellung()
{
    TGeringfuegigDaten& d = GeringfuegigDaten();
    for (TDouble* wert :
         {&d.LohnsteuerAG(), &d.LohnsteuerAN(), &d.KirchensteuerAG(), &d.KirchensteuerAN(),
          &d.SolidaritaetszuschlagAG(), &d.SolidaritaetszuschlagAN()})
        wert->SetValue(0);
    Suchen(&TGeringfuegigBerechnung::FreistellungsDurchlauf, nullptr);
}

double TGeringfuegigBerechnung::FreistellungsDurchlauf(TLStTabBase*)
{
    TGeringfuegigDaten& d = GeringfuegigDaten();
    BeitraegeBerechnen(d.Entgelt().GetValue());
    KammerBerechnen(d.Entgelt().GetValue());
    d.NettoBerechnen();
    return d.Entgelt().GetValue();
}

void TGeringfuegigBerechnung::BeitraegeBerechnen(double e)
{
    TGeringfuegigDaten& d = GeringfuegigDaten();
    const int jahr = d.Jahr();
    // The pension top-up is charged at least on this minimum base (cents of the year's
    // currency).
    double mindestens = jahr < 2002 ? 30000.0 : jahr < 2013 ? 15500.0 : 17500.0;
    mindestens = Dreisatz(true, 0, mindestens, EuroFaktor(jahr), d.Kurs());

    TBeitrag beitrag(30, 0.0, 1.0, 1.0, 0.0, 0.0, EuroFaktor(jahr));
    const double entgelt = Abschneiden(e * 100.0);
    beitrag.SetEntgelt(entgelt);
    beitrag.SetWaehrungskurs(d.Kurs());
    beitrag.SetKeineBBG(true);
    beitrag.SetEuroRundung(jahr > 2002);

    beitrag.SetSatz(TBeitrag::TSatzArt::kArbeitgeber, d.KVSatzPauschal());
    d.KVBeitragAN().SetValue(0);
    SetzeCent(d.KVBeitragAG(), beitrag.GetArbeitgeberAnteil());

    beitrag.SetNurArbeitnehmer(true);
    beitrag.SetSatz(TBeitrag::TSatzArt::kArbeitnehmer, d.RVSatzArbeitnehmer());
    SetzeCent(d.RVBeitragAN(), beitrag.GetBeitrag());
    beitrag.SetSatz(TBeitrag::TSatzArt::kArbeitnehmer, d.RVSatzArbeitgeber());
    SetzeCent(d.RVBeitragAG(), beitrag.GetBeitrag());

    if (d.KeineRVMinderung().GetValue() && entgelt <= mindestens) {
        // Below the minimum base the employee tops up to the full rate on that base.
        beitrag.SetSatz(TBeitrag::TSatzArt::kArbeitnehmer,
                        Beitragssaetze().RVSatz(jahr, d.Monat()));
        beitrag.SetEntgelt(mindestens);
        SetzeCent(d.RVBeitragAN(), beitrag.GetBeitrag() - d.RVBeitragAG().GetCents());
    }
}

void TGeringfuegigBerechnung::KammerBerechnen(double e)
{
    TGeringfuegigDaten& d = GeringfuegigDaten();
    if (!d.Kammer().GetValue()) {
        d.Kammerbeitrag().SetValue(0);
        return;
    }
    TKammerBremen kammer;
    kammer.SetBetrag(e);
    kammer.SetTage(d.Steuertage().GetValue());
    // The year's currency factor too: the exemption limit up to 2001 is in marks.
    kammer.SetJahr(d.Jahr(), d.Monat());
    kammer.SetKurs(d.Kurs());
    d.Kammerbeitrag().SetValue(kammer.Beitrag());
}
