#pragma once
// Marks the start of every user action in the window (a key press, a click, the wheel), so that
// the language files are looked at again once per action instead of at every text lookup.

#include <QObject>

namespace hvx::gui {

class UserActionFilter : public QObject {
public:
    // Installs itself on the application for as long as it lives.
    UserActionFilter();
    ~UserActionFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace hvx::gui
