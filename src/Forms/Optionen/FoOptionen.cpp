#include "Forms/Optionen/FoOptionen.h"

#include "Forms/Optionen/OptionenSeiten.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Options/OptionenVtrl.h"
#include "Platform/Autostart.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <exception>
#include <string>

namespace {

constexpr int kSeitenRolle = Qt::UserRole;

// Pages in the order of the tree. A year page is bound to the group of its year in the copy.
enum TSeite {
    sAllgemein = 1,
    sKindergeld2026,
    sKindergeld2027,
    sBBG2026,
    sBBG2027,
    sBeitragssaetze2026,
    sBeitragssaetze2027,
    sGleitzone2026,
    sGleitzone2027,
    sKammernAllg,
    sKammern2026,
    sKammern2027,
    sUpdate,
};

int SeiteVon(const QTreeWidgetItem* knoten)
{
    return knoten ? knoten->data(0, kSeitenRolle).toInt() : 0;
}

} // namespace

TFoOptionen::TFoOptionen(TOptionenVtrl& optionen, bool mitUpdate, QWidget* parent)
    : TPageContainerForm(parent), m_optionen(optionen)
{
    setObjectName("FoOptionen");
    setWindowTitle(QStringLiteral("Optionen"));
    setWindowFlag(Qt::Dialog);

    m_kopie = MakeComponent<TOptionenVtrlDaten>(nullptr, std::string());
    m_kopie->Assign(m_optionen);

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName("TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setFixedWidth(180);
    TreeView1->installEventFilter(this);
    Panel1 = PageContainer();
    Panel1->setObjectName("Panel1");

    bnOK = new QPushButton(QStringLiteral("OK"), this);
    bnOK->setObjectName("bnOK");
    bnOK->setDefault(true);
    MyButton2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    MyButton2->setObjectName("MyButton2");
    // The program has no help system.
    bnHilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    bnHilfe->setObjectName("bnHilfe");
    bnHilfe->setVisible(false);
    connect(bnOK, &QPushButton::clicked, this, &TFoOptionen::bnOKClick);
    connect(MyButton2, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
    // A plain window has no default and cancel buttons of its own.
    DialogTasten(*this, *bnOK, *MyButton2);

    // The page container is the base's only widget; tree and buttons go around it.
    auto* haupt = static_cast<QVBoxLayout*>(layout());
    haupt->removeWidget(Panel1);
    haupt->setContentsMargins(8, 8, 8, 8);
    haupt->setSpacing(8);
    auto* oben = new QHBoxLayout;
    oben->addWidget(TreeView1);
    oben->addWidget(Panel1, 1);
    haupt->addLayout(oben, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(bnOK);
    knoepfe->addWidget(MyButton2);
    knoepfe->addWidget(bnHilfe);
    haupt->addLayout(knoepfe);

    BaumAufbauen(mitUpdate);
    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* neu) { TreeView1Change(neu); });
    TreeView1->setCurrentItem(TreeView1->topLevelItem(0));
    SetActivePage(sAllgemein);
    TreeView1->setFocus();
    resize(840, 600);
}

TFoOptionen::~TFoOptionen()
{
    // The page goes before the copy it is bound to.
    SetActivePage(0);
}

QTreeWidgetItem* TFoOptionen::Knoten(QTreeWidgetItem* eltern, const QString& text, int seite)
{
    auto* knoten = eltern ? new QTreeWidgetItem(eltern) : new QTreeWidgetItem(TreeView1);
    knoten->setText(0, text);
    knoten->setData(0, kSeitenRolle, seite);
    return knoten;
}

void TFoOptionen::BaumAufbauen(bool mitUpdate)
{
    TOptionenVtrlDaten& k = *m_kopie;
    Knoten(nullptr, QStringLiteral("Allgemein"), sAllgemein);
    Pages().AddPage("", "", &k.Allgemein(), TPageClass::Of<TFoOptionenAllgemein>());

    struct TJahrGruppe {
        const char* text;
        TPageClass klasse;
        TBerechnung& (*gruppe)(TOptionenVtrlDaten&, int);
    };
    const TJahrGruppe gruppen[] = {
        {"Kindergeld", TPageClass::Of<TFoOptionenKindergeld>(),
         [](TOptionenVtrlDaten& o, int j) -> TBerechnung& { return o.Kindergeld(j); }},
        {"BBG", TPageClass::Of<TFoOptionenBBG>(),
         [](TOptionenVtrlDaten& o, int j) -> TBerechnung& { return o.BBG(j); }},
        {"Beitragssätze", TPageClass::Of<TFoOptionenBeitragssaetze>(),
         [](TOptionenVtrlDaten& o, int j) -> TBerechnung& { return o.Beitragssaetze(j); }},
        {"Übergangsbereich", TPageClass::Of<TFoOptionenGleitzone>(),
         [](TOptionenVtrlDaten& o, int j) -> TBerechnung& { return o.Gleitzone(j); }},
    };
    for (const TJahrGruppe& g : gruppen) {
        QTreeWidgetItem* eltern = Knoten(nullptr, QString::fromUtf8(g.text), 0);
        for (int jahr : {2026, 2027}) {
            Pages().AddPage("", "", &g.gruppe(k, jahr), g.klasse);
            Knoten(eltern, QString::number(jahr), Pages().Count());
        }
    }
    QTreeWidgetItem* kammern = Knoten(nullptr, QStringLiteral("Kammern"), 0);
    Pages().AddPage("", "", &k.KammernAllg(), TPageClass::Of<TFoOptionenKammernAllg>());
    Knoten(kammern, QStringLiteral("Allgemein"), sKammernAllg);
    for (int jahr : {2026, 2027}) {
        Pages().AddPage("", "", &k.Kammern(jahr), TPageClass::Of<TFoOptionenKammern>());
        Knoten(kammern, QString::number(jahr), Pages().Count());
    }
    if (mitUpdate) {
        Pages().AddPage("", "", &k.Update(), TPageClass::Of<TFoOptionenUpdate>());
        Knoten(nullptr, QStringLiteral("Update"), sUpdate);
    }
}

void TFoOptionen::TreeView1Change(QTreeWidgetItem* knoten)
{
    // Moving on to a parent's first child calls this again: that call has nothing to do.
    if (m_imWechsel || !knoten)
        return;
    if (knoten->childCount() > 0) {
        knoten->setExpanded(true);
        QTreeWidgetItem* kind = knoten->child(0);
        // The view marks the parent as selected after this notice; the selection moves on to
        // the child once the view is done.
        QMetaObject::invokeMethod(
            this,
            [this, kind] {
                m_imWechsel = true;
                TreeView1->setCurrentItem(kind);
                m_imWechsel = false;
            },
            Qt::QueuedConnection);
        knoten = kind;
    }
    if (SeiteVon(knoten) > 0)
        SetActivePage(SeiteVon(knoten));
}

bool TFoOptionen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TreeView1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Up) {
        // A parent only hands the selection down again: Up passes over it to the page above,
        // the last year of a group when that is where Up leads.
        QTreeWidgetItem* davor = TreeView1->itemAbove(TreeView1->currentItem());
        QTreeWidgetItem* ziel = davor ? TreeView1->itemAbove(davor) : nullptr;
        if (davor && davor->childCount() > 0 && ziel) {
            if (ziel->childCount() > 0) {
                ziel->setExpanded(true);
                ziel = ziel->child(ziel->childCount() - 1);
            }
            TreeView1->setCurrentItem(ziel);
            return true;
        }
    }
    return TPageContainerForm::eventFilter(watched, event);
}

void TFoOptionen::bnOKClick()
{
    SetModalResult(mrOk);
    m_optionen.Assign(*m_kopie);
    // Saved at once: the new statutory values must not depend on saving at the program's end.
    // A failure is told; the new options stay in force.
    try {
        m_optionen.Save(true);
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
}

void TrayAutostartAnpassen(bool ein)
{
    try {
        const TAutostartLink link = TrayAutostartLink();
        if (ein)
            link.CreateLink();
        else
            link.DeleteLink();
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
}

bool OptionenBearbeiten()
{
    // The menu command's slot: nothing may leave it.
    try {
        TOptionenVtrl& optionen = OptionenVtrl();
        const auto infobereich = [&optionen] {
            return optionen.AllgemeinDaten().InfobereichSymbol();
        };
        const bool vorher = infobereich();
        bool ok = false;
        {
            TFoOptionen dialog(optionen, optionen.UpdaterVerfuegbar());
            dialog.init();
            ok = dialog.ShowModal() == mrOk;
        }
        if (ok && infobereich() != vorher)
            TrayAutostartAnpassen(infobereich());
        return ok;
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
        return false;
    }
}
