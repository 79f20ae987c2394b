#pragma once
// Messages between the programs of one user, addressed like top-level windows by window class and
// title. A program that wants to be found opens a TMessageWindow; another program posts it a
// message with PostWindowMessage. The transport is a local socket in the user's runtime directory,
// reachable by this user only; a message is one line of text, one per connection.
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// The socket path of the window with that class and title.
QString MessageWindowName(const QString& klasse, const QString& titel);

// Delivers one message to the window of that class and title. True when the window was found
// (the connection succeeded) and the message handed over.
bool PostWindowMessage(const QString& klasse, const QString& titel, const QString& nachricht);

class TMessageWindow : public QObject {
    Q_OBJECT
public:
    explicit TMessageWindow(QObject* parent = nullptr);
    ~TMessageWindow() override;

    // Starts listening under class and title. False when another live window already answers
    // under that address or the socket cannot be created; a socket left behind by a program that
    // ended is removed first.
    bool Oeffnen(const QString& klasse, const QString& titel);
    // Why the last Oeffnen failed.
    const QString& Fehler() const { return m_fehler; }

    // Longest line accepted, without its line end. A longer line is dropped whole with its
    // connection, so a stranger can neither make us buffer without end nor smuggle a message in
    // behind the cut.
    static constexpr int kMaxZeile = 1024;

signals:
    void NachrichtErhalten(const QString& nachricht);

private:
    void NeueVerbindung();
    void Lesen(QLocalSocket& socket);

    QLocalServer* m_server = nullptr;
    QString m_fehler;
};
