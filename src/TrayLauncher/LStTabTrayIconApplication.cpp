#include "TrayLauncher/LStTabTrayIconApplication.h"

#include "Platform/Autostart.h"
#include "Platform/MessageWindow.h"
#include "Platform/NamedMutex.h"
#include "Platform/ShellFolder.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

// A white "V" on the program's blue, drawn rather than loaded so the launcher needs no file
// besides itself.
QIcon TrayIconBild()
{
    QPixmap bild(64, 64);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0x1f, 0x4e, 0x8c));
    maler.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    maler.setPen(QPen(Qt::white, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF v[] = {{16, 16}, {32, 50}, {48, 16}};
    maler.drawPolyline(v, 3);
    maler.end();
    return QIcon(bild);
}

} // namespace

void TrayStartFehler(const TTrayHooks& hooks, const QString& text)
{
    std::fprintf(stderr, "VtrlTray: %s\n", text.toUtf8().constData());
    if (hooks.fehler)
        hooks.fehler(text);
}

TLStTabTrayIconApplication::TLStTabTrayIconApplication(TTrayHooks hooks, QObject* parent)
    : QObject(parent), m_hooks(std::move(hooks))
{
}

TLStTabTrayIconApplication::~TLStTabTrayIconApplication()
{
    if (m_icon != nullptr)
        m_icon->hide();
}

TTrayStart TLStTabTrayIconApplication::Startup()
{
    // The lock comes first: a second launcher must end before it touches the running one's
    // socket or shows a second icon. A lock that cannot be taken for another reason (no runtime
    // folder) does not keep the launcher from running.
    m_mutex = std::make_unique<TNamedMutex>(kTrayTitel.toStdString(), TMutexArt::Allein);
    if (m_mutex->Existierte())
        return TTrayStart::Zweiter;

    m_fenster = new TMessageWindow(this);
    if (!m_fenster->Oeffnen(kTrayKlasse, kTrayTitel)) {
        TrayStartFehler(m_hooks,
                        "Fehler beim Erzeugen einer Fensterklasse\n" + m_fenster->Fehler());
        return TTrayStart::Fehler;
    }
    connect(m_fenster, &TMessageWindow::NachrichtErhalten, this,
            &TLStTabTrayIconApplication::NachrichtErhalten);

    IconAnlegen();

    try {
        // The entry's target is the launcher's own absolute path, wherever it was started from.
        m_autostart = std::make_unique<TAutostartLink>(TrayAutostartLink());
        m_autostart->CreateLink();
    } catch (const std::exception& e) {
        TrayStartFehler(m_hooks, QString::fromStdString(e.what()));
        return TTrayStart::Fehler;
    }
    if (m_hooks.infobereich && !m_hooks.infobereich())
        AufInfobereichWarten();
    return TTrayStart::Laeuft;
}

void TLStTabTrayIconApplication::AufInfobereichWarten()
{
    // Asked again and again: a notification area gives no signal when it comes up.
    constexpr int kSchrittMs = 250;
    auto* uhr = new QTimer(this);
    QElapsedTimer frist;
    frist.start();
    connect(uhr, &QTimer::timeout, this, [this, uhr, frist] {
        if (m_beendet || m_hooks.infobereich()) {
            uhr->deleteLater();
            return;
        }
        if (frist.elapsed() < m_hooks.infobereichFristMs)
            return;
        uhr->deleteLater();
        // The autostart entry stays: at the next login there may be a notification area.
        TrayStartFehler(m_hooks, kKeinInfobereich);
        m_exitCode = 1;
        Beenden();
    });
    uhr->start(std::min(kSchrittMs, m_hooks.infobereichFristMs));
}

void TLStTabTrayIconApplication::IconAnlegen()
{
    m_menu = std::make_unique<QMenu>();
    m_menu->setObjectName("KONTEXT");
    QAction* oeffnen = m_menu->addAction("&Vantrel öffnen");
    oeffnen->setObjectName("pmiOeffnen");
    m_menu->setDefaultAction(oeffnen);
    m_menu->addSeparator();
    QAction* beenden = m_menu->addAction("&Beenden...");
    beenden->setObjectName("pmiBeenden");
    connect(oeffnen, &QAction::triggered, this, &TLStTabTrayIconApplication::OpenMainProgram);
    connect(beenden, &QAction::triggered, this, &TLStTabTrayIconApplication::QueryExit);

    m_icon = new QSystemTrayIcon(TrayIconBild(), this);
    m_icon->setToolTip(kTrayTip);
    m_icon->setContextMenu(m_menu.get());
    // Trays of the StatusNotifier kind send a single activation and never a double click.
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason grund) {
                if (grund == QSystemTrayIcon::Trigger || grund == QSystemTrayIcon::DoubleClick)
                    OpenMainProgram();
            });
    // Without a tray Qt keeps the icon and shows it as soon as one appears.
    m_icon->show();
}

void TLStTabTrayIconApplication::OpenMainProgram()
{
    // A double click may bring a single activation and then the double click: one start.
    if (m_beendet)
        return;
    const std::string pfad = ShellFolders().ProgramDirectory() + kHauptprogramm;
    if (m_hooks.starten(pfad) != 0 && m_hooks.fehler)
        m_hooks.fehler("\"" + QString::fromStdString(pfad) + "\" nicht gefunden!");
    Beenden();
}

void TLStTabTrayIconApplication::QueryExit()
{
    if (m_beendet)
        return;
    const TTrayAntwort antwort = m_hooks.frage(kAutostartFrage);
    // The main program may have closed the launcher while the question was open.
    if (m_beendet || antwort == TTrayAntwort::Abbrechen)
        return;
    if (antwort == TTrayAntwort::Nein && m_autostart) {
        try {
            m_autostart->DeleteLink();
        } catch (const std::exception& e) {
            if (m_hooks.fehler)
                m_hooks.fehler(QString::fromStdString(e.what()));
        }
    }
    Beenden();
}

void TLStTabTrayIconApplication::NachrichtErhalten(const QString& nachricht)
{
    if (nachricht == kTrayNachricht)
        Beenden();
}

void TLStTabTrayIconApplication::Beenden()
{
    if (m_beendet)
        return;
    m_beendet = true;
    if (m_icon != nullptr)
        m_icon->hide();
    emit Ende();
}
