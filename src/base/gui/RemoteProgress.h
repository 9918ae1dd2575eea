#pragma once
// The modeless progress display of a transfer: one bar, stepped byte by byte.

#include <QDialog>

class QProgressBar;

class CRemoteProgress : public QDialog {
    Q_OBJECT
public:
    CRemoteProgress(const QString& title, int range, QWidget* parent);
    void setPosition(int position);
    QProgressBar* bar() const { return m_bar; }

private:
    QProgressBar* m_bar;
};
