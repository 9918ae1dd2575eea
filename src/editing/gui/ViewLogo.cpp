#include "editing/gui/ViewLogo.h"

#include "base/HvxApp.h"
#include "base/Log.h"

#include <QPainter>
#include <QSvgRenderer>

CViewLogo::CViewLogo() = default;
CViewLogo::~CViewLogo() = default;

void CViewLogo::load()
{
    CHVXApp& app = theApp();
    m_strFile = app.m_strProgDir + u'/' + app.GetStringSetting(hvx::settings::kLogoFileEMF);
    m_nWidth = app.GetIntSetting(hvx::settings::kLogoWidth);
    m_nPosX = app.GetIntSetting(hvx::settings::kLogoPosX);
    m_nPosY = app.GetIntSetting(hvx::settings::kLogoPosY);
    m_renderer = std::make_unique<QSvgRenderer>(m_strFile);
    if (!m_renderer->isValid()) {
        LogEntry(2, QStringLiteral("CHVXView::CHVXView logo not loaded"), m_strFile);
        m_renderer.reset();
    }
}

bool CViewLogo::isLoaded() const
{
    return m_renderer != nullptr;
}

QRectF CViewLogo::placement(QPointF offset) const
{
    if (!m_renderer)
        return {};
    const QSizeF groesse = m_renderer->viewBoxF().size();
    const double verhaeltnis = groesse.height() > 0 ? groesse.width() / groesse.height() : 1.0;
    return QRectF(m_nPosX + offset.x(), m_nPosY + offset.y(), m_nWidth, m_nWidth / verhaeltnis);
}

void CViewLogo::paint(QPainter& painter, QPointF offset) const
{
    if (m_renderer && m_nWidth > 0)
        m_renderer->render(&painter, placement(offset));
}
