#include "Forms/Dialoge/FoEntgelteMenue.h"

#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/Jahresbetraege.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Forms/Dialoge/EntgelteMenue.h"
#include "Forms/Dialoge/FoEntgelt.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "MVCFrame/StringListValue.h"

#include <QDropEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

TEntgelteListe::TEntgelteListe(TBerechnungForm* owner, QWidget* parent) : TMVCListBox(owner, parent)
{
    SetColumns(2);
    SetColumnAlignment(1, Rechts);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(DragDrop);
    // A move would let Qt take the dragged items out of the list: the model moves them.
    setDefaultDropAction(Qt::CopyAction);
    setDropIndicatorShown(true);
    // The captions above the columns, in the frame above the rows.
    auto* captions = new QStandardItemModel(0, 2, this);
    captions->setHorizontalHeaderLabels({"Bezeichnung", "Betrag"});
    captions->setHeaderData(1, Qt::Horizontal, int(Qt::AlignRight | Qt::AlignVCenter),
                            Qt::TextAlignmentRole);
    m_kopf = new QHeaderView(Qt::Horizontal, this);
    m_kopf->setObjectName("hdEntgelte");
    m_kopf->setModel(captions);
    m_kopf->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_kopf->setSectionsClickable(false);
    m_kopf->setStretchLastSection(true);
    m_kopf->setFocusPolicy(Qt::NoFocus);
}

QStringList TEntgelteListe::mimeTypes() const
{
    return {kFormat};
}

void TEntgelteListe::resizeEvent(QResizeEvent* event)
{
    TMVCListBox::resizeEvent(event);
    SpaltenAnpassen();
}

void TEntgelteListe::SpaltenAnpassen()
{
    const int betrag = fontMetrics().horizontalAdvance("yy-000x000x000x00");
    const int kopfHoehe = m_kopf->sizeHint().height();
    if (viewportMargins().top() != kopfHoehe)
        setViewportMargins(0, kopfHoehe, 0, 0);
    SetColumnWidth(0, std::max(0, viewport()->width() - betrag - 4));
    SetColumnWidth(1, betrag);
    const QRect zeilen = viewport()->geometry();
    m_kopf->setGeometry(zeilen.left(), zeilen.top() - kopfHoehe, zeilen.width(), kopfHoehe);
    m_kopf->resizeSection(0, ColumnWidth(0));
}

int TEntgelteListe::Zielzeile(const QDropEvent& event) const
{
    if (!event.mimeData() || !event.mimeData()->hasFormat(kFormat))
        return -1;
    const QModelIndex index = indexAt(event.position().toPoint());
    return index.isValid() ? index.row() : -1;
}

