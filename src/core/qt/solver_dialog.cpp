#include "core/qt/solver_dialog.hpp"

#include "board/qt/edit_board_widget.hpp"
#include "core/solver.hpp"
#include "platform/platform.hpp"
#include "platform/qt/interface_font.hpp"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrel {

SolverDialog::SolverDialog(Tfrm_sol &logic, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_logic(logic), m_dialogs(dialogs)
{
    setWindowTitle(QStringLiteral("Tfrm_sol"));

    m_board = new EditBoardWidget(&m_logic.so, this);
    m_edit1 = new QLineEdit(this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    // The field is the logic's; every keystroke is written straight through.
    connect(m_edit1, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_logic.Edit1 = text.toStdString(); });

    auto *buttons = new QHBoxLayout;
    const auto addButton = [this, buttons](const char *name, const char *caption, auto handler) {
        auto *b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false); // Return in a field must not press a button
        connect(b, &QPushButton::clicked, this, handler);
        buttons->addWidget(b);
    };
    addButton("btsettable", "Set Table", [this] {
        m_logic.btsettableClick();
        syncFromLogic();
    });
    addButton("Button1", "solver", [this] {
        m_logic.Button1Click();
        syncFromLogic(); // the board shows the values behind the message box
        m_dialogs.inform(m_logic.lastMessage());
    });
    addButton("Button2", "show da", [this] {
        m_logic.Button2Click();
        syncFromLogic();
    });
    addButton("Button3", "clear", [this] {
        m_logic.Button3Click();
        syncFromLogic();
    });
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_board);
    layout->addWidget(m_edit1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    syncFromLogic();
}

QPushButton *SolverDialog::button(const QString &caption) const
{
    for (QPushButton *b : findChildren<QPushButton *>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

void SolverDialog::syncFromLogic()
{
    const QString puzzle = QString::fromStdString(m_logic.Edit1);
    if (m_edit1->text() != puzzle)
        m_edit1->setText(puzzle);
    m_board->syncFromModel();
    applyInterfaceFont(*this, m_logic.font);
}

} // namespace kestrel
