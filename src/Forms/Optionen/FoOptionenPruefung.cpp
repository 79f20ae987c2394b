#include "Forms/Optionen/FoOptionenPruefung.h"

#include "Forms/Optionen/OptionenSeiten.h"
#include "Gui/FrmLib.h"
#include "Gui/PageForm.h"
#include "Options/OptionenVtrl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kJahr = 2026;
constexpr int kJa = 1;
constexpr int kNein = 2;
// The size of the design, and what the window system puts around a dialog (title bar, border).
constexpr int kBreite = 401;
constexpr int kHoehe = 433;
const QSize kFensterrahmen(16, 40);

// "&Rentenversicherung:" -> "Rentenversicherung:"; "&&" stays a literal "&".
QString OhneKuerzel(const QString& text)
{
    QString ohne;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        ohne += text[i];
    }
    return ohne;
}

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
    DialogTasten(*this, *bnJa, *bnNein);

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
    setFixedSize(kBreite, kHoehe);
    bnJa->setFocus();
}

void TFoOptionenPruefung::PageChanged()
{
    TPageForm* seite = ActivePageForm();
    if (!seite)
        return;
    // The values asked about must be readable: the page looks as in the options dialog, its
    // fields read-only rather than greyed out. It takes no focus and no click; the wheel goes
    // through to the container, which scrolls.
    TFormpanel* panel = seite->Panel();
    for (QWidget* control : panel->findChildren<QWidget*>()) {
        control->setFocusPolicy(Qt::NoFocus);
        control->setAttribute(Qt::WA_TransparentForMouseEvents);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setReadOnly(true);
            SetEditColours(*edit, true, true);
        }
        // A caption's Alt key would lead nowhere and take the letter from "&Ja" or "&Nein".
        if (auto* beschriftung = qobject_cast<QLabel*>(control); beschriftung && beschriftung->buddy())
            beschriftung->setText(OhneKuerzel(beschriftung->text()));
    }
    // Large enough for the page's contents (not the larger area of the options dialog), within
    // the screen's work area; scroll bars beyond that.
    const QSize inhalt = panel->layout() ? panel->layout()->sizeHint()
                                         : QSize(panel->FitWidth(), panel->FitHeight());
    panel->SetFitWidth(inhalt.width());
    panel->SetFitHeight(inhalt.height());
    QScrollArea* bereich = PageContainer();
    bereich->setMinimumSize(inhalt);
    QSize gross = sizeHint();
    if (const QScreen* bildschirm = screen()) {
        const QSize platz = bildschirm->availableGeometry().size() - kFensterrahmen;
        const QSize ueber = (gross - platz).expandedTo(QSize(0, 0));
        if (!ueber.isNull()) {
            // The scroll bar of the direction that does not fit takes room of the other.
            const int leiste = bereich->verticalScrollBar()->sizeHint().width();
            bereich->setMinimumSize(inhalt - ueber + QSize(ueber.height() > 0 ? leiste : 0,
                                                           ueber.width() > 0 ? leiste : 0));
            gross = sizeHint().boundedTo(platz);
        }
    }
    setFixedSize(gross.expandedTo(QSize(kBreite, kHoehe)));
}

bool OptionenZuruecksetzenFragen(TOptionenSeite seite)
{
    TFoOptionenPruefung dialog(OptionenVtrl());
    dialog.init();
    dialog.SetActivePage(seite);
    return dialog.ShowModal() == kJa;
}
