#include "Forms/Dialoge/FoStammdaten.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Stammdaten/Kasse.h"
#include "Engine/Stammdaten/Waehrung.h"
#include "Gui/Hinweise.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "Gui/PageContainerForm.h"
#include "Gui/PageDataList.h"
#include "Gui/PageForm.h"
#include "MVCFrame/StringIniLookup.h"
#include "MVCFrame/StringListValue.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

template <class T> T* Neu(TBerechnungForm* form, const char* name)
{
    auto* control = new T(form, form);
    control->setObjectName(name);
    return control;
}

// Edits a copy of the entry `name` (a new entry when empty) in a dialog of class D; on OK the
// name the entry was saved under.
template <class D, class E>
std::optional<QString> EintragBearbeiten(const QString& name, void (E::*laden)(const std::string&))
{
    auto eintrag = MakeComponent<E>(nullptr, std::string());
    if (!name.isEmpty())
        ((*eintrag).*laden)(name.toStdString());
    D dialog;
    dialog.init();
    dialog.SetBerechnung(eintrag.get());
    if (dialog.ShowModal() != mrOk)
        return std::nullopt;
    return Q(dialog.Berechnung()->Daten().FindValue("Bezeichnung")->GetAsString());
}

template <class D> std::optional<QString> ListeAusfuehren(const QString& auswahl)
{
    D dialog;
    dialog.init();
    dialog.SetAuswahl(auswahl);
    if (dialog.ShowModal() != mrOk)
        return std::nullopt;
    return dialog.Auswahl();
}

constexpr int kSatzBreite = 90;

} // namespace

TFoStammListe::TFoStammListe(const TArt& art, std::unique_ptr<TStammListenBerechnung> liste)
    : m_art(art), m_eigene(std::move(liste))
{
    setWindowTitle(QString::fromUtf8(art.titel));
    auto* box = new TMVCListBox(this, this);
    box->setMinimumSize(260, 220);
    Aufbauen(box, art.liste, art.wert, "OKFlag", "LoeschenFlag", "OKFlag", "&Löschen...");
    SetBerechnung(m_eigene.get());
    if (StammListe())
        StammListe()->Laden();
}

TStammListenBerechnung* TFoStammListe::StammListe() const
{
    return dynamic_cast<TStammListenBerechnung*>(Berechnung());
}

QString TFoStammListe::Auswahl() const
{
    if (!StammListe())
        return {};
    const TStringListValue& liste = StammListe()->ListenDaten().Liste();
    if (liste.SelCount() == 1)
        return Q(liste.GetItem(liste.FirstSelected()));
    return Q(liste.GetValue());
}

void TFoStammListe::SetAuswahl(const QString& name)
{
    if (!StammListe())
        return;
    TStammListeDaten& d = StammListe()->ListenDaten();
    TStringListValue& liste = d.Liste();
    const std::string gesucht = name.toStdString();
    liste.BeginUpdate();
    for (int i = 0; i < liste.Count(); ++i)
        liste.SetSelected(i, false);
    liste.SetItemIndex(-1);
    for (int i = 0; i < liste.Count(); ++i) {
        if (!gesucht.empty() && liste.GetItem(i) == gesucht) {
            liste.SetItemIndex(i);
            liste.SetSelected(i, true);
            break;
        }
    }
    liste.EndUpdate();
    d.FlagsAktualisieren();
}

QPushButton* TFoStammListe::StandardKnopf() const
{
    if (!StammListe() || StammListe()->ListenDaten().Liste().Count() == 0)
        return bnNeu();
    return StammListe()->ListenDaten().Liste().SelCount() < 2 ? bnAendern() : nullptr;
}

void TFoStammListe::AfterRefresh()
{
    TListenDialog::AfterRefresh();
    // Marked entries that the list never deletes: the button says why it is not available.
    const bool verweigert = m_art.nichtLoeschbar && StammListe() &&
                            StammListe()->ListenDaten().Liste().SelCount() > 0 &&
                            !bnLoeschen()->isEnabled();
    const QString hinweis =
        verweigert ? NichtVerfuegbar(QString::fromUtf8(m_art.nichtLoeschbar)) : QString();
    bnLoeschen()->setToolTip(hinweis);
    bnLoeschen()->setStatusTip(hinweis);
}

void TFoStammListe::Gespeichert(const QString& name)
{
    if (StammListe())
        StammListe()->Laden();
    SetAuswahl(name);
    StammdatenGeaendert();
}

void TFoStammListe::Neu()
{
    if (const auto name = m_art.bearbeiten(QString()))
        Gespeichert(*name);
}

