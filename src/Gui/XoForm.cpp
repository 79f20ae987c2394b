#include "Gui/XoForm.h"

#include "Gui/AnzeigeOptionen.h"
#include "Gui/BetragEdit.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Gui/Hinweise.h"
#include "Gui/Rechner.h"
#include "Gui/XoTimer.h"
#include "Lib/IniFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QShowEvent>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

std::vector<TXoForm*>& Formulare()
{
    static std::vector<TXoForm*> formulare;
    return formulare;
}

TXoForm* g_mainForm = nullptr;

std::string Abschnitt(const QWidget& form)
{
    return form.objectName().toStdString();
}

QLineEdit* AktivesEditFeld()
{
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

} // namespace

TXoForm::TXoForm(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags)
{
    Formulare().push_back(this);
}

TXoForm::~TXoForm()
{
    RemoveTimersOf(this);
    auto& formulare = Formulare();
    formulare.erase(std::remove(formulare.begin(), formulare.end(), this), formulare.end());
    if (g_mainForm == this)
        g_mainForm = nullptr;
}

void SendToAllForms(const std::function<void(TXoForm&)>& deliver)
{
    std::vector<QPointer<TXoForm>> schnappschuss;
    for (TXoForm* form : Formulare())
        schnappschuss.emplace_back(form);
    for (auto it = schnappschuss.rbegin(); it != schnappschuss.rend(); ++it) {
        if (*it)
            deliver(**it);
    }
}

TXoForm* TXoForm::MainForm()
{
    return g_mainForm;
}

void TXoForm::SetMainForm(TXoForm* form)
{
    g_mainForm = form;
    // The status line is the main window's: from now on every menu's hints reach it.
    if (form)
        TMenueHinweise::Einschalten();
}

void TXoForm::init()
{
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (edit->contextMenuPolicy() == Qt::CustomContextMenu)
            continue; // has its popup already
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QWidget::customContextMenuRequested, this,
                [this, edit](const QPoint& pos) { ZeigeEditPopup(*edit, pos); });
    }
}

void TXoForm::ZeigeEditPopup(QWidget& control, const QPoint& pos)
{
    control.setFocus(Qt::PopupFocusReason);
    QMenu* popup = CreateEditPopup();
    UpdateEditItems(true);
    popup->popup(control.mapToGlobal(pos));
}

int TXoForm::ShowModal()
{
    AlsDialog(*this);
    // Centred at the size it will show with.
    if (!testAttribute(Qt::WA_Resized))
        adjustSize();
    CenterOnOwner();
    setProperty("modalResult", mrNone);
    return GuiHooks().modal ? GuiHooks().modal(*this) : mrNone;
}

void TXoForm::SetModalResult(int result)
{
    setProperty("modalResult", result);
    close();
}

int TXoForm::ModalResult() const
{
    return property("modalResult").toInt();
}

void TXoForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (isWindow() && !event->spontaneous())
        InArbeitsbereichHalten(*this);
}

void TXoForm::closeEvent(QCloseEvent* event)
{
    if (ModalResult() == mrNone)
        setProperty("modalResult", mrCancel);
    QWidget::closeEvent(event);
}

void TXoForm::CenterOnOwner()
{
    if (QWidget* owner = parentWidget()) {
        CenterForm(*owner->window(), *this);
        return;
    }
    if (QWidget* aktiv = QApplication::activeWindow(); aktiv && aktiv != this) {
        CenterForm(*aktiv, *this);
        return;
    }
    const QRect work = GetWorkArea();
    RahmenNach(*this, CenterRectInWorkArea(Aussenrechteck(*this), work, work));
}

void TXoForm::FitToWorkArea()
{
    const QRect work = GetWorkArea();
    QRect r = Aussenrechteck(*this);
    if (r.y() + r.height() > work.y() + work.height())
        r.moveTop(r.height() > work.height() ? work.y() : work.y() + work.height() - r.height());
    if (r.x() + r.width() > work.x() + work.width())
        r.moveLeft(r.width() > work.width() ? work.x() : work.x() + work.width() - r.width());
    RahmenNach(*this, r.topLeft());
}

void TXoForm::SetGrosseSchrift(bool value)
{
    if (value == m_grosseSchrift)
        return;
    m_grosseSchrift = value;
    ToggleScaling();
}

void TXoForm::ToggleScaling()
{
    if (m_grosseSchrift)
        ScaleBy(120, 100);
    else
        ScaleBy(100, 120);
}

