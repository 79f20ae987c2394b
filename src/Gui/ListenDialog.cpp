#include "Gui/ListenDialog.h"

#include "Gui/GuiHooks.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCControl.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerValue.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>
#include <functional>

namespace {

template <class T> T* Benannt(T* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

// Runs a command of a button; its exception is shown to the user and goes no further. False when
// it failed.
bool Ausfuehren(const std::function<void()>& befehl)
{
    try {
        befehl();
        return true;
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
        return false;
    }
}

} // namespace

bool JaNeinFrage(QWidget* parent, const QString& titel, const QString& text)
{
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return GuiHooks().modal && GuiHooks().modal(box) == QMessageBox::Yes;
}

TGebundenerDialog::TGebundenerDialog(QWidget* parent) : TBerechnungDialog(parent, Qt::Dialog)
{
    m_abbrechen = KnopfAnlegen("bnAbbrechen", "Abbrechen");
    m_hilfe = KnopfAnlegen("bnHilfe", "&Hilfe");
    // The program has no help system.
    m_hilfe->hide();
    connect(m_abbrechen, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
}

QPushButton* TGebundenerDialog::KnopfAnlegen(const char* name, const QString& text)
{
    auto* knopf = Benannt(new QPushButton(text, this), name);
    knopf->setAutoDefault(false);
    return knopf;
}

TValue* TGebundenerDialog::WertFuer(const std::string& name) const
{
    return Berechnung() ? Berechnung()->Daten().FindValue(name) : nullptr;
}

void TGebundenerDialog::BindControls()
{
    for (auto& [widget, name] : m_bindungen) {
        TValue* wert = WertFuer(name);
        if (auto* betrag = dynamic_cast<TMVCBetrag*>(widget)) {
            if (const auto* zahl = dynamic_cast<const TDouble*>(wert))
                betrag->SetDezimalstellen(zahl->Decimals());
            else if (dynamic_cast<const TInteger*>(wert))
                betrag->SetDezimalstellen(0);
        }
        dynamic_cast<TMVCControl&>(*widget).SetValue(wert);
    }
}

void TGebundenerDialog::keyPressEvent(QKeyEvent* event)
{
    // Keys the focused control leaves alone: Enter presses the default button, Esc cancels.
    const int taste = event->key();
    if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
        for (QPushButton* knopf : findChildren<QPushButton*>()) {
            if (knopf->isDefault() && knopf->isEnabled() && knopf->isVisible()) {
                knopf->click();
                break;
            }
        }
        event->accept();
        return;
    }
    if (taste == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        SetModalResult(mrCancel);
        event->accept();
        return;
    }
    TBerechnungDialog::keyPressEvent(event);
}

void TGebundenerDialog::showEvent(QShowEvent* event)
{
    TBerechnungDialog::showEvent(event);
    if (m_gezeigt)
        return;
    m_gezeigt = true;
    const QList<QWidget*> knoepfe = Knopfreihe();
    QList<QWidget*> kette;
    for (const auto& [widget, name] : m_bindungen)
        if (!knoepfe.contains(widget))
            kette << widget;
    kette << knoepfe;
    for (qsizetype i = 1; i < kette.size(); ++i)
        setTabOrder(kette[i - 1], kette[i]);
    for (QWidget* widget : kette) {
        if (widget->isEnabled() && widget->isVisibleTo(this)) {
            widget->setFocus();
            break;
        }
    }
}

TEintragDialog::TEintragDialog(QWidget* parent) : TGebundenerDialog(parent)
{
    m_haupt = new QVBoxLayout(this);
    m_felder = new QFormLayout;
    m_haupt->addLayout(m_felder);
    m_haupt->addStretch(1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    m_ok = Gebunden(Benannt(new TMVCButton(this, this), "bnOK"), "IsOK");
    m_ok->setText("&OK");
    m_ok->setDefault(true);
    knoepfe->addWidget(m_ok);
    knoepfe->addWidget(bnAbbrechen());
    knoepfe->addWidget(bnHilfe());
    m_haupt->addLayout(knoepfe);
    connect(m_ok, &QPushButton::clicked, this, &TEintragDialog::bnOKClick);
}

QList<QWidget*> TEintragDialog::Knopfreihe() const
{
    return {m_ok, bnAbbrechen()};
}

void TEintragDialog::bnOKClick()
{
    if (!m_ok->isEnabled())
        return;
    // The field being typed in hands its text over as it loses the focus.
    m_ok->setFocus();
    if (Ausfuehren([this] { Speichern(); }))
        SetModalResult(mrOk);
}

TListenDialog::TListenDialog(QWidget* parent) : TGebundenerDialog(parent) {}

void TListenDialog::Aufbauen(TMVCListBox* liste, const char* listenName, const char* listenWert,
                             const char* aendernWert, const char* loeschenWert, const char* okWert,
                             const QString& loeschenText)
{
    m_haupt = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    m_liste = Gebunden(Benannt(liste, listenName), listenWert);
    oben->addWidget(m_liste, 1);
    auto* spalte = new QVBoxLayout;
    m_neu = KnopfAnlegen("bnNeu", "&Neu...");
    m_aendern = Gebunden(Benannt(new TMVCButton(this, this), "bnAendern"), aendernWert);
    m_aendern->setText("Än&dern...");
    m_loeschen = Gebunden(Benannt(new TMVCButton(this, this), "bnLoeschen"), loeschenWert);
    m_loeschen->setText(loeschenText);
    m_ok = Benannt(new TMVCButton(this, this), "bnOK");
    if (okWert)
        Gebunden(m_ok, okWert);
    m_ok->setText("&OK");
    for (QPushButton* knopf :
         {static_cast<QPushButton*>(m_neu), static_cast<QPushButton*>(m_aendern),
          static_cast<QPushButton*>(m_loeschen)}) {
        knopf->setAutoDefault(false);
        spalte->addWidget(knopf);
    }
    spalte->addStretch(1);
    m_ok->setAutoDefault(false);
    spalte->addWidget(m_ok);
    spalte->addWidget(bnAbbrechen());
    spalte->addWidget(bnHilfe());
    oben->addLayout(spalte);
    m_haupt->addLayout(oben, 1);

    connect(m_neu, &QPushButton::clicked, this, &TListenDialog::bnNeuClick);
    connect(m_aendern, &QPushButton::clicked, this, &TListenDialog::bnAendernClick);
    connect(m_loeschen, &QPushButton::clicked, this, &TListenDialog::bnLoeschenClick);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (m_ok->isEnabled())
            SetModalResult(mrOk);
    });
    connect(m_liste, &QListWidget::itemDoubleClicked, this, [this] { bnAendernClick(); });
    m_liste->installEventFilter(this);
}

