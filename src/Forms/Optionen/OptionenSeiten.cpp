#include "Forms/Optionen/OptionenSeiten.h"

#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/Value.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

#include <iterator>
#include <string_view>

namespace {

template <std::size_t N> std::span<const TBindung> Tabelle(const TBindung (&t)[N])
{
    return {t, N};
}

// ---- child benefit
const TOptionenZeile kKindergeldZeilen[] = {
    {"&1. Kind:", "ebKiG1", "stWaehr1", true, "stKiG1", "1_Ki", "ebKiG1Ab"},
    {"&2. Kind:", "ebKiG2", "stWaehr2", true, "stKiG2", "2_Ki", "ebKiG2Ab"},
    {"&3. Kind:", "ebKiG3", "stWaehr3", true, "stKiG3", "3_Ki", "ebKiG3Ab"},
    {"&4. Kind:", "ebKiG4", "stWaehr4", true, "stKiG4", "4_Ki", "ebKiG4Ab"},
    {"&weitere Kinder:", "ebKiGWeitere", "stWaehr5", true, "stKiGWeitere", "Weitere",
     "ebKiGWeitereAb"},
};
const TBindung kKindergeldBindungen[] = {
    {"ebKiG1", "1_Ki"},
    {"ebKiG2", "2_Ki"},
    {"ebKiG3", "3_Ki"},
    {"ebKiG4", "4_Ki"},
    {"ebKiGWeitere", "Weitere"},
    {"cbAbDatum", "AbDatum"},
    {"ebKiG1Ab", "1_KiAb"},
    {"ebKiG2Ab", "2_KiAb"},
    {"ebKiG3Ab", "3_KiAb"},
    {"ebKiG4Ab", "4_KiAb"},
    {"ebKiGWeitereAb", "WeitereAb"},
    {"stWaehr1", "WaehrungStr"},
    {"stWaehr2", "WaehrungStr"},
    {"stWaehr3", "WaehrungStr"},
    {"stWaehr4", "WaehrungStr"},
    {"stWaehr5", "WaehrungStr"},
};

// ---- contribution ceilings
const TOptionenZeile kBBGZeilen[] = {
    {"&Kranken- und Pflegeversicherung:", "ebBBGKV", "stWaehr1", true, "stBBGKV", "BBG_KV",
     nullptr},
    {"&Rentenversicherung West:", "ebBBGRV_W", "stWaehr2", true, "stBBGRV_W", "BBG_RV_W", nullptr},
    {"Rentenversicherung &Ost:", "ebBBGRV_O", "stWaehr3", true, "stBBGRV_O", "BBG_RV_O", nullptr},
    {"Knappschaft &West:", "ebBBGRVKn_W", "stWaehr4", true, "stBBGRVKn_W", "BBG_RVKn_W", nullptr},
    {"Knappschaft O&st:", "ebBBGRVKn_O", "stWaehr5", true, "stBBGRVKn_O", "BBG_RVKn_O", nullptr},
};
const TBindung kBBGBindungen[] = {
    {"stWaehr1", "WaehrungStr"},   {"stWaehr2", "WaehrungStr"}, {"stWaehr3", "WaehrungStr"},
    {"stWaehr4", "WaehrungStr"},   {"stWaehr5", "WaehrungStr"}, {"ebBBGKV", "BBG_KV"},
    {"ebBBGRV_W", "BBG_RV_W"},     {"ebBBGRV_O", "BBG_RV_O"},   {"ebBBGRVKn_W", "BBG_RVKn_W"},
    {"ebBBGRVKn_O", "BBG_RVKn_O"},
};

// ---- contribution rates. The default labels stand in the order of the design, which puts the
// general health rate before the reduced one; each shows the default of its own rate.
const TOptionenZeile kBeitragssatzZeilen[] = {
    {"&Rentenversicherung:", "ebRVSatz", "stProz1", false, "stRVSatz", "RVSatz", "ebRVSatzAb"},
    {"&Arbeitslosenversicherung:", "ebAVSatz", "stProz2", false, "stAVSatz", "AVSatz",
     "ebAVSatzAb"},
    {"&Pflegeversicherung:", "ebPVSatz", "stProz3", false, "stPVSatz", "PVSatz", "ebPVSatzAb"},
    {"PV-Zuschlag &Kinderlose:", "ebPVSatzKL", "stProz4", false, "stPVSatzKL", "PVSatzKinderlos",
     "ebPVSatzKLAb"},
    {"KV &ermäßigt:", "ebKVSatzF", "stProz5", false, "stKVSatzF", "KVSatzF", "ebKVSatzFAb"},
    {"KV a&llgemein:", "ebKVSatzG", "stProz6", false, "stKVSatzG", "KVSatzG", "ebKVSatzGAb"},
    {"KV-&Zusatzbeitrag (Durchschnitt):", "ebKVSatzZB", "stProz7", false, "stKVSatzZB", "KVSatzZB",
     "ebKVSatzZBAb"},
    {"KV pauschal (&geringfügig):", "ebKVSatzPau", "stProz8", false, "stKVSatzPau", "KVSatzPau",
     "ebKVSatzPauAb"},
    {"RV pa&uschal (geringfügig):", "ebRVSatzPau", "stProz9", false, "stRVSatzPau", "RVSatzPau",
     "ebRVSatzPauAb"},
    {"KV pauschal (Privat&haushalt):", "ebKVSatzPauPri", "stProz10", false, "stKVSatzPauPri",
     "KVSatzPauPri", "ebKVSatzPauPriAb"},
    {"RV pauschal (Pri&vathaushalt):", "ebRVSatzPauPri", "stProz11", false, "stRVSatzPauPri",
     "RVSatzPauPri", "ebRVSatzPauPriAb"},
};
const TBindung kBeitragssatzBindungen[] = {
    {"ebRVSatz", "RVSatz"},
    {"ebAVSatz", "AVSatz"},
    {"ebPVSatz", "PVSatz"},
    {"ebPVSatzKL", "PVSatzKinderlos"},
    {"ebKVSatzF", "KVSatzF"},
    {"ebKVSatzG", "KVSatzG"},
    {"ebKVSatzZB", "KVSatzZB"},
    {"ebKVSatzPau", "KVSatzPau"},
    {"ebRVSatzPau", "RVSatzPau"},
    {"ebKVSatzPauPri", "KVSatzPauPri"},
    {"ebRVSatzPauPri", "RVSatzPauPri"},
    {"cbAbDatum", "AbDatum"},
    {"ebRVSatzAb", "RVSatzAb"},
    {"ebAVSatzAb", "AVSatzAb"},
    {"ebPVSatzAb", "PVSatzAb"},
    {"ebPVSatzKLAb", "PVSatzKinderlosAb"},
    {"ebKVSatzFAb", "KVSatzFAb"},
    {"ebKVSatzGAb", "KVSatzGAb"},
    {"ebKVSatzZBAb", "KVSatzZBAb"},
    {"ebKVSatzPauAb", "KVSatzPauAb"},
    {"ebRVSatzPauAb", "RVSatzPauAb"},
    {"ebKVSatzPauPriAb", "KVSatzPauPriAb"},
    {"ebRVSatzPauPriAb", "RVSatzPauPriAb"},
};

// ---- transition zone
const TOptionenZeile kGleitzoneZeilen[] = {
    {"&Gesamtsozialversicherungsbeitragssatz:", "ebGesSVSatz", "stProz1", false, "stGesSVSatzDef",
     "GesamtSVSatz", nullptr},
};
const TBindung kGleitzoneBindungen[] = {{"ebGesSVSatz", "GesamtSVSatz"}};

// ---- chambers
const TOptionenZeile kKammernZeilen[] = {
    {"Beitragssatz &Bremen:", "ebBeitragssatzBr", "stProz1", false, "stBeitragssatzBrDef",
     "BeitragssatzBr", nullptr},
    {"&Freigrenze Bremen:", "ebFreigrenzeBr", "stFreigrenzeWaehrung", true, "stFreigrenzeDef",
     "FreigrenzeBr", nullptr},
    {"Beitragssatz &Saarland:", "ebBeitragssatzSL", "stProz2", false, "stBeitragssatzSLDef",
     "BeitragssatzSL", nullptr},
};
const TBindung kKammernBindungen[] = {
    {"ebBeitragssatzBr", "BeitragssatzBr"},
    {"ebFreigrenzeBr", "FreigrenzeBr"},
    {"ebBeitragssatzSL", "BeitragssatzSL"},
    {"stFreigrenzeWaehrung", "WaehrungStr"},
};

const TBindung kKammernAllgBindungen[] = {
    {"edBezeichnungBremen", "BezeichnungBr"},
    {"edBezeichnungSaarland", "BezeichnungSL"},
};

// ---- general options, in the order of the form
const TBindung kAllgemeinBindungen[] = {
    {"chTabellenImVordergrund", "TabellenImVordergrund"},
    {"chGroesseAnpassen", "GroesseAnpassen"},
    {"chEuroSymbol", "EuroSymbol"},
    {"chGrosseSchrift", "GrosseSchrift"},
    {"chFetteSchrift", "FetteSchrift"},
    {"chTitelZeigen", "TitelZeigen"},
    {"chInfobereichSymbol", "InfobereichSymbol"},
    {"chKiGImmerImNetto", "KiGImmerImNetto"},
    {"chPAP05FehlerBeheben", "PAP05FehlerBeheben"},
};
// Captions of the switches, in the order of the bindings.
const char* const kSchalterTexte[] = {
    "&Tabellen immer im Vordergrund",
    "&Fenstergröße beim Seitenwechsel anpassen",
    "&Euro-Symbol (€) verwenden",
    "&Große Schrift",
    "Fette &Schrift",
    "Titel beim &Programmstart anzeigen",
    "Schnellstartsymbol &anzeigen (Task-Leiste)",
    "&Kindergeld immer im Nettoentgelt",
    "Fehler im Programmablaufplan 2005 &beheben",
};
static_assert(std::size(kSchalterTexte) == std::size(kAllgemeinBindungen));

const char* const kRhythmen[][2] = {{"rbTag", "jeden &Tag"},
                                    {"rbWoche", "jede &Woche"},
                                    {"rbMonat", "jeden &Monat"},
                                    {"rbNie", "&nie"}};

} // namespace

