#include "Forms/FoOptionenPruefung.h"

#include "MVCFrame/Daten.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int kJa = 1;
constexpr int kNein = 2;

bool EndetAufAb(const std::string& name)
{
    return name.size() > 2 && name.compare(name.size() - 2, 2, "Ab") == 0;
}

} // namespace

TFoOptionenPruefung::TFoOptionenPruefung(const TDaten& daten, QWidget* parent)
    : TBaseForm(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName("FoOptionen");
    setWindowTitle(QStringLiteral("Überprüfung der Optionen"));
    setFixedSize(401, 433);

    stFrage = new QLabel(QStringLiteral("Die in den Optionen für 2026 eingegebenen Werte sind "
                                        "nicht aktuell*). Sollen die Werte jetzt automatisch "
                                        "geändert werden?"),
                         this);
    stFrage->setObjectName("stFrage");
    stFrage->setWordWrap(true);
    stAktuell = new QLabel(QStringLiteral("*) im Dezember 2026"), this);
    stAktuell->setObjectName("stAktuell");

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    WerteZeigen(daten);
    Panel1->setEnabled(false);

    bnJa = new QPushButton(QStringLiteral("&Ja"), this);
    bnJa->setObjectName("bnJa");
    bnJa->setDefault(true);
    bnNein = new QPushButton(QStringLiteral("&Nein"), this);
    bnNein->setObjectName("bnNein");
    bnHilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    bnHilfe->setObjectName("bnHilfe");
    bnHilfe->setVisible(false);
    connect(bnJa, &QPushButton::clicked, this, [this] { SetModalResult(kJa); });
    connect(bnNein, &QPushButton::clicked, this, [this] { SetModalResult(kNein); });
    // A plain window has no default and cancel buttons of its own.
    for (const auto taste : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(taste), this), &QShortcut::activated, bnJa,
                &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, bnNein,
            &QPushButton::click);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(bnJa);
    knoepfe->addWidget(bnNein);
    knoepfe->addWidget(bnHilfe);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stFrage);
    layout->addWidget(Panel1, 1);
    layout->addWidget(stAktuell);
    layout->addLayout(knoepfe);
}

void TFoOptionenPruefung::WerteZeigen(const TDaten& daten)
{
    auto* raster = new QGridLayout(Panel1);
    int zeile = 0;
    daten.ForEachValue([&](TValue& wert) {
        if (EndetAufAb(wert.Name()) &&
            daten.FindValue(wert.Name().substr(0, wert.Name().size() - 2)) != nullptr)
            return;
        raster->addWidget(new QLabel(QString::fromStdString(wert.Name()), Panel1), zeile, 0);
        raster->addWidget(new QLabel(QString::fromStdString(wert.GetDisplayText()), Panel1), zeile,
                          1);
        if (const TValue* ab = daten.FindValue(wert.Name() + "Ab"))
            raster->addWidget(new QLabel(QString::fromStdString(ab->GetDisplayText()), Panel1),
                              zeile, 2);
        ++zeile;
    });
    raster->setRowStretch(zeile, 1);
}

bool OptionenZuruecksetzenFragen(const TDaten& daten)
{
    TFoOptionenPruefung dialog(daten);
    dialog.init();
    return dialog.ShowModal() == kJa;
}
