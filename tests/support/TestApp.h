#pragma once
// A complete, isolated application object for a test: a temporary directory with its own
// settings file (HVX_SETTINGS), the program directory of the test executable (where the language
// folders are), a language, the log book in the temporary directory at level 2, and a scripted
// user interaction. The object is the current one (theApp()) while it lives.

#include "base/HvxApp.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace hvx::test {

class TestApp {
public:
    enum class Language { German, English, None };

    explicit TestApp(Language language = Language::German);
    ~TestApp();
    TestApp(const TestApp&) = delete;
    TestApp& operator=(const TestApp&) = delete;

    CHVXApp& app() { return *m_app; }
    const CHVXApp& app() const { return *m_app; }
    ScriptedInteraction& ui() { return m_ui; }

    QString dir() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString settingsPath() const;

    // The log book's lines (without line ends), and its whole text.
    QStringList logLines() const;
    QString logText() const;
    // The entry texts of the log lines, i.e. each line without its date and time.
    QStringList logEntries() const;

private:
    QTemporaryDir m_dir;
    std::optional<QByteArray> m_previousSettingsEnv;
    ScriptedInteraction m_ui;
    std::unique_ptr<CHVXApp> m_app;
};

} // namespace hvx::test
