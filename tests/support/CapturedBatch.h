#pragma once
// A batch interaction whose messages go to a temporary file instead of standard error, so that
// a test can read what a batch run would have shown.

#include "base/BatchInteraction.h"

#include <QByteArray>
#include <QString>
#include <cstdio>

namespace hvx::test {

class CapturedBatch {
public:
    CapturedBatch() : m_file(std::tmpfile()), m_batch(m_file) {}
    ~CapturedBatch() { std::fclose(m_file); }
    CapturedBatch(const CapturedBatch&) = delete;
    CapturedBatch& operator=(const CapturedBatch&) = delete;

    bool isValid() const { return m_file != nullptr; }
    BatchInteraction& interaction() { return m_batch; }

    // Everything written so far.
    QString messages()
    {
        std::fflush(m_file);
        std::rewind(m_file);
        QByteArray text;
        char chunk[512];
        while (const std::size_t n = std::fread(chunk, 1, sizeof chunk, m_file))
            text.append(chunk, qsizetype(n));
        return QString::fromUtf8(text);
    }

private:
    std::FILE* m_file;
    BatchInteraction m_batch;
};

} // namespace hvx::test
