#include "Forms/FoOptionenPruefung.h"

#include "Forms/OptionenSeiten.h"
#include "Gui/PageForm.h"
#include "Options/OptionenVtrl.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int kJahr = 2026;
constexpr int kJa = 1;
constexpr int kNein = 2;

} // namespace

TFoOptionenPruefung::TFoOptionenPruefung(TOptionenVtrlDaten& optionen, QWidget* parent)
    : TPageContainerForm(parent)
{
    setObjectName("FoOptionen");
    // A dialog border: a title and the close button, neither resized nor maximised.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Überprüfung der Optionen"));

    stFrage = new QLabel(QStringLiteral("Die in den Optionen für 2026 eingegebenen Werte sind "
                                        "nicht aktuell*). Sollen die Werte jetzt automatisch "
                                        "geändert werden?"),
                         this);
    stFrage->setObjectName("stFrage");
    stFrage->setWordWrap(true);
    stAktuell = new QLabel(QStringLiteral("*) im Dezember 2026"), this);
    stAktuell->setObjectName("stAktuell");
    Panel1 = PageContainer();
    Panel1->setObjectName("Panel1");

    bnJa = new QPushButton(QStringLiteral("&Ja"), this);
    bnJa->setObjectName("bnJa");
    bnJa->setDefault(true);
    bnNein = new QPushButton(QStringLiteral("&Nein"), this);
    bnNein->setObjectName("bnNein");
    // The program has no help system.
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

    // The page container is the base's only widget; question, note and buttons go around it.
    auto* haupt = static_cast<QVBoxLayout*>(layout());
    haupt->setContentsMargins(8, 8, 8, 8);
    haupt->setSpacing(8);
    haupt->insertWidget(0, stFrage);
    haupt->addWidget(stAktuell);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(bnJa);
    knoepfe->addWidget(bnNein);
    knoepfe->addWidget(bnHilfe);
    haupt->addLayout(knoepfe);

    // Without names and focus controls: the pages keep no state between runs.
    Pages().AddPage("", "", &optionen.Beitragssaetze(kJahr),
                    TPageClass::Of<TFoOptionenBeitragssaetze>());
    Pages().AddPage("", "", &optionen.Kindergeld(kJahr), TPageClass::Of<TFoOptionenKindergeld>());
    setFixedSize(401, 433);
    bnJa->setFocus();
}

void TFoOptionenPruefung::PageChanged()
{
    // The page itself takes no input; the container around it stays usable, so that a page
    // wider or taller than the dialog can still be scrolled.
    if (TPageForm* seite = ActivePageForm())
        seite->Panel()->setEnabled(false);
}

bool OptionenZuruecksetzenFragen(TOptionenSeite seite)
{
    TFoOptionenPruefung dialog(OptionenVtrl());
    dialog.init();
    dialog.SetActivePage(seite);
    return dialog.ShowModal() == kJa;
}
