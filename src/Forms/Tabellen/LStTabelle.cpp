#include "Forms/Tabellen/LStTabelle.h"

#include "Engine/Lohnsteuer/LStLib.h"
#include "Engine/Lohnsteuer/LStRegeln.h"
#include "Engine/Lohnsteuer/LStTabBase.h"
#include "Engine/Lohnsteuer/SolZSatz.h"
#include "Gui/BetragEdit.h"
#include "Gui/DoubleEingabe.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Lib/Betrag.h"

#include <QAction>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace {

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

QString Betrag2(double x)
{
    return Text(FloatToBetragStr(2, x));
}

QString SatzText(double satz)
{
    return Text(FloatToBetragStr(satz == std::trunc(satz) ? 0 : 2, satz)) + " v.H.";
}

QString SolZSatzText(int jahr, int monat)
{
    // The rate on the wage tax of the table's pay periods: from July 1991 to June 1992 the
    // 7.5 percent of those months.
    const double satz = SolZSatzMonat(jahr, monat);
    if (satz == 0)
        return "SolZ: keiner";
    return "SolZ: " + Text(FloatToBetragStr(1, satz)) + " v.H.";
}

// An item's hint: in the status line and as its tooltip, so that a disabled item says why.
void Hinweis(QAction& item, const QString& text)
{
    item.setStatusTip(text);
    item.setToolTip(text);
}

} // namespace

QString SteuerklassenText(int klasse)
{
    static const char* const kRoemisch[] = {"I", "II", "III", "IV", "V", "VI"};
    return klasse >= 1 && klasse <= 6 ? QString("StKl. ") + kRoemisch[klasse - 1] : QString();
}

QString KinderfreibetragText(int zehntel)
{
    if (zehntel <= 0)
        return "ohne Kinderfreibetrag";
    const QString anzahl = Text(FloatToBetragStr(1, zehntel / 10.0));
    return "mit " + anzahl + (zehntel < 15 ? " Kinderfreibetrag" : " Kinderfreibeträgen");
}

int KinderZehntelGerundet(int zehntel)
{
    return (zehntel + 2) / 5 * 5;
}

TFoLStTabelle::TFoLStTabelle(QWidget* parent) : TMVCTabelle(parent)
{
    setObjectName("FoLStTabelle");
    setAttribute(Qt::WA_DeleteOnClose);
    // Few colours: plain white and yellow; otherwise the paler pair that is easier on the eye.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr && screen->depth() < 11) {
        m_farben[0] = QColor(255, 255, 255);
        m_farben[1] = QColor(255, 255, 0);
    } else {
        m_farben[0] = QColor(255, 251, 240);
        m_farben[1] = QColor(255, 200, 200);
    }
    KopfAufbauen();
    MenueAufbauen();
    ScrollBar1()->setRange(0, 32767);
}

// The tariff goes before the base's destructor, which still reports the closing.
TFoLStTabelle::~TFoLStTabelle()
{
    m_tab.reset();
}

void TFoLStTabelle::KopfAufbauen()
{
    auto* kopf = Kopf();
    auto* layout = new QGridLayout(kopf);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setHorizontalSpacing(0);
    m_stStKl = KopfLabel("stStKl", "", kSpalten[0], Qt::AlignLeft | Qt::AlignVCenter);
    m_stKinderFB =
        KopfLabel("stKinderFB", "", kSpalten[1] + kSpalten[2], Qt::AlignLeft | Qt::AlignVCenter);
    m_stKiStSatz = KopfLabel("stKiStSatz", "", kSpalten[2]);
    m_stSolZSatz = KopfLabel("stSolZSatz", "", kSpalten[3]);
    layout->addWidget(m_stStKl, 0, 0);
    layout->addWidget(m_stKinderFB, 0, 1, 1, 2);
    layout->addWidget(m_stKiStSatz, 1, 2);
    layout->addWidget(m_stSolZSatz, 1, 3);
    layout->addWidget(KopfLabel("stLohn", "Lohn/Gehalt\nbis", kSpalten[0]), 2, 0);
    layout->addWidget(KopfLabel("stLohnsteuer", "Lohnsteuer", kSpalten[1]), 2, 1);
    layout->addWidget(KopfLabel("stKirchensteuer", "Kirchensteuer", kSpalten[2]), 2, 2);
    layout->addWidget(KopfLabel("stSolZ", "Solidaritäts- zuschlag ", kSpalten[3]), 2, 3);
    auto* hinweis = new QLabel("Ab 2004 wird die Lohnsteuer ohne Stufen berechnet!", kopf);
    hinweis->setObjectName("paTabHinweis");
    hinweis->setAlignment(Qt::AlignCenter);
    hinweis->setWordWrap(true);
    m_paTabHinweis = hinweis;
    layout->addWidget(hinweis, 3, 0, 1, 4);
    SetTabellenBreite(kSpalten[0] + kSpalten[1] + kSpalten[2] + kSpalten[3]);
}