TFoOptionenAllgemein::TFoOptionenAllgemein(QWidget* parent) : TCustomFoOptionen(parent)
{
    setObjectName("FoOptionenAllgemein");
    setWindowTitle(QStringLiteral("Allgemein"));
    auto* gruppe = new QGroupBox(QStringLiteral("Allgemeine Einstellungen"), Panel());
    auto* liste = new QVBoxLayout(gruppe);
    TMVCCheckBox* infobereich = nullptr;
    for (std::size_t i = 0; i < std::size(kAllgemeinBindungen); ++i) {
        auto* box = new TMVCCheckBox(this, gruppe);
        box->setObjectName(kAllgemeinBindungen[i].control);
        box->setText(QString::fromUtf8(kSchalterTexte[i]));
        liste->addWidget(box);
        if (std::string_view(kAllgemeinBindungen[i].control) == "chInfobereichSymbol")
            infobereich = box;
    }
    Spalte()->addWidget(gruppe);
    SetBindungen(Tabelle(kAllgemeinBindungen));

    // The picture beside the tray switch shows what the user gets: the icon in the tray or none.
    m_igSymbolEin = new QLabel(Panel());
    m_igSymbolEin->setObjectName("igSymbolEin");
    m_igSymbolEin->setPixmap(SymbolBild(true));
    m_igSymbolAus = new QLabel(Panel());
    m_igSymbolAus->setObjectName("igSymbolAus");
    m_igSymbolAus->setPixmap(SymbolBild(false));
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(QStringLiteral("Schnellstartsymbol:"), Panel()));
    zeile->addWidget(m_igSymbolEin);
    zeile->addWidget(m_igSymbolAus);
    zeile->addStretch(1);
    Spalte()->addLayout(zeile);
    connect(infobereich, &QCheckBox::toggled, this, [this](bool ein) {
        m_igSymbolEin->setVisible(ein);
        m_igSymbolAus->setVisible(!ein);
    });
}

