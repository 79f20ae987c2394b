#include "Platform/MessageWindow.h"

#include "Platform/NamedMutex.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {

constexpr int kWarteMs = 1000;
// A sender that connects and says nothing is not waited for longer than this.
constexpr int kVerbindungMs = 5000;

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
    m_fehler.clear();
    {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(kWarteMs)) {
            m_fehler = name + ": belegt";
            return false;
        }
    }
    // Nobody answers: a socket file left there belongs to a program that ended.
    QLocalServer::removeServer(name);
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &TMessageWindow::NeueVerbindung);
    if (!m_server->listen(name)) {
        m_fehler = name + ": " + m_server->errorString();
        delete m_server;
        m_server = nullptr;
        return false;
    }
    return true;
}

void TMessageWindow::NeueVerbindung()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Lesen(*socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kVerbindungMs, socket, [socket] { socket->abort(); });
        Lesen(*socket);
    }
}

void TMessageWindow::Lesen(QLocalSocket& socket)
{
    // A sender may already have hung up: what it wrote is still in the buffer.
    if (!socket.isOpen())
        return;
    if (!socket.canReadLine()) {
        if (socket.bytesAvailable() > kMaxZeile + 2)
            socket.abort();
        return;
    }
    // Room for the longest line with "\r\n"; a line that does not end within it is too long.
    QByteArray zeile = socket.readLine(kMaxZeile + 3);
    // One message per connection: whatever follows the first line is not read.
    socket.abort();
    if (!zeile.endsWith('\n'))
        return;
    zeile.chop(1);
    if (zeile.endsWith('\r'))
        zeile.chop(1);
    if (zeile.size() > kMaxZeile)
        return;
    emit NachrichtErhalten(QString::fromUtf8(zeile));
}
