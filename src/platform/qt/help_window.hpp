#pragma once
// The program's own help viewer: the shipped HTML pages in a text browser with back and
// forward, and the table of contents (the links of the contents page) at the side. Nothing
// it shows comes from the network.

#include <QWidget>

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

    /// Shows the page file `path`; the contents list comes from "index.htm" in its folder.
    /// False (nothing shown) when the page cannot be read.
    bool showPage(const QString &path);

    QTextBrowser *browser() const { return m_browser; }
    QListWidget *contents() const { return m_contents; }

private:
    void loadContents(const QString &folder);
    void selectContentsEntry(const QUrl &page);

    QString m_folder;
    QTextBrowser *m_browser;
    QListWidget *m_contents;
    QAction *m_back;
    QAction *m_forward;
};

} // namespace kestrel
