#include "app/gui/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace hvx::gui {
namespace {
constexpr int kConnectTimeoutMs = 1000;
} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent)
    , m_name(ServerName(key))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::ServerName(const QString& key)
{
    // Per user, and per settings file: a separate settings file (HVX_SETTINGS) is a separate
    // installation, as the tests and portable installs use it.
    const QByteArray identity = QByteArray::number(static_cast<qulonglong>(getuid())) + '|' + qgetenv("HVX_SETTINGS");
    const QByteArray hash = QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex().left(12);
    return key + u'-' + QString::fromLatin1(hash);
}

bool SingleInstance::AnotherIsRunning()
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
        probe.disconnectFromServer();
        return true;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A socket left behind by an instance that crashed.
        QLocalServer::removeServer(m_name);
        m_server->listen(m_name);
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    return false;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Every connection is a later start: nothing else connects to this socket.
        Q_EMIT activationRequested();
    }
}

} // namespace hvx::gui