void TFoLStTabelle::MenueAufbauen()
{
    auto* menu = new QMenu(this);
    menu->setObjectName("PopupMenu1");
    auto neu = [this](QMenu* in, const QString& text, const QKeySequence& taste,
                      std::function<void()> aktion) {
        return PopupItem(in, text, taste, std::move(aktion));
    };
    neu(menu, "&Gehe zu Lohn/Gehalt...", Qt::Key_G, [this] { GeheZuBetrag(); });
    QMenu* klassen = menu->addMenu("&Steuerklasse");
    static const char* const kKlassen[] = {"&1 - Eins", "&2 - Zwei", "&3 - Drei",
                                           "&4 - Vier", "&5 - Fünf", "&6 - Sechs"};
    for (int k = 1; k <= 6; ++k)
        neu(klassen, kKlassen[k - 1], Qt::Key_0 + k, [this, k] { SetSteuerklasse(k); });
    QMenu* kinder = menu->addMenu("&Kinder");
    for (int zehntel = 0; zehntel <= 30; zehntel += 5) {
        const int ziffer = zehntel / 10;
        const QKeySequence taste((zehntel % 10 == 0 ? Qt::SHIFT : Qt::CTRL) | (Qt::Key_0 + ziffer));
        QAction* a = neu(kinder, Text(FloatToBetragStr(1, zehntel / 10.0)), taste,
                         [this, zehntel] { SetKinderZehntel(zehntel); });
        if (zehntel == 0)
            m_miKinderNull = a;
    }
    m_miMehr =
        neu(kinder, "&mehr...", QKeySequence(Qt::CTRL | Qt::Key_4), [this] { MehrKinderClick(); });
    QMenu* kirche = menu->addMenu("K&irchensteuer");
    for (int satz : {5, 8, 9, 10}) {
        const int taste = satz == 10 ? Qt::Key_1 : Qt::Key_0 + satz;
        neu(kirche, QString("&%1 v.H.").arg(satz), QKeySequence(Qt::ALT | taste),
            [this, satz] { SetKirchensteuerSatz(satz); });
    }
    m_miAltersentlastung =
        neu(menu, "&Altersentlastungsbetrag", Qt::Key_A, [this] { AltersentlastungClick(); });
    m_miRVFrei = neu(menu, "&Rentenversicherungsfrei", Qt::Key_R,
                     [this] { RentenversicherungsfreiClick(); });
    m_miKeineZTab =
        neu(menu, "Keine &Zusatztabelle", Qt::Key_Z, [this] { KeineZusatztabelleClick(); });
    for (QAction* a : {m_miAltersentlastung, m_miRVFrei, m_miKeineZTab})
        a->setCheckable(true);
    menu->addSeparator();
    neu(menu, "S&chließen", Qt::Key_Escape, [this] { close(); });
    connect(menu, &QMenu::aboutToShow, this, &TFoLStTabelle::PopupAktualisieren);
    SetPopupMenu(menu);
}