QPixmap TFoOptionenAllgemein::SymbolBild(bool ein)
{
    // A small task bar with the tray area at its right; switched on, the program's sign sits in it.
    QPixmap bild(96, 24);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(QColor(200, 208, 220));
    p.drawRect(0, 2, 95, 20);
    p.setBrush(QColor(230, 234, 240));
    p.drawRect(56, 5, 36, 14);
    if (ein) {
        p.setBrush(QColor(0, 102, 153));
        p.drawEllipse(QRect(60, 6, 12, 12));
        p.setPen(Qt::white);
        QFont font = p.font();
        font.setPixelSize(9);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(60, 6, 12, 12), Qt::AlignCenter, QStringLiteral("V"));
    } else {
        p.setPen(QPen(QColor(170, 0, 0), 2));
        p.drawLine(61, 7, 71, 17);
        p.drawLine(71, 7, 61, 17);
    }
    return bild;
}

void TFoOptionenAllgemein::AfterRefresh()
{
    TCustomFoOptionen::AfterRefresh();
    const bool ein = Control<QCheckBox>("chInfobereichSymbol")->isChecked();
    m_igSymbolEin->setVisible(ein);
    m_igSymbolAus->setVisible(!ein);
}

TFoOptionenKindergeld::TFoOptionenKindergeld(QWidget* parent) : TCustomFoOptionen(parent)
{
    setObjectName("FoOptionenKindergeld");
    setWindowTitle(QStringLiteral("Kindergeld"));
    JahrSeiteAufbauen(QStringLiteral("Monatliches Kindergeld "), kKindergeldZeilen,
                      Tabelle(kKindergeldBindungen));
}

