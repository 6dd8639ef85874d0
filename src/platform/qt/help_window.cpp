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

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

QUrl pageUrl(const QString &path, const QString &fragment = {})
{
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    return url;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), m_contentsCaption(tr("Contents")), m_browser(new QTextBrowser),
      m_contents(new QListWidget)
{
    setObjectName(QStringLiteral("helpWindow"));
    auto *toolbar = new QToolBar;
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    m_forward = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    m_home = toolbar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), m_contentsCaption);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_home, &QAction::triggered, this, [this] {
        if (!m_contentsPage.isEmpty())
            showPage(m_contentsPage);
    });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);

    // Links are followed here, not by the browser: a page the language lacks is taken from
    // English, and anything that is not a shipped file is never fetched.
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
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

    // Long page names wrap in the contents rather than hide behind a scroll bar.
    m_contents->setWordWrap(true);
    m_contents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *splitter = new QSplitter;
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 600});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(splitter);
    resize(840, 620);
}

QString HelpWindow::findPage(const QString &fileName) const
{
    const auto found = findHelpPage(m_folders, fileName.toStdString(), [](const std::string &path) {
        return QFile::exists(qs(path));
    });
    return found ? qs(*found) : QString();
}

QString HelpWindow::contentsPageFor(const QString &path) const
{
    if (const QString index = findPage(QLatin1String(kContentsPage)); !index.isEmpty())
        return index;
    return QFileInfo(path).absoluteDir().filePath(QLatin1String(kContentsPage));
}

bool HelpWindow::showPage(const QString &path)
{
    if (!QFileInfo(path).isReadable())
        return false;
    showSource(path, {});
    show();
    raise();
    activateWindow();
    return true;
}

void HelpWindow::showSource(const QString &path, const QString &fragment)
{
    const QString index = QFileInfo(contentsPageFor(path)).absoluteFilePath();
    if (index != m_contentsPage) {
        m_contentsPage = index;
        loadContents(index);
    }
    m_browser->setSource(pageUrl(path, fragment));
}

void HelpWindow::setLanguage(const HelpLanguage &help)
{
    m_folders = help.folders;
    if (!help.back.empty())
        m_back->setText(qs(help.back));
    if (!help.forward.empty())
        m_forward->setText(qs(help.forward));
    if (!help.contents.empty()) {
        m_contentsCaption = qs(help.contents);
        m_home->setText(m_contentsCaption);
    }
    const QUrl shown = m_browser->source();
    if (!shown.isLocalFile())
        return; // nothing on show yet
    const QString page = findPage(QFileInfo(shown.toLocalFile()).fileName());
    if (page.isEmpty())
        return;
    m_contentsPage.clear(); // the list is made again, in the new language
    showSource(page, shown.fragment());
    // The pages behind Back are in the old language.
    m_browser->clearHistory();
}

void HelpWindow::followLink(const QUrl &link)
{
    const QUrl target = m_browser->source().resolved(link);
    if (!target.isLocalFile())
        return;
    QString path = target.toLocalFile();
    if (!QFileInfo::exists(path)) {
        path = findPage(QFileInfo(path).fileName());
        if (path.isEmpty())
            return;
    }
    m_browser->setSource(pageUrl(path, target.fragment()));
}

void HelpWindow::loadContents(const QString &index)
{
    // The contents page first, then each page it links to, named by its first link text.
    m_contents->clear();
    const QDir dir = QFileInfo(index).absoluteDir();
    const QString html = readPage(index);
    static const QRegularExpression titleTag(QStringLiteral("<title>([^<]*)</title>"));
    const QString indexTitle = titleTag.match(html).captured(1);
    auto *first = new QListWidgetItem(indexTitle.isEmpty() ? m_contentsCaption : indexTitle);
    first->setData(Qt::UserRole, pageUrl(index));
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
        QString path = dir.filePath(target);
        if (!QFileInfo::exists(path))
            if (const QString other = findPage(QFileInfo(target).fileName()); !other.isEmpty())
                path = other;
        auto *item = new QListWidgetItem(found.captured(2).simplified());
        item->setData(Qt::UserRole, pageUrl(path));
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
