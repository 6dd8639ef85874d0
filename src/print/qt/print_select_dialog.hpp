#pragma once
// The Qt shell of the print selection window: two radio buttons for the style, the "Paper
// Size" group and two flat buttons, placed as designed. It reads its logic object each time it
// is shown and writes every choice straight back, so the choices outlive the dialog's
// openings.

#include <QDialog>

#include <array>

class QGroupBox;
class QRadioButton;
class QToolButton;

namespace kestrel {

class Tfrmprintselect;

class PrintSelectDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PrintSelectDialog(Tfrmprintselect &logic, QWidget *parent = nullptr);

    /// Re-reads the texts and the choices from the logic.
    void syncFromModel();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void okClicked();

    Tfrmprintselect &m_logic;
    QGroupBox *m_styleGroup;
    QRadioButton *m_normal;
    QRadioButton *m_candidates;
    QGroupBox *m_paperGroup;
    std::array<QRadioButton *, 3> m_paper{};
    QToolButton *m_ok;
    QToolButton *m_cancel;
};

} // namespace kestrel
