#include "library/qt/game_list_dialog.hpp"

#include "library/game_list_window.hpp"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace kestrel {

namespace {

QString toQString(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

GameListDialog::GameListDialog(Tfrmgamelist &logic, QWidget *parent)
    : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("frmgamelist"));
    setFixedSize(377, 335);
    m_grid = new QTableWidget(this);
    m_grid->setGeometry(5, 5, 366, 286);
    m_grid->setColumnCount(2);
    m_grid->setColumnWidth(0, 217);
    m_grid->setColumnWidth(1, 116);
    m_grid->verticalHeader()->setVisible(false);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setFixedHeight(20);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    const auto button = [this](int x, int width) {
        auto *b = new QPushButton(this);
        b->setGeometry(x, 300, width, 25);
        return b;
    };
    m_delete = button(4, 75);
    m_rename = button(84, 75);
    m_ok = button(214, 75);
    m_cancel = button(293, 82);
    m_ok->setDefault(true);

    connect(m_grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { m_logic.selectRow(row); });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        m_logic.selectRow(row);
        m_logic.StringGrid1DblClick();
        afterPress();
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        m_logic.Button1Click();
        afterPress();
    });
    connect(m_rename, &QPushButton::clicked, this, [this] {
        m_logic.Button2Click();
        afterPress();
    });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_logic.Button3Click();
        afterPress();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_logic.Button4Click();
        afterPress();
    });
}

void GameListDialog::syncFromModel()
{
    setWindowTitle(toQString(m_logic.caption));
    m_delete->setText(toQString(m_logic.buttonCaptions[0]));
    m_rename->setText(toQString(m_logic.buttonCaptions[1]));
    m_ok->setText(toQString(m_logic.buttonCaptions[2]));
    m_cancel->setText(toQString(m_logic.buttonCaptions[3]));
    m_grid->setHorizontalHeaderLabels(
        {toQString(m_logic.header.name), toQString(m_logic.header.level)});
    const QSignalBlocker blocker(m_grid);
    const auto &rows = m_logic.rows();
    m_grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const GameListRow &row = rows[static_cast<std::size_t>(r)];
        m_grid->setItem(r, 0, new QTableWidgetItem(toQString(row.name)));
        m_grid->setItem(r, 1, new QTableWidgetItem(toQString(row.level)));
    }
    m_grid->setCurrentCell(m_logic.currentRow(), 0);
    m_grid->selectRow(m_logic.currentRow());
}

void GameListDialog::afterPress()
{
    if (m_logic.closeRequested()) {
        emit boardChanged();
        accept();
        return;
    }
    syncFromModel();
}

void GameListDialog::showEvent(QShowEvent *event)
{
    syncFromModel();
    m_grid->setFocus();
    QDialog::showEvent(event);
}

} // namespace kestrel
