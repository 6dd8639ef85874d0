#pragma once
// The Import window's shell: the text area with its context menu, the hint line, the
// example buttons, OK and Cancel. The logic (TfrmImport) holds the text and decides.

#include <QDialog>

#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kestrel {

class TfrmImport;

class ImportDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ImportDialog(TfrmImport &logic, QWidget *parent = nullptr);

    QPlainTextEdit *textArea() const { return m_text; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *exampleButton(int example) const { return m_examples[std::size_t(example - 1)]; }
    /// Re-reads the logic's captions and text.
    void syncFromModel();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showContextMenu(const QPoint &pos);
    void takeText();

    TfrmImport &m_logic;
    QPlainTextEdit *m_text;
    QLabel *m_hintLine;
    QLabel *m_formats;
    std::array<QPushButton *, 4> m_examples{};
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace kestrel