bool TListenDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_liste && event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        if (taste == Qt::Key_Delete) {
            bnLoeschenClick();
            return true;
        }
    }
    return TGebundenerDialog::eventFilter(watched, event);
}

QList<QWidget*> TListenDialog::Knopfreihe() const
{
    return {m_neu, m_aendern, m_loeschen, m_ok, bnAbbrechen()};
}

void TListenDialog::AfterRefresh()
{
    StandardKnopfSetzen(StandardKnopf());
}

void TListenDialog::StandardKnopfSetzen(QPushButton* knopf)
{
    for (QPushButton* k : {m_neu, static_cast<QPushButton*>(m_aendern),
                           static_cast<QPushButton*>(m_loeschen), static_cast<QPushButton*>(m_ok)})
        k->setDefault(k == knopf);
}

void TListenDialog::bnNeuClick()
{
    Ausfuehren([this] { Neu(); });
}

void TListenDialog::bnAendernClick()
{
    if (m_aendern->isEnabled())
        Ausfuehren([this] { Aendern(); });
}

void TListenDialog::bnLoeschenClick()
{
    if (!m_loeschen->isEnabled())
        return;
    const QStringList kandidaten = LoeschKandidaten();
    if (kandidaten.isEmpty())
        return;
    const QString frage = kandidaten.size() < 2 ? LoeschenFrage(kandidaten.front())
                                                : LoeschenFrage(kandidaten.size());
    if (JaNeinFrage(this, LoeschenTitel(), frage))
        Ausfuehren([this] { MarkierteLoeschen(); });
}

void TListenDialog::StammdatenGeaendert()
{
    SendToAllForms([](TXoForm& form) {
        if (auto* gebunden = dynamic_cast<TBerechnungForm*>(&form))
            gebunden->Refresh();
    });
}
