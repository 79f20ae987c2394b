#include "Gui/XoApp.h"

#include "Gui/XoForm.h"
#include "Lib/MVCApp.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

constinit TSingleton<TXoApplication> gXoApplication("XoApplication", "Unit XoApp");

} // namespace

TXoApplication& XoApplication()
{
    return gXoApplication.Instance();
}

TSingleton<TXoApplication>& XoApplicationSingleton()
{
    return gXoApplication;
}

TXoApplication::TXoApplication()
    : m_trayIcon(new TRxTrayIcon(this)), m_trayVerfuegbar(&QSystemTrayIcon::isSystemTrayAvailable)
{
    qApp->installEventFilter(this);
    m_beginWait = MVCApplication().OnBeginWait.Connect([this] { BeginBusy(); });
    m_endWait = MVCApplication().OnEndWait.Connect([this] { EndBusy(); });
}

TXoApplication::~TXoApplication()
{
    if (qApp)
        qApp->removeEventFilter(this);
    if (m_busy > 0)
        QApplication::restoreOverrideCursor();
}

void TXoApplication::SetTrayVerfuegbar(std::function<bool()> verfuegbar)
{
    m_trayVerfuegbar = std::move(verfuegbar);
}

bool TXoApplication::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && watched == TXoForm::MainForm() &&
        TXoForm::MainForm()->isMinimized()) {
        // Hidden after the state change has been handled everywhere.
        QMetaObject::invokeMethod(this, &TXoApplication::AppMinimize, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void TXoApplication::AppMinimize()
{
    TXoForm* haupt = TXoForm::MainForm();
    // Without a notification area a hidden window could not be brought back.
    if (!haupt || !haupt->isMinimized() || !m_trayVerfuegbar || !m_trayVerfuegbar())
        return;
    haupt->hide();
    m_trayIcon->SetActive(true);
}

void TXoApplication::AppRestore()
{
    if (TXoForm* haupt = TXoForm::MainForm()) {
        haupt->showNormal();
        haupt->raise();
        haupt->activateWindow();
    }
    m_trayIcon->SetActive(false);
}

void TXoApplication::BeginBusy()
{
    if (m_busy++ == 0)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TXoApplication::EndBusy()
{
    if (m_busy == 0)
        return;
    if (--m_busy == 0)
        QApplication::restoreOverrideCursor();
}