void TEntgelteListe::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData() && event->mimeData()->hasFormat(kFormat))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TEntgelteListe::dragMoveEvent(QDragMoveEvent* event)
{
    const int zeile = Zielzeile(*event);
    if (zeile >= 0 && dropErlaubt && dropErlaubt(zeile)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TEntgelteListe::dropEvent(QDropEvent* event)
{
    const int zeile = Zielzeile(*event);
    if (zeile < 0 || !dropErlaubt || !dropErlaubt(zeile)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (drop)
        drop(zeile);
}

TFoEntgelteMenue::TFoEntgelteMenue(QWidget* parent) : TListenDialog(parent)
{
    setObjectName("FoEntgelteMenue");
    setWindowTitle("Detail-Entgelte");
    auto* liste = new TEntgelteListe(this, this);
    liste->setMinimumSize(440, 200);
    Aufbauen(liste, "lbEntgelte", "Entgeltliste", "AendernFlag", "LoeschenFlag", nullptr,
             "&Löschen");
    bnAbbrechen()->setObjectName("MyButton2");
    liste->dropErlaubt = [this](int zeile) { return DropErlaubt(zeile); };
    liste->drop = [this](int zeile) { Verschieben(zeile); };

    m_sonstigeBez = new QGroupBox("Sonstige Bezüge:", this);
    m_sonstigeBez->setObjectName("gbSonstigeBez");
    auto* f = new QFormLayout(m_sonstigeBez);
    auto betrag = [this, f](const char* name, const char* wert, const char* label,
                            const QString& text, bool endung) {
        auto* feld = Gebunden(new TMVCBetrag(this, m_sonstigeBez), wert);
        feld->setObjectName(name);
        feld->setMaximumWidth(140);
        auto* beschriftung = new QLabel(text, m_sonstigeBez);
        beschriftung->setObjectName(label);
        beschriftung->setBuddy(feld);
        if (endung)
            m_waehrungsLabels.emplace_back(beschriftung, text);
        f->addRow(beschriftung, feld);
    };
    auto check = [this, f](const char* name, const char* wert, const QString& text) {
        auto* box = Gebunden(new TMVCCheckBox(this, m_sonstigeBez), wert);
        box->setObjectName(name);
        box->setText(text);
        f->addRow(box);
    };
    betrag("ebJahresarbeitslohn", "Entgelt", "stJahresarbeitslohn", "Jahres&arbeitslohn:", false);
    betrag("ebEntschaedigungen", "Entschaedigungen", "stEntschaedigungen",
           "&Entschädigungen:", false);
    betrag("ebJahresVersBez", "Versorgungsbezuege", "stJahresVersBez",
           "Jahres-&Versorgungsbezüge:", false);
    betrag("ebJahresFB", "Freibetrag", "stJahresFB", "Jahresfreibetrag lt. LSt-Karte (in ", true);
    betrag("ebJahresHB", "Hinzurechnungsbetrag", "stJahresHB",
           "Jahreshinzurechnungsbetrag lt. LSt-Karte (in ", true);
    check("chNegJAL", "NegJAL", "Ne&gativer Jahresarbeitslohn");
    check("chManuBBG", "ManuBBG", "&Beitragsbemessungsgrenzen manuell (Rest für diese Abrechnung)");
    // The payroll scales each entry to a year (360 / SV-Tage) and takes it as this statement's
    // ceiling: what is left of the pro-rata annual ceiling after the pay already charged this
    // year (Section 23a SGB IV). A ceiling left at 0 keeps the statutory one.
    auto* hinweis = new QLabel("Für diese Abrechnung verbleibende Grenzen: anteilige Jahresgrenze\n"
                               "bis einschließlich dieses Monats minus das in diesem Jahr\n"
                               "bereits verbeitragte Entgelt (0,00: die gesetzliche Grenze)",
                               m_sonstigeBez);
    hinweis->setObjectName("stBBGHinweis");
    f->addRow(hinweis);
    betrag("ebBBGKV", "BBGKV", "stBBGKV", "Krankenversicherung  (in ", true);
    betrag("ebBBGRV", "BBGRV", "stBBGRV", "Rentenversicherung  (in ", true);
    betrag("ebBBGAV", "BBGAV", "stBBGAV", "Arbeitslosenversicherung  (in ", true);
    for (const char* name : {"ebBBGKV", "ebBBGRV", "ebBBGAV"})
        m_sonstigeBez->findChild<QWidget*>(name)->setToolTip(
            "Für diese Abrechnung verbleibende Beitragsbemessungsgrenze: die anteilige "
            "Jahresgrenze bis einschließlich dieses Monats minus das in diesem Jahr bereits "
            "verbeitragte Entgelt (z. B. 12 x 5.812,50 - 11 x 5.500,00 = 9.250,00); "
            "0,00 steht für die gesetzliche Grenze");
    Haupt()->addWidget(m_sonstigeBez);
    // The dialog is as large as its contents: hiding the group shrinks it, showing it grows it.
    Haupt()->setSizeConstraint(QLayout::SetFixedSize);
    WaehrungsEndungen();
}

bool TFoEntgelteMenue::Ausfuehren(TLohnBerechnung& lohn)
{
    TLohnDaten& daten = lohn.LohnDatenOf();
    auto menue = MakeComponent<TEntgelteMenue>(nullptr, std::string());
    menue->Uebernehmen(daten);
    if (!TBerechnungDialog::Execute<TFoEntgelteMenue>(*menue))
        return false;
    menue->Zurueckgeben(daten);
    return true;
}

TEntgelteMenue* TFoEntgelteMenue::Menue() const
{
    return dynamic_cast<TEntgelteMenue*>(Berechnung());
}

TValue* TFoEntgelteMenue::WertFuer(const std::string& name) const
{
    if (!Menue())
        return nullptr;
    if (TValue* wert = Menue()->Daten().FindValue(name))
        return wert;
    return Menue()->MenueDaten().Jahresbetraege().FindValue(name);
}

void TFoEntgelteMenue::AfterRefresh()
{
    TListenDialog::AfterRefresh();
    if (!Menue())
        return;
    WaehrungsEndungen();
    GruppeFolgen(Menue()
                     ->MenueDaten()
                     .DetailEntgelte()
                     .DetailEntgelteDaten()
                     .EnthaeltSonstBez()
                     .GetStoredString() == "Ja");
}

void TFoEntgelteMenue::WaehrungsEndungen()
{
    const bool euro =
        !Menue() || Menue()->MenueDaten().Jahresbetraege().Euro->GetStoredString() == "Ja";
    for (const auto& [label, text] : m_waehrungsLabels)
        label->setText(text + (euro ? "Euro):" : "DM):"));
}

void TFoEntgelteMenue::GruppeFolgen(bool an)
{
    if (m_gruppeAn == static_cast<int>(an))
        return;
    m_gruppeAn = an;
    m_sonstigeBez->setVisible(an);
    m_sonstigeBez->setEnabled(an);
    layout()->activate();
    adjustSize();
    if (an)
        FitToWorkArea();
}

QPushButton* TFoEntgelteMenue::StandardKnopf() const
{
    if (bnAendern()->isEnabled())
        return bnAendern();
    const auto* menue = Menue();
    if (menue && menue->MenueDaten().Entgeltliste().SelCount() == 0)
        return bnNeu();
    return nullptr;
}

bool TFoEntgelteMenue::DropErlaubt(int zeile) const
{
    const TEntgelteMenue* menue = Menue();
    if (!menue)
        return false;
    const TDetailEntgelte& liste = menue->MenueDaten().DetailEntgelte();
    return zeile >= 0 && zeile < liste.Count() && !liste.GetItem(zeile).Markiert();
}

void TFoEntgelteMenue::Verschieben(int zeile)
{
    if (DropErlaubt(zeile))
        Menue()->MenueDaten().DetailEntgelte().Verschieben(zeile);
}

void TFoEntgelteMenue::Neu()
{
    auto neu = MakeComponent<TDetailEntgelt>(nullptr, std::string());
    if (!TBerechnungDialog::Execute<TFoEntgelt>(*neu) || !Menue())
        return;
    // Only the new item is marked, so that "Ändern" and "Löschen" act on it alone.
    TDetailEntgelte& liste = Menue()->MenueDaten().DetailEntgelte();
    for (int i = 0; i < liste.Count(); ++i)
        liste.GetItem(i).SetMarkiert(false);
    liste.Hinzufuegen(neu->DetailEntgeltDaten());
}

void TFoEntgelteMenue::Aendern()
{
    if (!Menue())
        return;
    TDetailEntgelte& liste = Menue()->MenueDaten().DetailEntgelte();
    // The one marked entry: the current one may have been unmarked with Ctrl.
    for (int i = 0; i < liste.Count(); ++i) {
        TDetailEntgelt& entgelt = liste.GetItem(i);
        if (!entgelt.Markiert())
            continue;
        if (TBerechnungDialog::Execute<TFoEntgelt>(entgelt)) {
            const TDetailEntgeltDaten& d = entgelt.DetailEntgeltDaten();
            if (d.Pauschal().GetStoredString() == "Ja")
                TDetailEntgelte::SetVorgabePKiStSatz(d.PKiStSatz().GetValue());
        }
        return;
    }
}

QStringList TFoEntgelteMenue::LoeschKandidaten() const
{
    QStringList namen;
    if (!Menue())
        return namen;
    const TEntgelteMenueDaten& d = Menue()->MenueDaten();
    for (int i = 0; i < d.DetailEntgelte().Count(); ++i)
        if (d.DetailEntgelte().GetItem(i).Markiert())
            namen << Q(d.EintragName(i));
    return namen;
}

void TFoEntgelteMenue::MarkierteLoeschen()
{
    if (Menue())
        Menue()->MenueDaten().DetailEntgelte().MarkierteLoeschen();
}

QString TFoEntgelteMenue::LoeschenTitel() const
{
    return "Löschen";
}

QString TFoEntgelteMenue::LoeschenFrage(const QString& eintrag) const
{
    return "\"" + eintrag + "\"\nWollen Sie das Entgelt wirklich löschen?";
}

QString TFoEntgelteMenue::LoeschenFrage(int anzahl) const
{
    return QString("Wollen Sie die %1 markierten Entgelte wirklich löschen?").arg(anzahl);
}
