#include "devicedata/MessdatenLader.h"

#include <QThread>

namespace hvx {

CMessdatenLader::CMessdatenLader(QString path, QObject* parent) : QObject(parent), m_path(std::move(path)) {}

CMessdatenLader::~CMessdatenLader()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
        delete m_thread;
    }
}

void CMessdatenLader::Start()
{
    if (m_thread)
        return;
    m_thread = QThread::create([this] {
        m_result = LeseMessdatenDatei(
            m_path,
            [this](qint64 done, qint64 total) {
                m_permille = total > 0 ? int(done * 1000 / total) : 1000;
                return !m_cancel.load();
            },
            &m_cause);
    });
    // Announced on this object's thread once the reading has ended.
    connect(m_thread, &QThread::finished, this, &CMessdatenLader::finished, Qt::QueuedConnection);
    m_thread->start();
}

bool CMessdatenLader::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

} // namespace hvx
