#include "app/gui/HelpWindow.h"

#include "base/Language.h"
#include "base/Log.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QKeySequence>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QTreeWidget>

namespace {

constexpr int kTextTitle = 3080;    // "HVX – Hilfe"
constexpr int kTextBack = 3081;     // "Zurück"
constexpr int kTextForward = 3082;  // "Vor"
constexpr int kTextContents = 3083; // "Inhalt"
constexpr int kTextHome = 3084;     // "Anfang"
constexpr int kTopicRole = Qt::UserRole;
constexpr QSize kDefaultSize(1040, 760);
constexpr int kContentsWidth = 250;

// Pictures wider than the text column are shown smaller, as the style sheet's max-width does
// in a web browser (the text browser knows no max-width).
constexpr int kMaxPictureWidth = 640;

class ManualBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override
    {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::ImageResource)
            return resource;
        QImage picture = resource.typeId() == QMetaType::QByteArray ? QImage::fromData(resource.toByteArray())
                                                                    : resource.value<QImage>();
        if (picture.width() <= kMaxPictureWidth)
            return resource;
        return picture.scaledToWidth(kMaxPictureWidth, Qt::SmoothTransformation);
    }
};

QPointer<CHelpWindow>& current()
{
    static QPointer<CHelpWindow> window;
    return window;
}

QIcon themeIcon(const char* name, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QLatin1String(name), QApplication::style()->standardIcon(fallback));
}

QString pageOf(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveFragment).toLocalFile();
}

} // namespace

CHelpWindow::CHelpWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_browser(new ManualBrowser(this))
    , m_contents(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program even while the manual is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_browser->setOpenExternalLinks(true);
    m_contents->setHeaderHidden(true);
    m_contents->setRootIsDecorated(true);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kContentsWidth, kDefaultSize.width() - kContentsWidth});
    setCentralWidget(splitter);

    QToolBar* bar = addToolBar(QString());
    bar->setObjectName(QStringLiteral("HelpToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = bar->addAction(themeIcon("go-previous", QStyle::SP_ArrowBack), QString(), this, &CHelpWindow::back);
    m_forward = bar->addAction(themeIcon("go-next", QStyle::SP_ArrowForward), QString(), this, &CHelpWindow::forward);
    m_home = bar->addAction(themeIcon("go-home", QStyle::SP_DirHomeIcon), QString(), this, &CHelpWindow::home);
    m_back->setShortcut(QKeySequence::Back);
    m_forward->setShortcut(QKeySequence::Forward);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &CHelpWindow::selectTopic);
    connect(m_contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        QUrl url = QUrl::fromLocalFile(m_page);
        url.setFragment(item->data(0, kTopicRole).toString());
        open(url);
    });
    connect(m_contents, &QTreeWidget::itemClicked, m_contents, &QTreeWidget::itemActivated);
    applyTexts();
    resize(kDefaultSize);
}

CHelpWindow* CHelpWindow::Show(const QUrl& url, QWidget* origin)
{
    // A modal dialog blocks every window but its own: the help window then belongs to it.
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr && origin != nullptr)
        owner = origin->window();
    CHelpWindow* window = current();
    if (window != nullptr && window->parentWidget() != owner) {
        window->close();
        window = nullptr;
    }
    if (window == nullptr) {
        window = new CHelpWindow(owner);
        current() = window;
        LogEntry(1, QStringLiteral("CHelpWindow::OnInitDialog"));
    }
    window->open(url);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

CHelpWindow* CHelpWindow::Current()
{
    return current();
}

void CHelpWindow::CloseAll()
{
    if (CHelpWindow* window = current())
        window->close();
}

void CHelpWindow::applyTexts()
{
    setWindowTitle(GetStringsText(kTextTitle));
    m_back->setText(GetStringsText(kTextBack));
    m_forward->setText(GetStringsText(kTextForward));
    m_home->setText(GetStringsText(kTextHome));
    m_contents->setToolTip(GetStringsText(kTextContents));
}

QUrl CHelpWindow::source() const
{
    return m_browser->source();
}

QString CHelpWindow::selectedTopic() const
{
    const QTreeWidgetItem* item = m_contents->currentItem();
    return item != nullptr ? item->data(0, kTopicRole).toString() : QString();
}

void CHelpWindow::open(const QUrl& url)
{
    const QString page = pageOf(url);
    if (page != m_page) {
        m_page = page;
        QFile file(page);
        const QString html = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        buildContents(html);
        useStyleSheetOf(html, page);
        m_browser->setSearchPaths({QFileInfo(page).absolutePath()});
    }
    m_browser->setSource(url);
    // An address without a topic shows the manual's start.
    if (url.fragment().isEmpty())
        m_browser->verticalScrollBar()->setValue(0);
}

void CHelpWindow::back()
{
    m_browser->backward();
}

void CHelpWindow::forward()
{
    m_browser->forward();
}

void CHelpWindow::home()
{
    open(QUrl::fromLocalFile(m_page));
}

// The contents: every second- and third-level heading of the manual with an id, in order.
void CHelpWindow::buildContents(const QString& html)
{
    m_contents->clear();
    static const QRegularExpression heading(QStringLiteral("<h([23])\\b[^>]*\\bid=\"([^\"]+)\"[^>]*>(.*?)</h\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QTreeWidgetItem* chapter = nullptr;
    for (auto it = heading.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString title = QTextDocumentFragment::fromHtml(match.captured(3)).toPlainText().simplified();
        QTreeWidgetItem* item = nullptr;
        if (match.captured(1) == QLatin1String("2") || chapter == nullptr) {
            item = new QTreeWidgetItem(m_contents, {title});
            chapter = item;
        } else {
            item = new QTreeWidgetItem(chapter, {title});
        }
        item->setData(0, kTopicRole, match.captured(2));
    }
}

// The style sheet the page links to, as the browser's default: the text browser does not follow
// a page's style-sheet link itself.
void CHelpWindow::useStyleSheetOf(const QString& html, const QString& page)
{
    static const QRegularExpression link(QStringLiteral("<link\\b[^>]*\\brel=\"stylesheet\"[^>]*\\bhref=\"([^\"]+)\""));
    const QRegularExpressionMatch match = link.match(html);
    QString css;
    if (match.hasMatch()) {
        QFile file(QFileInfo(page).absoluteDir().filePath(match.captured(1)));
        if (file.open(QIODevice::ReadOnly))
            css = QString::fromUtf8(file.readAll());
    }
    m_browser->document()->setDefaultStyleSheet(css);
}

void CHelpWindow::selectTopic(const QUrl& url)
{
    const QString topic = url.fragment();
    const QSignalBlocker blocker(m_contents);
    m_contents->clearSelection();
    m_contents->setCurrentItem(nullptr);
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if ((*it)->data(0, kTopicRole).toString() == topic) {
            m_contents->setCurrentItem(*it);
            m_contents->scrollToItem(*it);
            (*it)->setExpanded(true);
            return;
        }
    }
}
