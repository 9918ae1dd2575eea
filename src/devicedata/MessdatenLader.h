#pragma once
// Reads a measured-data file into columns on a thread of its own, so that the window keeps
// working (and can offer Cancel) while a month of lines is read. The result is taken on the
// thread that started it, after finished().

#include "devicedata/MessdatenSpalten.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <optional>

class QThread;

namespace hvx {

class CMessdatenLader : public QObject {
    Q_OBJECT
public:
    explicit CMessdatenLader(QString path, QObject* parent = nullptr);
    // Cancels a reading that still runs and waits for its end.
    ~CMessdatenLader() override;

    void Start();
    void Cancel() { m_cancel = true; }
    bool isRunning() const;
    // Read so far, 0..1000.
    int permille() const { return m_permille; }

    // After finished(): the columns, or nothing when cancelled or unreadable (then cause()).
    bool cancelled() const { return m_cancel; }
    std::optional<MessdatenSpalten> takeResult() { return std::move(m_result); }
    QString cause() const { return m_cause; }

Q_SIGNALS:
    void finished();

private:
    QString m_path;
    QThread* m_thread = nullptr;
    std::atomic<bool> m_cancel{false};
    std::atomic<int> m_permille{0};
    // Written by the reading thread only until it ends.
    std::optional<MessdatenSpalten> m_result;
    QString m_cause;
};

} // namespace hvx