void TXoForm::ScaleBy(int m, int d)
{
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * m / d);
    setFont(f);
    if (!isWindow())
        return;
    // Larger, but never beyond the work area (a window of 638 x 648 grows past a 768-line screen).
    const QSize platz = GetWorkArea().size().shrunkBy(Fensterrahmen(*this));
    resize(std::min(width() * m / d, platz.width()), std::min(height() * m / d, platz.height()));
    if (isVisible())
        FitToWorkArea();
}

void TXoForm::SetFetteSchrift(bool bold)
{
    SetBoldFont(*this, bold);
}

void TXoForm::SetControlVisible(QWidget& control, bool visible)
{
    if (control.isHidden() != visible)
        return;
    control.setVisible(visible);
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        return;
    resize(width(), height() + (visible ? control.height() : -control.height()));
}

QRect TXoForm::GetNormalBounds() const
{
    if (isMaximized() || isMinimized() || isFullScreen()) {
        const QRect normal = normalGeometry();
        if (normal.isValid())
            return normal;
    }
    return QRect(Aussenrechteck(*this).topLeft(), size());
}

void TXoForm::SetNormalBounds(const QRect& bounds)
{
    // Setting the bounds never shows the window.
    RahmenNach(*this, bounds.topLeft());
    resize(bounds.size());
}

