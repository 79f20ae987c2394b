#include "Forms/DDEStatusAnzeige.h"

#include "Gui/XoTimer.h"
#include "MVCFrame/DDEMngr.h"

#include <QLabel>

namespace {

// The text colour from the colours the field had at the start.
void Faerben(QLabel& label, const QPalette& grund, QPalette::ColorGroup gruppe,
             QPalette::ColorRole rolle)
{
    QPalette palette = grund;
    palette.setColor(QPalette::WindowText, grund.color(gruppe, rolle));
    label.setPalette(palette);
}

} // namespace

TDDEStatusAnzeige::TDDEStatusAnzeige(QLabel& ddeStatus, QLabel& statusBar)
    : m_ddeStatus(ddeStatus), m_statusBar(statusBar), m_grund(ddeStatus.palette())
{
    TMVCDDEManager& manager = MVCDDEManager();
    manager.OnConnect = [this] { DDEStatusAnzeigen(); };
    manager.OnDisconnect = [this] { DDEStatusAnzeigen(); };
    manager.OnBeforeChange = [this] { DDEAktivitaet(); };
    manager.OnRequest = [this] { DDEAktivitaet(); };
    manager.OnHinweis = [this](const std::string& text) {
        m_statusBar.setText(QString::fromStdString(text));
    };
    DDEStatusAnzeigen();
}

TDDEStatusAnzeige::~TDDEStatusAnzeige()
{
    if (TMVCDDEManager* manager = MVCDDEManagerSingleton().Existing()) {
        manager->OnConnect.Clear();
        manager->OnDisconnect.Clear();
        manager->OnBeforeChange.Clear();
        manager->OnRequest.Clear();
        manager->OnHinweis.Clear();
    }
    RemoveTimersOf(this);
}

void TDDEStatusAnzeige::DDEStatusAnzeigen()
{
    const TMVCDDEManager* manager = MVCDDEManagerSingleton().Existing();
    const bool verbunden = manager && manager->HasConnections();
    m_beleuchtet = false;
    QFont schrift = m_ddeStatus.font();
    schrift.setBold(verbunden);
    m_ddeStatus.setFont(schrift);
    if (verbunden)
        Faerben(m_ddeStatus, m_grund, QPalette::Active, QPalette::ButtonText);
    else
        Faerben(m_ddeStatus, m_grund, QPalette::Disabled, QPalette::WindowText);
}

void TDDEStatusAnzeige::DDEAktivitaet()
{
    // A client calling in a loop finds the field lit already: it is coloured once per burst.
    if (!m_beleuchtet)
        Faerben(m_ddeStatus, m_grund, QPalette::Active, QPalette::HighlightedText);
    m_beleuchtet = true;
    // One return only: a newer use moves it back.
    TimerMngr().RemoveTimer({this, &TDDEStatusAnzeige::DDEStatusAnzeigen});
    TimerMngr().AddDelayed(kRueckkehrMs, {this, &TDDEStatusAnzeige::DDEStatusAnzeigen});
}