void TFoLStTabelle::Oeffnen(const TLStTabelleVorgaben& v)
{
    m_tab = CreateLStTab(static_cast<std::uint16_t>(v.jahr), static_cast<std::uint16_t>(v.monat));
    if (v.eingaben)
        v.eingaben(*m_tab);
    // The tariff works in its own currency whatever the statement shows: its steps are the rows.
    m_faktor = m_tab->DMFaktor();
    m_kurs = v.kurs > 0 ? v.kurs : m_faktor;
    m_tab->SetDoub(ldKurs, m_faktor);
    m_tab->SetInt(liSteuerklasse, v.steuerklasse);
    m_tab->SetDoub(ldKinderfreibetraege, v.kinderfreibetraege);
    m_rvFrei = v.rvFrei;
    m_rvVersichert = m_tab->GetInt(liRVArt) == m_rvFrei ? 0 : m_tab->GetInt(liRVArt);
    m_anfang = m_tab->TabellenAnfang();
    m_schritt = m_tab->TabellenSchritt();

    const bool ohneGeburtsdatum = AltersentlastungNachGeburtsjahr(v.jahr) && !v.geburtsdatumBekannt;
    m_miAltersentlastung->setEnabled(!ohneGeburtsdatum);
    Hinweis(*m_miAltersentlastung, ohneGeburtsdatum ? "Geburtsdatum fehlt!" : "");
    setWindowTitle(
        Text("LSt-Tabelle " + m_tab->Name() + " (" + v.zeitraumName + ") " + v.waehrungName));
    m_paTabHinweis->setVisible(LohnsteuerOhneStufen(v.jahr));
    m_stSolZSatz->setText(SolZSatzText(v.jahr, v.monat));
    m_kiStSatz = v.kirchensteuersatz;
    m_stKiStSatz->setText(SatzText(m_kiStSatz));
    m_tab->SetBool(lbKirchensteuer, m_kiStSatz > 0);
    SteuerklasseAnzeigen();
    KinderAnzeigen();
    // Amounts typed or given in the shown currency find their row in the tariff's currency.
    SetUmrechnung(m_faktor, m_kurs);
    BetragZuZeile(Abschneiden(v.entgelt * 100));
}

TFoLStTabelle* TFoLStTabelle::Zeigen(const TLStTabelleVorgaben& vorgaben)
{
    auto* fenster = new TFoLStTabelle;
    if (!TabelleOeffnen(fenster, [&] { fenster->Oeffnen(vorgaben); }))
        return nullptr;
    fenster->show();
    // Seventeen rows below the header, which has its final texts now.
    fenster->layout()->activate();
    const int rest = fenster->height() - fenster->PaintBox1()->height();
    fenster->resize(fenster->width(),
                    rest + kSichtbareZeilen * std::max(fenster->ZeilenHoehe(), 1));
    InArbeitsbereichHalten(*fenster);
    return fenster;
}

int TFoLStTabelle::Steuerklasse() const
{
    return m_tab ? m_tab->GetInt(liSteuerklasse) : 0;
}

int TFoLStTabelle::KinderZehntel() const
{
    return m_tab ? static_cast<int>(Runden(m_tab->GetDoubInput(ldKinderfreibetraege) * 10)) : 0;
}

void TFoLStTabelle::SetSteuerklasse(int klasse)
{
    if (!m_tab || klasse < 1 || klasse > 6)
        return;
    m_tab->SetInt(liSteuerklasse, klasse);
    // Class II needs a child; classes V and VI take no child allowances.
    if (klasse == 2 && KinderZehntel() < 5)
        m_tab->SetDoub(ldKinderfreibetraege, 0.5);
    else if (klasse >= 5)
        m_tab->SetDoub(ldKinderfreibetraege, 0.0);
    SteuerklasseAnzeigen();
    KinderAnzeigen();
    PaintBox1()->update();
}

void TFoLStTabelle::SetKinderZehntel(int zehntel)
{
    if (!m_tab)
        return;
    const int klasse = Steuerklasse();
    if (zehntel < 0 || klasse >= 5 || (klasse == 2 && zehntel == 0)) {
        MessageBeep(TBeepArt::Fehler);
        return;
    }
    m_tab->SetDoub(ldKinderfreibetraege, zehntel / 10.0);
    KinderAnzeigen();
    PaintBox1()->update();
}

void TFoLStTabelle::MehrKinderClick()
{
    if (!m_tab || Steuerklasse() >= 5) {
        MessageBeep(TBeepArt::Fehler);
        return;
    }
    TFoDoubleEingabe dialog(this);
    dialog.init();
    dialog.setWindowTitle("Kinderfreibeträge");
    dialog.Betrag1()->SetDezimalstellen(1);
    dialog.SetWert(3.5);
    const QPoint ursprung = PaintBox1()->mapToGlobal(QPoint(PaintBox1()->width(), 0));
    if (dialog.ShowModalBei(ursprung.x(), ursprung.y()) != mrOk)
        return;
    SetKinderZehntel(KinderZehntelGerundet(RundenInt(dialog.Wert() * 10)));
}