TFoOptionenBBG::TFoOptionenBBG(QWidget* parent) : TCustomFoOptionen(parent)
{
    setObjectName("FoOptionenBBG");
    setWindowTitle(QStringLiteral("BBG"));
    JahrSeiteAufbauen(QStringLiteral("Monatliche Beitragsbemessungsgrenzen "), kBBGZeilen,
                      Tabelle(kBBGBindungen));
}

TFoOptionenBeitragssaetze::TFoOptionenBeitragssaetze(QWidget* parent) : TCustomFoOptionen(parent)
{
    setObjectName("FoOptionenBeitragssaetze");
    setWindowTitle(QStringLiteral("Beitragssätze"));
    JahrSeiteAufbauen(QStringLiteral("Beitragssätze "), kBeitragssatzZeilen,
                      Tabelle(kBeitragssatzBindungen));
}

TFoOptionenGleitzone::TFoOptionenGleitzone(QWidget* parent) : TCustomFoOptionen(parent)
{
    setObjectName("FoOptionenGleitzone");
    setWindowTitle(QStringLiteral("Übergangsbereich"));
    JahrSeiteAufbauen(QStringLiteral("Übergangsbereich "), kGleitzoneZeilen,
                      Tabelle(kGleitzoneBindungen));
    m_stFaktor = new QLabel(Panel());
    m_stFaktor->setObjectName("stFaktor");
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(QStringLiteral("Faktor F:"), Panel()));
    zeile->addWidget(m_stFaktor);
    zeile->addStretch(1);
    Spalte()->addLayout(zeile);
}

void TFoOptionenGleitzone::AfterRefresh()
{
    TCustomFoOptionen::AfterRefresh();
    const TValue* faktor = Berechnung() ? Berechnung()->Daten().FindValue("Faktor") : nullptr;
    m_stFaktor->setText(faktor ? QString::fromStdString(faktor->GetDisplayText()) : QString());
}

