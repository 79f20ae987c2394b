#include "Gui/TrayIcon.h"

#include <QAction>
#include <QMenu>

namespace {

// The notification area keeps tips of at most 63 characters.
constexpr int kTipLaenge = 63;

} // namespace

TRxTrayIcon::TRxTrayIcon(QObject* owner) : QObject(owner), m_icon(new QSystemTrayIcon(this))
{
    connect(m_icon, &QSystemTrayIcon::activated, this, &TRxTrayIcon::Aktiviert);
}

TRxTrayIcon::~TRxTrayIcon()
{
    SetActive(false);
}

QString TRxTrayIcon::Tip(const QString& hint)
{
    return hint.section('|', 0, 0).left(kTipLaenge);
}

void TRxTrayIcon::SetActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active)
        Show();
    else
        Hide();
}

void TRxTrayIcon::SetHint(const QString& hint)
{
    m_hint = hint;
    Update();
}

void TRxTrayIcon::SetIcon(const QIcon& icon)
{
    m_iconBild = icon;
    Update();
}

void TRxTrayIcon::SetPopupMenu(QMenu* menu)
{
    m_popupMenu = menu;
    m_icon->setContextMenu(menu);
}

void TRxTrayIcon::Show()
{
    if (m_added)
        Hide();
    if (m_iconBild.isNull())
        return;
    m_icon->setIcon(m_iconBild);
    m_icon->setToolTip(Tip(m_hint));
    m_icon->setContextMenu(m_popupMenu);
    m_icon->show();
    m_added = m_icon->isVisible();
}

void TRxTrayIcon::Hide()
{
    m_icon->hide();
    m_added = false;
}

void TRxTrayIcon::Update()
{
    if (m_added) {
        if (m_iconBild.isNull()) {
            Hide();
            return;
        }
        m_icon->setIcon(m_iconBild);
        m_icon->setToolTip(Tip(m_hint));
    } else if (m_active) {
        Show();
    }
}

void TRxTrayIcon::Aktiviert(QSystemTrayIcon::ActivationReason grund)
{
    switch (grund) {
    case QSystemTrayIcon::Trigger:
        emit Click();
        break;
    case QSystemTrayIcon::DoubleClick:
        DoppelKlick();
        break;
    default:
        break;
    }
}

void TRxTrayIcon::DoppelKlick()
{
    if (m_popupMenu) {
        if (QAction* standard = m_popupMenu->defaultAction(); standard && standard->isEnabled()) {
            standard->trigger();
            return;
        }
    }
    emit DblClick();
}