void TFoLStTabelle::SetKirchensteuerSatz(int satz)
{
    m_kiStSatz = satz;
    m_stKiStSatz->setText(SatzText(satz));
    if (m_tab)
        m_tab->SetBool(lbKirchensteuer, satz > 0);
    PaintBox1()->update();
}

void TFoLStTabelle::AltersentlastungClick()
{
    if (!m_tab)
        return;
    m_tab->SetBool(lbAltersentlastung, !m_tab->GetBool(lbAltersentlastung));
    PaintBox1()->update();
}

void TFoLStTabelle::RentenversicherungsfreiClick()
{
    if (!m_tab)
        return;
    // The free state has the code of the tariff period; switching back restores the insured
    // state the statement had.
    m_tab->SetInt(liRVArt, m_tab->GetInt(liRVArt) == m_rvFrei ? m_rvVersichert : m_rvFrei);
    PaintBox1()->update();
}

void TFoLStTabelle::KeineZusatztabelleClick()
{
    if (!m_tab)
        return;
    m_tab->SetBool(lbKeineZTab, !m_tab->GetBool(lbKeineZTab));
    PaintBox1()->update();
}

void TFoLStTabelle::PopupAktualisieren()
{
    const int klasse = Steuerklasse();
    m_miMehr->setEnabled(klasse < 5);
    Hinweis(*m_miMehr, klasse < 5
                           ? "Anzahl der Kinderfreibeträge für die Tabelle wählen."
                           : "Nicht verfügbar, weil Steuerklasse V oder VI eingestellt ist.");
    m_miKinderNull->setEnabled(klasse != 2);
    Hinweis(*m_miKinderNull,
            klasse == 2 ? "Nicht verfügbar, weil Steuerklasse II eingestellt ist." : "");
    if (m_tab) {
        m_miAltersentlastung->setChecked(m_tab->GetBool(lbAltersentlastung));
        m_miRVFrei->setChecked(m_tab->GetInt(liRVArt) == m_rvFrei);
        m_miKeineZTab->setChecked(m_tab->GetBool(lbKeineZTab));
    }
}

void TFoLStTabelle::KinderAnzeigen()
{
    m_stKinderFB->setText(KinderfreibetragText(KinderZehntel()));
}

void TFoLStTabelle::SteuerklasseAnzeigen()
{
    m_stStKl->setText(SteuerklassenText(Steuerklasse()));
}

double TFoLStTabelle::Anzeige(double betrag, bool runden) const
{
    return Dreisatz(runden, 0, betrag, m_faktor, m_kurs);
}

TFoLStTabelle::TZeile TFoLStTabelle::ZeilenTexte(double betrag)
{
    TZeile zeile;
    zeile.betrag = Betrag2(Anzeige(betrag, false) * 0.01);
    if (!m_tab)
        return zeile;
    try {
        const double lst = Anzeige(m_tab->LohnsteuerFuer(betrag), true);
        zeile.lohnsteuer = (m_tab->ZusatztabelleAngewendet() ? "Z  " : "") + Betrag2(lst * 0.01);
        // Cut in the tariff's currency, then converted, as the statement does.
        const double kirchensteuer = Abschneiden(m_tab->GetDoub(leKiStBasis) * m_kiStSatz * 0.01);
        zeile.kirchensteuer = Betrag2(Anzeige(kirchensteuer, true) * 0.01);
        zeile.solz = Betrag2(Anzeige(m_tab->GetDoub(leSolZ), true) * 0.01);
    } catch (const std::exception&) {
        // A tariff that refuses the settings (no tax class) shows empty cells, not a dialog per
        // painted row.
        zeile.lohnsteuer = zeile.kirchensteuer = zeile.solz = QString();
    }
    return zeile;
}

void TFoLStTabelle::PaintTable(QPainter& painter, const QRect& bereich)
{
    ZeilenMalen(painter, bereich, kSpalten, [this](int zeile, double betrag) {
        const TZeile texte = ZeilenTexte(betrag);
        return TGemalteZeile{ZeilenFarbe(zeile),
                             {texte.betrag, texte.lohnsteuer, texte.kirchensteuer, texte.solz},
                             {}};
    });
}