TFoOptionenKammernAllg::TFoOptionenKammernAllg(QWidget* parent) : TCustomFoOptionen(parent)
{
    setObjectName("FoOptionenKammernAllg");
    setWindowTitle(QStringLiteral("Kammern"));
    auto* raster = new QGridLayout;
    raster->addWidget(new QLabel(QStringLiteral("Vorgabe"), Panel()), 0, 2);
    const struct {
        const char* text;
        const char* edit;
        const char* vorgabe;
        const char* wert;
    } kZeilen[] = {
        {"Bezeichnung &Bremen:", "edBezeichnungBremen", "stBezeichnungBremenDef", "BezeichnungBr"},
        {"Bezeichnung &Saarland:", "edBezeichnungSaarland", "stBezeichnungSaarlandDef",
         "BezeichnungSL"},
    };
    int zeile = 1;
    for (const auto& z : kZeilen) {
        auto* edit = new TMVCEdit(this, Panel());
        edit->setObjectName(z.edit);
        edit->setMinimumWidth(220);
        raster->addWidget(Beschriftung(QString::fromUtf8(z.text), edit), zeile, 0);
        raster->addWidget(edit, zeile, 1);
        QLabel* vorgabe = VorgabeLabel(z.vorgabe, z.wert);
        vorgabe->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        raster->addWidget(vorgabe, zeile, 2);
        ++zeile;
    }
    raster->setColumnStretch(3, 1);
    Spalte()->addLayout(raster);
    SetBindungen(Tabelle(kKammernAllgBindungen));
}

TFoOptionenKammern::TFoOptionenKammern(QWidget* parent) : TCustomFoOptionen(parent)
{
    setObjectName("FoOptionenKammern");
    setWindowTitle(QStringLiteral("Kammern"));
    JahrSeiteAufbauen(QStringLiteral("Kammern "), kKammernZeilen, Tabelle(kKammernBindungen));
}

TFoOptionenUpdate::TFoOptionenUpdate(QWidget* parent) : TCustomFoOptionen(parent)
{
    setObjectName("FoOptionenUpdate");
    setWindowTitle(QStringLiteral("Update"));
    auto* gruppe = new QGroupBox(QStringLiteral("Vantrel-Updates:"), Panel());
    auto* liste = new QVBoxLayout(gruppe);
    liste->addWidget(new QLabel(QStringLiteral("nach Programm-Updates suchen:"), gruppe));
    m_rhythmus = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* rb = new QRadioButton(QString::fromUtf8(kRhythmen[i][1]), gruppe);
        rb->setObjectName(kRhythmen[i][0]);
        m_rhythmus->addButton(rb, i);
        liste->addWidget(rb);
    }
    auto* zuletzt = new QHBoxLayout;
    zuletzt->addWidget(new QLabel(QStringLiteral("zuletzt gesucht am:"), gruppe));
    m_stZuletztGesucht = new QLabel(gruppe);
    m_stZuletztGesucht->setObjectName("stZuletztGesucht");
    zuletzt->addWidget(m_stZuletztGesucht);
    zuletzt->addStretch(1);
    liste->addLayout(zuletzt);
    Spalte()->addWidget(gruppe);
    connect(m_rhythmus, &QButtonGroup::idClicked, this, &TFoOptionenUpdate::RhythmusGewaehlt);
}

void TFoOptionenUpdate::AfterRefresh()
{
    TCustomFoOptionen::AfterRefresh();
    if (!Berechnung())
        return;
    const TDaten& daten = Berechnung()->Daten();
    const auto* rhythmus =
        dynamic_cast<const TCustomIntegerLookup*>(daten.FindValue("UpdateRhythmus"));
    if (rhythmus)
        if (QAbstractButton* rb = m_rhythmus->button(rhythmus->GetValue()))
            rb->setChecked(true);
    const TValue* zuletzt = daten.FindValue("ZuletztGesucht");
    m_stZuletztGesucht->setText(zuletzt ? QString::fromStdString(zuletzt->GetAsString())
                                        : QString());
}

void TFoOptionenUpdate::RhythmusGewaehlt(int index)
{
    if (Updating() || !Berechnung())
        return;
    if (auto* rhythmus =
            dynamic_cast<TCustomIntegerLookup*>(Berechnung()->Daten().FindValue("UpdateRhythmus")))
        rhythmus->SetValue(index);
}
