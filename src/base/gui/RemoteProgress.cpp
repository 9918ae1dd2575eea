#include "base/gui/RemoteProgress.h"

#include "base/Language.h"

#include <QProgressBar>
#include <QVBoxLayout>

CRemoteProgress::CRemoteProgress(const QString& title, int range, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_bar(new QProgressBar(this))
{
    const QString caption = GetDialogText(QStringLiteral("Remote-Progress-Dialog"), 132);
    setWindowTitle(!caption.isEmpty() ? caption : !title.isEmpty() ? title : QStringLiteral("Übertragung..."));
    m_bar->setRange(0, qMax(range, 0));
    m_bar->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    setMinimumWidth(360);
    setModal(false);
}

void CRemoteProgress::setPosition(int position)
{
    m_bar->setValue(qBound(m_bar->minimum(), position, m_bar->maximum()));
}
