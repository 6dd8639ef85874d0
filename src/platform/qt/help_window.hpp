#pragma once
// The program's own help viewer: the shipped HTML pages in a text browser with back and
// forward, and the table of contents (the links of the contents page) at the side. The pages
// come from the interface language's folder, page by page from the English one where that
// language has none. Nothing it shows comes from the network.

#include "platform/platform.hpp"

#include <QWidget>

#include <string>
#include <vector>

class QAction;
class QListWidget;
class QTextBrowser;
class QUrl;

namespace kestrel {

class HelpWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    /// Shows the page file `path`. The contents list comes from the contents page
    /// ("index.htm") of the language's folders, or of the page's own folder while no language
    /// was set. False (nothing shown) when the page cannot be read.
    bool showPage(const QString &path);
    /// Pages come from `help.folders` from now on (a link to a page the first folder lacks
    /// leads to the next folder holding it) and the buttons take its captions. A page on show
    /// is shown again from the new folders, with a fresh history; a hidden window stays
    /// hidden.
    void setLanguage(const HelpLanguage &help);

    QTextBrowser *browser() const { return m_browser; }
    QListWidget *contents() const { return m_contents; }

private:
    /// The path of page `fileName` in the language's folders; empty when none holds it.
    QString findPage(const QString &fileName) const;
    /// The contents page that goes with the page file `path`.
    QString contentsPageFor(const QString &path) const;
    void showSource(const QString &path, const QString &fragment);
    void followLink(const QUrl &link);
    void loadContents(const QString &index);
    void selectContentsEntry(const QUrl &page);

    std::vector<std::string> m_folders;
    QString m_contentsPage; ///< the contents page the list was made from
    QString m_contentsCaption;
    QTextBrowser *m_browser;
    QListWidget *m_contents;
    QAction *m_back;
    QAction *m_forward;
    QAction *m_home;
};

} // namespace kestrel