void TFoStammListe::Aendern()
{
    if (const auto name = m_art.bearbeiten(Auswahl()))
        Gespeichert(*name);
}

QStringList TFoStammListe::LoeschKandidaten() const
{
    QStringList namen;
    if (!StammListe())
        return namen;
    const TStringListValue& liste = StammListe()->ListenDaten().Liste();
    for (int i = 0; i < liste.Count(); ++i)
        if (liste.GetSelected(i) && StammListe()->ListenDaten().Loeschbar(liste.GetItem(i)))
            namen << Q(liste.GetItem(i));
    return namen;
}

void TFoStammListe::MarkierteLoeschen()
{
    if (StammListe())
        StammListe()->MarkierteLoeschen();
    StammdatenGeaendert();
}

QString TFoStammListe::LoeschenTitel() const
{
    return "Bestätigen";
}

QString TFoStammListe::LoeschenFrage(const QString& eintrag) const
{
    return QString::fromUtf8(m_art.eintrag) + "\"" + eintrag + "\" wirklich löschen?";
}

QString TFoStammListe::LoeschenFrage(int anzahl) const
{
    return "Wollen Sie die " + QString::number(anzahl) + QString::fromUtf8(m_art.mehrere);
}

TFoKassenMenue::TFoKassenMenue()
    : TFoStammListe({"Krankenkassen", "lbKrankenkassen", kKassenSektion,
                     "Wollen Sie die Krankenkasse ", " markierten Krankenkassen wirklich löschen?",
                     &EditKasse, nullptr},
                    MakeComponent<TKassen>(nullptr, std::string()))
{
    setObjectName("FoKassenMenue");
}

std::optional<QString> TFoKassenMenue::Ausfuehren(const QString& auswahl)
{
    return ListeAusfuehren<TFoKassenMenue>(auswahl);
}

TFoWaehrungenMenue::TFoWaehrungenMenue()
    : TFoStammListe({"Währungen", "lbWaehrungen", kWaehrungenSektion, "Wollen Sie die Waehrung ",
                     " markierten Waehrungen wirklich löschen?", &EditWaehrung,
                     "die Währungen DM und Euro fest eingebaut sind."},
                    MakeComponent<TWaehrungen>(nullptr, std::string()))
{
    setObjectName("FoWaehrungenMenue");
}

std::optional<QString> TFoWaehrungenMenue::Ausfuehren(const QString& auswahl)
{
    return ListeAusfuehren<TFoWaehrungenMenue>(auswahl);
}

TFoKasse::TFoKasse(QWidget* parent) : TEintragDialog(parent)
{
    setObjectName("FoKasse");
    setWindowTitle("Krankenkasse");
    QFormLayout* f = Felder();
    auto* name = Gebunden(Neu<TMVCEdit>(this, "edBezeichnung"), "Bezeichnung");
    name->setMinimumWidth(260);
    f->addRow("&Bezeichnung:", name);
    auto satz = [this, f](const char* feld, const char* wert, const QString& text) {
        auto* zeile = new QHBoxLayout;
        auto* betrag = Gebunden(Neu<TMVCBetrag>(this, feld), wert);
        betrag->setMaximumWidth(kSatzBreite);
        zeile->addWidget(betrag);
        zeile->addWidget(new QLabel("v.H.", this));
        zeile->addStretch(1);
        auto* label = new QLabel(text, this);
        label->setBuddy(betrag);
        f->addRow(label, zeile);
    };
    satz("ebKKBeitragsatzG", "Beitragssatz_G", "&Allgemeiner Beitragssatz:");
    satz("ebKKBeitragsatzH", "Beitragssatz_H", "&Erhöhter Beitragssatz:");
    satz("ebKKBeitragsatzF", "Beitragssatz_F", "Er&mäßigter Beitragssatz:");
    satz("ebKKZusatzbeitragsatz", "Zusatzbeitragssatz", "&Zusatzbeitragssatz:");
    auto check = [this, f](const char* feld, const char* wert, const QString& text) {
        auto* box = Gebunden(Neu<TMVCCheckBox>(this, feld), wert);
        box->setText(text);
        f->addRow(box);
    };
    check("chKKBBGOstKV", "BBG_OstKV", "Beitragsbemessungsgrenze Ost (&KV)");
    check("chKKBBGOstRV", "BBG_OstRV", "Beitragsbemessungsgrenze Ost (&RV)");
    check("chKKPVSachsen", "PV_Sachsen", "&Pflegeversicherung Sachsen");
}

void TFoKasse::Speichern()
{
    if (auto* kasse = dynamic_cast<TKasse*>(Berechnung()))
        kasse->SaveKasse();
}

