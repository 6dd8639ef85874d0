#pragma once
// The About window's shell: the icon beside the name and version, the description, the list
// of libraries and fonts with their licences, and Close. It is made for one showing of a
// `TfrmAbout` and deleted after it, as the logic is.

#include <QDialog>

namespace kestrel {

class TfrmAbout;

class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    /// The window showing `logic`'s texts (read once: the language cannot change while the
    /// window is up).
    explicit AboutDialog(TfrmAbout &logic, QWidget *parent = nullptr);

private:
    TfrmAbout &m_logic;
};

} // namespace kestrel
