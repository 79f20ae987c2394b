#include "Platform/MessageWindow.h"

#include "Platform/NamedMutex.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kWarteMs = 1000;

QString DateiTeil(QString text)
{
    text.replace('/', '_');
    text.replace(QChar(0), '_');
    return text;
}

} // namespace

QString MessageWindowName(const QString& klasse, const QString& titel)
{
    return QString::fromStdString(RuntimeDirectory()) + DateiTeil(klasse) + " - " +
           DateiTeil(titel);
}

bool PostWindowMessage(const QString& klasse, const QString& titel, const QString& nachricht)
{
    QLocalSocket socket;
    socket.connectToServer(MessageWindowName(klasse, titel));
    if (!socket.waitForConnected(kWarteMs))
        return false;
    QString zeile = nachricht.left(TMessageWindow::kMaxZeile);
    zeile.remove('\n');
    socket.write((zeile + '\n').toUtf8());
    const bool ok = socket.waitForBytesWritten(kWarteMs);
    socket.disconnectFromServer();
    return ok;
}

TMessageWindow::TMessageWindow(QObject* parent) : QObject(parent) {}

TMessageWindow::~TMessageWindow() = default;

bool TMessageWindow::Oeffnen(const QString& klasse, const QString& titel)
{
    const QString name = MessageWindowName(klasse, titel);
    {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(kWarteMs))
            return false;
    }
    QLocalServer::removeServer(name);
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &TMessageWindow::NeueVerbindung);
    if (!m_server->listen(name)) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    return true;
}

bool TMessageWindow::Offen() const
{
    return m_server != nullptr && m_server->isListening();
}

void TMessageWindow::NeueVerbindung()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Lesen(*socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        Lesen(*socket);
    }
}

void TMessageWindow::Lesen(QLocalSocket& socket)
{
    while (socket.canReadLine()) {
        const QByteArray zeile = socket.readLine(kMaxZeile + 2).trimmed();
        emit NachrichtErhalten(QString::fromUtf8(zeile));
    }
    // A line longer than the limit without its end is dropped with its sender.
    if (socket.bytesAvailable() > kMaxZeile)
        socket.abort();
}
