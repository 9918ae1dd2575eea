#pragma once
// One running program per user: the first start listens on a local socket named after the
// frame's window class and the user; a later start asks it to come forward and ends.

#include <QObject>
#include <QString>

class QLocalServer;

namespace hvx::gui {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket name for this user.
    static QString ServerName(const QString& key);

    // True when another instance answered (and was asked to come forward); otherwise this
    // process becomes the running instance and listens.
    bool AnotherIsRunning();

Q_SIGNALS:
    // A later start asked this instance to show itself.
    void activationRequested();

private:
    void onNewConnection();
    QString m_name;
    QLocalServer* m_server = nullptr;
};

} // namespace hvx::gui
