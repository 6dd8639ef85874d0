#pragma once
// The Save window's shell: a name edit, the six levels in two columns, OK and Cancel. The
// logic (`Tfrmsave`) is made afresh for every save; the dialog asks for the current one each
// time it shows.

#include <QDialog>

#include <array>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kestrel {

class Tfrmsave;

class SaveDialog : public QDialog
{
    Q_OBJECT
public:
    /// `current` gives the open Save window's logic (null while none is open).
    explicit SaveDialog(std::function<Tfrmsave *()> current, QWidget *parent = nullptr);

    /// Re-reads every control from the logic.
    void syncFromModel();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void pressOk();

    std::function<Tfrmsave *()> m_current;
    QLabel *m_label;
    QLineEdit *m_name;
    QGroupBox *m_levels;
    QButtonGroup *m_levelGroup;
    std::array<QRadioButton *, 6> m_levelButtons{};
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace kestrel
