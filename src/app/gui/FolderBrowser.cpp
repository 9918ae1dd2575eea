#include "app/gui/FolderBrowser.h"

#include "base/Language.h"
#include "base/Log.h"
#include "base/CompactPath.h"

#include <QEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace hvx::gui {
namespace {

FolderBrowser& installedBrowser()
{
    static FolderBrowser browser;
    return browser;
}

std::optional<QString> platformBrowser(QWidget* parent, const QString& title, const QString& initialFolder)
{
    const QString chosen = QFileDialog::getExistingDirectory(parent, title, initialFolder, QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return std::nullopt;
    return QDir::cleanPath(chosen);
}

} // namespace

std::optional<QString> BrowseForFolder(QWidget* parent, const QString& title, const QString& initialFolder)
{
    const FolderBrowser& browser = installedBrowser();
    return browser ? browser(parent, title, initialFolder) : platformBrowser(parent, title, initialFolder);
}

void SetFolderBrowser(FolderBrowser browser)
{
    installedBrowser() = std::move(browser);
}

QString CompactPathText(const QLineEdit* control, const QString& fullPath)
{
    const QFontMetrics metrics(control->font());
    const QMargins margins = control->textMargins();
    // The frame and the line edit's own inner margin on each side.
    const int frame = control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control) + 2;
    const int width = control->contentsRect().width() - margins.left() - margins.right() - 2 * frame;
    return hvx::CompactPathText(fullPath, [&](const QString& text) { return metrics.horizontalAdvance(text) <= width; });
}

PathField::PathField(QLineEdit* edit, QPushButton* browse, int titleNumber, QString marker, QObject* parent)
    : QObject(parent)
    , m_edit(edit)
    , m_browse(browse)
    , m_titleNumber(titleNumber)
    , m_marker(std::move(marker))
{
    // The path comes from the folder chooser only; the field looks as read-only as it is.
    m_edit->setReadOnly(true);
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    m_edit->setPalette(palette);
    m_edit->installEventFilter(this);
    connect(m_browse, &QPushButton::clicked, this, &PathField::OnBrowse);
}

void PathField::setPath(const QString& path)
{
    m_path = path;
    refresh();
}

void PathField::OnBrowse()
{
    LogEntry(1, m_marker);
    const std::optional<QString> chosen = BrowseForFolder(m_edit->window(), GetStringsText(m_titleNumber), m_path);
    if (chosen)
        setPath(*chosen);
}

bool PathField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        refresh();
    return QObject::eventFilter(watched, event);
}

void PathField::refresh()
{
    m_edit->setText(CompactPathText(m_edit, m_path));
    m_edit->setToolTip(m_path);
    m_edit->setCursorPosition(0);
}

} // namespace hvx::gui
