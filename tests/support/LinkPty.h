#pragma once
// A pseudo-terminal pair for link tests: the code under test opens the slave device by its
// path, the test plays the other end on the master.

#include <QByteArray>
#include <QString>
#include <chrono>

namespace hvxtest {

class LinkPty {
public:
    LinkPty();
    ~LinkPty();
    LinkPty(const LinkPty&) = delete;
    LinkPty& operator=(const LinkPty&) = delete;

    bool isValid() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }

    void send(const QByteArray& bytes);
    // Collects what the slave side wrote until count bytes are there or the time-out passes.
    QByteArray receive(int count, std::chrono::milliseconds timeout);
    // Everything written so far, after the line has been quiet for the given time.
    QByteArray receiveUntilQuiet(std::chrono::milliseconds quiet);
    void closeMaster();

private:
    int m_master = -1;
    QString m_slavePath;
};

} // namespace hvxtest
