#include "platform/qt/help_window.hpp"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace kestrel {

namespace {

constexpr auto kContentsPage = "index.htm";

QString readPage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser), m_contents(new QListWidget)
{
    setObjectName(QStringLiteral("helpWindow"));
    auto *toolbar = new QToolBar;
    m_back = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    m_forward = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    QAction *home
        = toolbar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this,
            [this] { showPage(QDir(m_folder).filePath(QLatin1String(kContentsPage))); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);

    // Pages link only to one another; anything else is never fetched.
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl &page) {
        setWindowTitle(m_browser->documentTitle());
        selectContentsEntry(page);
    });
    connect(m_contents, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        m_browser->setSource(item->data(Qt::UserRole).toUrl());
    });
    connect(m_contents, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        m_browser->setSource(item->data(Qt::UserRole).toUrl());
    });

    auto *splitter = new QSplitter;
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 530});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(splitter);
    resize(800, 580);
}

bool HelpWindow::showPage(const QString &path)
{
    const QFileInfo page(path);
    if (!page.isReadable())
        return false;
    const QString folder = page.absolutePath();
    if (folder != m_folder) {
        m_folder = folder;
        loadContents(folder);
    }
    m_browser->setSource(QUrl::fromLocalFile(page.absoluteFilePath()));
    show();
    raise();
    activateWindow();
    return true;
}

void HelpWindow::loadContents(const QString &folder)
{
    // The contents page first, then each page it links to, named by its first link text.
    m_contents->clear();
    const QDir dir(folder);
    const QString index = dir.filePath(QLatin1String(kContentsPage));
    const QString html = readPage(index);
    static const QRegularExpression titleTag(QStringLiteral("<title>([^<]*)</title>"));
    const QString indexTitle = titleTag.match(html).captured(1);
    auto *first = new QListWidgetItem(indexTitle.isEmpty() ? tr("Contents") : indexTitle);
    first->setData(Qt::UserRole, QUrl::fromLocalFile(index));
    m_contents->addItem(first);
    static const QRegularExpression link(
        QStringLiteral("<a href=\"([^\":#]+\\.htm)\"[^>]*>([^<]+)</a>"));
    QStringList seen{QLatin1String(kContentsPage)};
    for (auto match = link.globalMatch(html); match.hasNext();) {
        const auto found = match.next();
        const QString target = found.captured(1);
        if (seen.contains(target))
            continue;
        seen << target;
        auto *item = new QListWidgetItem(found.captured(2).simplified());
        item->setData(Qt::UserRole, QUrl::fromLocalFile(dir.filePath(target)));
        m_contents->addItem(item);
    }
}

void HelpWindow::selectContentsEntry(const QUrl &page)
{
    const QUrl withoutFragment = page.adjusted(QUrl::RemoveFragment);
    for (int row = 0; row < m_contents->count(); ++row) {
        QListWidgetItem *item = m_contents->item(row);
        if (item->data(Qt::UserRole).toUrl() == withoutFragment) {
            m_contents->setCurrentItem(item);
            return;
        }
    }
    m_contents->clearSelection();
}

} // namespace kestrel