void TXoForm::LoadPosition(const TIniFile& ini)
{
    const std::string abschnitt = Abschnitt(*this);
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    // Whatever the file says, the window opens whole on the work area, its frame included: the
    // position is the frame's, the size the inner one.
    const QMargins rahmen = Fensterrahmen(*this);
    const std::int64_t breite = ini.ReadInteger(abschnitt, "Breite", DefaultWidth());
    const std::int64_t hoehe = ini.ReadInteger(abschnitt, "Hoehe", DefaultHeight());
    const QRect aussen = RechteckImArbeitsbereich(
        ini.ReadInteger(abschnitt, "Links", 0), ini.ReadInteger(abschnitt, "Oben", 0),
        breite + rahmen.left() + rahmen.right(), hoehe + rahmen.top() + rahmen.bottom(),
        GetWorkArea());
    SetNormalBounds(
        QRect(aussen.topLeft(), aussen.size().shrunkBy(rahmen).expandedTo(QSize(1, 1))));
    if (ini.ReadBool(abschnitt, "Maximiert", false))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TXoForm::SavePosition(TXIniFile& ini)
{
    const std::string abschnitt = Abschnitt(*this);
    const QRect r = GetNormalBounds();
    ini.WriteBool(abschnitt, "Maximiert", isMaximized());
    ini.WriteInteger(abschnitt, "Oben", r.y(), 0);
    ini.WriteInteger(abschnitt, "Links", r.x(), 0);
    ini.WriteInteger(abschnitt, "Breite", r.width(), DefaultWidth());
    ini.WriteInteger(abschnitt, "Hoehe", r.height(), DefaultHeight());
}

QAction* TXoForm::CreateItem(const QString& name, const QString& caption, int key, int helpContext,
                             void (TXoForm::*onClick)(), bool mainMenu)
{
    auto* item = new QAction(caption, this);
    item->setObjectName((mainMenu ? "mi" : "pmi") + name);
    if (mainMenu && key != 0)
        item->setShortcut(QKeySequence(Qt::CTRL | key));
    item->setProperty("helpContext", helpContext);
    connect(item, &QAction::triggered, this, onClick);
    return item;
}

QAction* TXoForm::CreateRueckgaengigItem(bool mainMenu)
{
    return CreateItem("Rueckgaengig", "&Rückgängig", Qt::Key_Z, 51000,
                      &TXoForm::miRueckgaengigClick, mainMenu);
}

QAction* TXoForm::CreateAusschneidenItem(bool mainMenu)
{
    return CreateItem("Ausschneiden", "&Ausschneiden", Qt::Key_X, 51005,
                      &TXoForm::miAusschneidenClick, mainMenu);
}

QAction* TXoForm::CreateKopierenItem(bool mainMenu)
{
    return CreateItem("Kopieren", "&Kopieren", Qt::Key_C, 51010, &TXoForm::miKopierenClick,
                      mainMenu);
}

QAction* TXoForm::CreateEinfuegenItem(bool mainMenu)
{
    return CreateItem("Einfuegen", "&Einfügen", Qt::Key_V, 51015, &TXoForm::miEinfuegenClick,
                      mainMenu);
}

QAction* TXoForm::CreateLoeschenItem(bool mainMenu)
{
    return CreateItem("Loeschen", "&Löschen", Qt::Key_Delete, 51020, &TXoForm::miLoeschenClick,
                      mainMenu);
}

QAction* TXoForm::CreateAllesMarkierenItem(bool mainMenu)
{
    return CreateItem("AllesMarkieren", "Alles &markieren", Qt::Key_A, 51040,
                      &TXoForm::miAllesMarkierenClick, mainMenu);
}

QAction* TXoForm::CreateHilfeZumFeldItem(bool mainMenu)
{
    QAction* item = CreateItem("HilfezumFeld", "&Hilfe zum Feld", 0, 54015,
                               &TXoForm::miHilfezumFeldClick, mainMenu);
    item->setStatusTip("Zeigt Hilfe zum fokussierten Feld an. (F1)");
    return item;
}

QAction* TXoForm::CreateBeendenItem(bool mainMenu)
{
    QAction* item = CreateItem("Beenden", "&Beenden", 0, 50035, &TXoForm::miBeendenClick, mainMenu);
    item->setStatusTip("Beendet " + QApplication::applicationDisplayName() + ".");
    return item;
}

QAction* TXoForm::CreateRechnerItem(bool mainMenu)
{
    return CreateItem("Rechner", "Re&chner", 0, 0, &TXoForm::miRechnerClick, mainMenu);
}

QMenu* TXoForm::CreateEditMenu(QWidget* parent)
{
    auto* menu = new QMenu("&Bearbeiten", parent ? parent : this);
    menu->setObjectName("mnBearbeiten");
    // Group 1 of a main menu: a page's edit entry takes the place of the host's when merged.
    menu->menuAction()->setProperty("groupIndex", 1);
    menu->addAction(CreateRueckgaengigItem(true));
    menu->addSeparator();
    menu->addAction(CreateAusschneidenItem(true));
    menu->addAction(CreateKopierenItem(true));
    menu->addAction(CreateEinfuegenItem(true));
    menu->addAction(CreateLoeschenItem(true));
    menu->addSeparator();
    menu->addAction(CreateAllesMarkierenItem(true));
    connect(menu, &QMenu::aboutToShow, this, [this] { UpdateEditItems(false); });
    return menu;
}

QMenu* TXoForm::CreateEditPopup()
{
    if (m_editPopup)
        return m_editPopup;
    m_editPopup = new QMenu(this);
    m_editPopup->setObjectName("StdEditPopup");
    m_editPopup->addAction(CreateRueckgaengigItem(false));
    m_editPopup->addSeparator();
    m_editPopup->addAction(CreateAusschneidenItem(false));
    m_editPopup->addAction(CreateKopierenItem(false));
    m_editPopup->addAction(CreateEinfuegenItem(false));
    m_editPopup->addAction(CreateLoeschenItem(false));
    m_editPopup->addSeparator();
    m_editPopup->addAction(CreateAllesMarkierenItem(false));
    if (TFoRechner::Instanz()) {
        m_editPopup->addSeparator();
        m_editPopup->addAction(CreateRechnerItem(false));
    }
    return m_editPopup;
}

void TXoForm::UpdateEditItems(bool popup)
{
    const QString prefix = popup ? "pmi" : "mi";
    QLineEdit* e = AktivesEditFeld();
    bool clip = false, sel = false, notAll = false, ro = false, canUndo = false;
    if (e) {
        clip = !QApplication::clipboard()->text().isEmpty();
        sel = e->hasSelectedText();
        notAll = e->selectedText().size() < e->text().size();
        ro = e->isReadOnly();
        auto* betrag = qobject_cast<TBetrag*>(e);
        canUndo = betrag ? betrag->CanUndo() : e->isUndoAvailable();
    }
    const auto setze = [&](const char* name, bool enabled, const QString& hint,
                           const QString& grund) {
        for (QAction* item : findChildren<QAction*>(prefix + name)) {
            item->setEnabled(enabled);
            item->setStatusTip(enabled           ? hint
                               : grund.isEmpty() ? QString()
                                                 : NichtVerfuegbar(grund));
        }
    };
    setze("Rueckgaengig", canUndo, "Macht die letzte Änderung im Eingabefeld rückgängig.",
          e ? "nichts geändert wurde." : "kein Eingabefeld aktiv ist.");
    setze("Ausschneiden", sel && !ro,
          "Markierten Text/Betrag löschen und in die Zwischenablage kopieren.",
          "kein Text/Betrag markiert ist.");
    setze("Kopieren", sel, "Markierten Text/Betrag in die Zwischenablage kopieren.",
          "kein Text/Betrag markiert ist.");
    setze("Einfuegen", clip && !ro,
          "Text/Betrag aus der Zwischenablage in das aktive Eingabefeld einfügen.",
          "kein Text eingefügt werden kann.");
    setze("Loeschen", e != nullptr, "Aktuelles Betragfeld löschen.", "kein Betragfeld aktiv ist.");
    setze("AllesMarkieren", notAll, "Markiert den ganzen Text/Betrag im aktuellen Eingabefeld.",
          QString());
}

void TXoForm::miRueckgaengigClick()
{
    QLineEdit* e = AktivesEditFeld();
    if (!e) {
        MessageBeep(TBeepArt::Fehler);
    } else if (auto* betrag = qobject_cast<TBetrag*>(e)) {
        if (!betrag->isReadOnly())
            betrag->Undo();
    } else {
        e->undo();
    }
}

void TXoForm::miAusschneidenClick()
{
    QLineEdit* e = AktivesEditFeld();
    if (!e)
        MessageBeep(TBeepArt::Fehler);
    else if (auto* betrag = qobject_cast<TBetrag*>(e))
        betrag->Ausschneiden();
    else
        e->cut();
}

void TXoForm::miKopierenClick()
{
    if (QLineEdit* e = AktivesEditFeld())
        e->copy();
    else
        MessageBeep(TBeepArt::Fehler);
}

void TXoForm::miEinfuegenClick()
{
    QLineEdit* e = AktivesEditFeld();
    if (!e)
        MessageBeep(TBeepArt::Fehler);
    else if (auto* betrag = qobject_cast<TBetrag*>(e))
        betrag->Einfuegen();
    else
        e->paste();
}

void TXoForm::miLoeschenClick()
{
    QLineEdit* e = AktivesEditFeld();
    if (!e) {
        MessageBeep(TBeepArt::Fehler);
    } else if (auto* betrag = qobject_cast<TBetrag*>(e)) {
        betrag->Loeschen();
    } else if (!e->isReadOnly()) {
        if (e->hasSelectedText())
            e->del();
        else
            e->clear();
    }
}

void TXoForm::miAllesMarkierenClick()
{
    if (QLineEdit* e = AktivesEditFeld())
        e->selectAll();
    else
        MessageBeep(TBeepArt::Fehler);
}

void TXoForm::miHilfezumFeldClick()
{
    const QWidget* aktiv = QApplication::focusWidget();
    const int kontext = aktiv ? aktiv->property("helpContext").toInt() : 0;
    if (kontext != 0 && GuiHooks().hilfe)
        GuiHooks().hilfe(kontext);
}

void TXoForm::miBeendenClick()
{
    if (TXoForm* haupt = MainForm())
        haupt->close();
}

void TXoForm::miRechnerClick()
{
    if (TFoRechner* rechner = TFoRechner::Instanz()) {
        rechner->ZielfeldMerken(QApplication::focusWidget());
        rechner->ShowModal();
    }
}

void TXoForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10 &&
        (event->modifiers() & (Qt::ShiftModifier | Qt::AltModifier))) {
        // The nearest popup up from the focused control, at the control's centre.
        QWidget* start = QApplication::focusWidget();
        if (!start || start->window() != window())
            start = this;
        const QPoint mitte = start->rect().center();
        QContextMenuEvent kontext(QContextMenuEvent::Keyboard, mitte, start->mapToGlobal(mitte));
        QApplication::sendEvent(start, &kontext);
        event->accept();
    } else {
        QWidget::keyPressEvent(event);
    }
    if (TXoForm* haupt = MainForm(); haupt && haupt != this)
        haupt->HauptformKeyDown(*this, event);
}

void TXoForm::DatenGeaendert(TDaten&) {}

void TXoForm::HauptformKeyDown(TXoForm&, QKeyEvent*) {}

void TBaseForm::init()
{
    TXoForm::init();
    ApplyOptions();
}

void TBaseForm::ApplyOptions()
{
    if (const TAnzeigeOptionen* optionen = AnzeigeOptionen()) {
        SetGrosseSchrift(optionen->GrosseSchrift());
        SetFetteSchrift(optionen->FetteSchrift());
    }
}

void TBaseForm::DatenGeaendert(TDaten& daten)
{
    const TAnzeigeOptionen* optionen = AnzeigeOptionen();
    if (optionen && optionen->Daten() == &daten)
        ApplyOptions();
}
