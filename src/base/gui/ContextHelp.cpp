#include "base/gui/ContextHelp.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace hvx::gui {
namespace {

ContextHelpHandler& handler()
{
    static ContextHelpHandler installed;
    return installed;
}

} // namespace

void SetContextHelpHandler(ContextHelpHandler newHandler)
{
    handler() = std::move(newHandler);
}

bool RequestContextHelp(const QString& anchor, QWidget* origin)
{
    if (!handler())
        return false;
    handler()(anchor, origin);
    return true;
}

void AddContextHelpKey(QWidget* window, std::function<QString()> topic)
{
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    key->setObjectName(QStringLiteral("ContextHelpKey"));
    QObject::connect(key, &QShortcut::activated, window,
                     [window, topic = std::move(topic)] { RequestContextHelp(topic(), window); });
}

} // namespace hvx::gui