TFoWaehrung::TFoWaehrung(QWidget* parent) : TEintragDialog(parent)
{
    setObjectName("FoWaehrung");
    setWindowTitle("Währung");
    QFormLayout* f = Felder();
    auto* name = Gebunden(Neu<TMVCEdit>(this, "edBezeichnung"), "Bezeichnung");
    name->setMinimumWidth(220);
    f->addRow("&Bezeichnung:", name);
    auto* kuerzel = Gebunden(Neu<TMVCComboBox>(this, "cbKuerzel"), "Kuerzel");
    kuerzel->setEditable(true);
    kuerzel->setInsertPolicy(QComboBox::NoInsert);
    kuerzel->setMaximumWidth(kSatzBreite);
    f->addRow("Kür&zel", kuerzel);
    auto* kurs = Gebunden(Neu<TMVCBetrag>(this, "ebKurs"), "Kurs");
    kurs->setMaximumWidth(kSatzBreite + 30);
    f->addRow("&Kurs für 1 Euro", kurs);
    f->addRow(QString(), new QLabel("(Optional für den Ausdruck)", this));
}

void TFoWaehrung::Speichern()
{
    if (auto* waehrung = dynamic_cast<TWaehrung*>(Berechnung()))
        waehrung->Speichern();
}

std::optional<QString> EditKasse(const QString& name)
{
    return EintragBearbeiten<TFoKasse>(name, &TKasse::LoadKasse);
}

std::optional<QString> EditWaehrung(const QString& name)
{
    return EintragBearbeiten<TFoWaehrung>(name, &TWaehrung::Laden);
}

bool KasseGelistet(const TLohnBerechnung& lohn)
{
    const TLohnDaten& d = lohn.LohnDatenOf();
    TStrings kassen;
    d.KasseName->GetChoices(kassen);
    const std::string name = d.KasseName->GetValue();
    return !name.empty() && std::find(kassen.begin(), kassen.end(), name) != kassen.end();
}

void KasseNachladen(TLohnBerechnung& lohn, bool warGelistet)
{
    // A fund deleted in the dialog leaves no rates behind: the statement falls back on the
    // year's. One the list did not hold before (its file unreadable, missing or without it)
    // stays chosen as stored.
    if (warGelistet && !KasseGelistet(lohn)) {
        lohn.LohnDatenOf().KasseName->SetValue(std::string());
        lohn.BeitragssaetzeSetzen();
        return;
    }
    lohn.KasseLaden();
}

void KasseWaehlen(TLohnBerechnung& lohn)
{
    TLohnDaten& d = lohn.LohnDatenOf();
    const bool gelistet = KasseGelistet(lohn);
    if (const auto kasse = TFoKassenMenue::Ausfuehren(Q(d.KasseName->GetValue())))
        d.KasseName->SetValue(kasse->toStdString());
    KasseNachladen(lohn, gelistet);
}

void WaehrungWaehlen(TValue& waehrungName)
{
    // A currency deleted meanwhile stays the page's own until another is chosen: its amounts
    // and rate are kept.
    if (const auto waehrung = TFoWaehrungenMenue::Ausfuehren(Q(waehrungName.GetAsString())))
        waehrungName.SetAsString(waehrung->toStdString());
}

namespace {

TBerechnung* SeitenBerechnung(const TPageContainerForm& fenster)
{
    const TPageForm* seite = fenster.ActivePageForm();
    return seite ? seite->Berechnung() : nullptr;
}

} // namespace

void KrankenkassenMenue(const TPageContainerForm& fenster)
{
    const TPageData* seite = fenster.Pages().GetPage(1);
    auto* lohn = seite ? dynamic_cast<TLohnBerechnung*>(seite->Berechnung) : nullptr;
    if (lohn && fenster.PageIndex() == 1) {
        KasseWaehlen(*lohn);
        return;
    }
    const bool gelistet = lohn && KasseGelistet(*lohn);
    TFoKassenMenue::Ausfuehren(QString());
    // The statement, shown or not, must not keep a fund deleted here.
    if (lohn)
        KasseNachladen(*lohn, gelistet);
}

void WaehrungenMenue(const TPageContainerForm& fenster)
{
    const int seite = fenster.PageIndex();
    const TBerechnung* berechnung = SeitenBerechnung(fenster);
    TValue* wert = berechnung && (seite == 1 || seite == 2 || seite == 5)
                       ? berechnung->Daten().FindValue("WaehrungName")
                       : nullptr;
    if (wert)
        WaehrungWaehlen(*wert);
    else
        TFoWaehrungenMenue::Ausfuehren(QString());
}
