#include "exchange/qt/create_puzzle_dialog.hpp"

#include "exchange/frm_new.hpp"
#include "exchange/qt/exchange_fonts.hpp"

#include <QPushButton>

namespace kestrel {

CreatePuzzleDialog::CreatePuzzleDialog(Tfrm_new &logic, QWidget *parent)
    : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("frm_new"));
    setFixedSize(Tfrm_new::kClientWidth, Tfrm_new::kClientHeight);
    setFont(exchangeWindowFont());
    m_board = new BoardWidget(&m_logic.sdnew(), this);
    m_board->move(3, 2);
    m_board->setEvents(this);
    m_load = addButton(5, 25, &Tfrm_new::loadPuzzleClick);
    m_import = addButton(34, 25, &Tfrm_new::importClick);
    m_clear = addButton(63, 25, &Tfrm_new::clearGridClick);
    m_check = addButton(92, 25, &Tfrm_new::checkPuzzleClick);
    m_play = addButton(121, 26, &Tfrm_new::playPuzzleClick);
    m_quit = addButton(150, 25, &Tfrm_new::quitClick);
}

CreatePuzzleDialog::~CreatePuzzleDialog()
{
    m_board->setEvents(nullptr);
}

QPushButton *CreatePuzzleDialog::addButton(int top, int height, void (Tfrm_new::*handler)())
{
    auto *button = new QPushButton(this);
    button->setGeometry(429, top, 115, height);
    connect(button, &QPushButton::clicked, this, [this, handler] {
        (m_logic.*handler)();
        syncFromModel();
    });
    return button;
}

void CreatePuzzleDialog::showEvent(QShowEvent *event)
{
    m_logic.applyLanguage();
    syncFromModel();
    QDialog::showEvent(event);
}

void CreatePuzzleDialog::syncFromModel()
{
    const CreateCaptions &captions = m_logic.captions();
    setWindowTitle(QString::fromStdString(captions.caption));
    m_load->setText(QString::fromStdString(captions.loadPuzzle));
    m_import->setText(QString::fromStdString(captions.import));
    m_clear->setText(QString::fromStdString(captions.clearGrid));
    m_check->setText(QString::fromStdString(captions.checkPuzzle));
    m_play->setText(QString::fromStdString(captions.playPuzzle));
    m_quit->setText(QString::fromStdString(captions.quit));
    m_board->refreshFromModel();
}

void CreatePuzzleDialog::cellPressed(int row, int col, MouseButton button)
{
    m_logic.cellPress(row, col, button);
    m_board->refreshFromModel();
}

void CreatePuzzleDialog::candidatePressed(int row, int col, int digit, MouseButton button)
{
    m_logic.candidatePress(row, col, digit, button);
    m_board->refreshFromModel();
}

void CreatePuzzleDialog::cellEntered(int row, int col)
{
    m_logic.hoverEnter(row, col, 0);
    m_board->refreshFromModel();
}

void CreatePuzzleDialog::cellLeft(int row, int col)
{
    m_logic.hoverLeave(row, col, 0);
    m_board->refreshFromModel();
}

void CreatePuzzleDialog::candidateEntered(int row, int col, int digit)
{
    m_logic.hoverEnter(row, col, digit);
    m_board->refreshFromModel();
}

void CreatePuzzleDialog::candidateLeft(int row, int col, int digit)
{
    m_logic.hoverLeave(row, col, digit);
    m_board->refreshFromModel();
}

} // namespace kestrel
