#pragma once
// The copy window's shell: the editable text area, the layout radio buttons, the blank
// chooser, Copy and Close. The logic (Tfrmcopy) renders the layouts.

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kestrel {

class Tfrmcopy;

class CopyDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CopyDialog(Tfrmcopy &logic, QWidget *parent = nullptr);

    QPlainTextEdit *textArea() const { return m_text; }
    QComboBox *blankChooser() const { return m_blank; }
    /// The radio button of layout `index` (CopyLayout order).
    QRadioButton *layoutButton(int index) const { return m_layouts[std::size_t(index)]; }
    QPushButton *copyButton() const { return m_copy; }
    void syncFromModel();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Tfrmcopy &m_logic;
    QPlainTextEdit *m_text;
    QGroupBox *m_group;
    std::array<QRadioButton *, 4> m_layouts{};
    QLabel *m_blankLabel;
    QComboBox *m_blank;
    QPushButton *m_copy;
    QPushButton *m_close;
    bool m_syncing = false;
};

} // namespace kestrel
