#include "app/qt/main_window.hpp"

#include "app/about_window.hpp"
#include "app/main_form.hpp"
#include "app/qt/about_dialog.hpp"
#include "app/qt/color_grid_widget.hpp"
#include "app/qt/solution_dialogs.hpp"
#include "app/window_layout.hpp"
#include "board/qt/appearance_dialog.hpp"
#include "board/qt/colour.hpp"
#include "board/qt/mouse_progress_bar.hpp"
#include "core/board.hpp"
#include "core/qt/solver_dialog.hpp"
#include "exchange/qt/copy_dialog.hpp"
#include "exchange/qt/create_puzzle_dialog.hpp"
#include "exchange/qt/import_dialog.hpp"
#include "library/qt/game_list_dialog.hpp"
#include "library/qt/save_dialog.hpp"
#include "logic/qt/candidate_pad_dialog.hpp"
#include "logic/qt/hint_dialog.hpp"
#include "print/qt/print_select_dialog.hpp"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

// The icons live in the static UI library; make sure the linker keeps them.
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace kestrel {

namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QRect rectOf(const ControlRow &row)
{
    return QRect(row.geometry.x, row.geometry.y, row.geometry.width, row.geometry.height);
}

QFont designedFont(const char *family, int pixelHeight, bool bold = false)
{
    QFont f(QString::fromUtf8(family));
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    return f;
}

std::size_t slot(ControlId id)
{
    return static_cast<std::size_t>(id);
}

// The digit of a digit key pressed with Shift, which Qt reports by its shifted symbol ("!" on a
// US keyboard) or, on the keypad with Num Lock on, as a navigation key. The physical key is
// recognised by its scan code where the platform's codes are known, by the US symbols
// elsewhere; 0 when the key is no digit.
int shiftedDigitOf(const QKeyEvent &event)
{
    const quint32 code = event.nativeScanCode();
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (code >= 10 && code <= 18)
            return static_cast<int>(code) - 9; // the main row's 1..9
        constexpr quint32 kKeypad[9] = {87, 88, 89, 83, 84, 85, 79, 80, 81}; // keypad 1..9
        for (int d = 1; d <= 9; ++d)
            if (code == kKeypad[d - 1])
                return d;
    }
#ifdef Q_OS_WIN
    if (code >= 2 && code <= 10)
        return static_cast<int>(code) - 1;
#endif
    const int at = QStringLiteral("!@#$%^&*(").indexOf(event.text());
    return event.text().size() == 1 && at >= 0 ? at + 1 : 0;
}

struct KeyName
{
    int qtKey;
    Key key;
};
constexpr KeyName kKeyNames[] = {
    {Qt::Key_Tab, Key::Tab},
    {Qt::Key_Escape, Key::Escape},
    {Qt::Key_Up, Key::Up},
    {Qt::Key_Down, Key::Down},
    {Qt::Key_Left, Key::Left},
    {Qt::Key_Right, Key::Right},
    {Qt::Key_Home, Key::Home},
    {Qt::Key_End, Key::End},
    {Qt::Key_Return, Key::Enter},
    {Qt::Key_Enter, Key::Enter},
    {Qt::Key_Space, Key::Space},
    {Qt::Key_Delete, Key::Delete},
    {Qt::Key_Backspace, Key::Backspace},
    {Qt::Key_F1, Key::F1},
    {Qt::Key_F5, Key::F5},
    {Qt::Key_N, Key::N},
    {Qt::Key_P, Key::P},
    {Qt::Key_R, Key::R},
    {Qt::Key_Y, Key::Y},
    {Qt::Key_Z, Key::Z},
};

// The keys the model tells apart, from a Qt key event.
KeyPress keyPressOf(const QKeyEvent &event)
{
    KeyPress press;
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    press.fromKeypad = modifiers & Qt::KeypadModifier;
    press.withModifiers = (modifiers & ~Qt::KeypadModifier) != Qt::NoModifier;
    press.autoRepeat = event.isAutoRepeat();
    press.ctrl = modifiers & Qt::ControlModifier;
    press.shift = modifiers & Qt::ShiftModifier;
    if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        press.key = digitKey(key - Qt::Key_1 + 1);
        return press;
    }
    if (press.shift) {
        if (const int d = shiftedDigitOf(event); d != 0) {
            press.key = digitKey(d);
            return press;
        }
    }
    for (const KeyName &name : kKeyNames)
        if (name.qtKey == key)
            press.key = name.key;
    return press;
}

constexpr const char *kDigitButtonStyle
    = "QToolButton { border: 1px solid #5a7fa8; border-radius: 4px; color: #1d3557;"
      " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfefe,"
      " stop:0.5 #dce8f4, stop:0.51 #c6d9ee, stop:1 #e4eef8); }"
      "QToolButton:hover { border-color: #2b6cb0; }"
      "QToolButton:checked { color: white; border-color: #1e4f86;"
      " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6fa3dc,"
      " stop:0.5 #3c7cc4, stop:0.51 #2d6bb3, stop:1 #4f8ed3); }";

} // namespace

MainWindow::MainWindow(TForm1 &form, Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_form(form), m_dialogs(dialogs)
{
    initIconResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    buildMenus();
    buildClientArea();
    m_board->setEvents(this);
    m_padDialog = new CandidatePadDialog(m_form.frmtile(), this);
    auto *hint = new HintDialog(m_form.frmsolover(), this);
    connect(hint, &HintDialog::boardChanged, this, [this] { m_board->refreshFromModel(); });
    auto *gameList = new GameListDialog(m_form.frmgamelist(), this);
    connect(gameList, &GameListDialog::boardChanged, this, [this] { m_board->refreshFromModel(); });
    m_secondaryWindows = {{"Tfrmsolover", hint},
                          {"Tfrmda", new SolutionDialog(m_form.frmda(), this)},
                          {"TFrmdas", new MultipleSolutionsDialog(m_form.Frmdas(), this)},
                          {"Tfrm_sol", new SolverDialog(m_form.frm_sol(), m_dialogs, this)}};
    // The Import window stands over the Import-or-create window that opens it.
    auto *create = new CreatePuzzleDialog(m_form.frm_new(), this);
    m_secondaryWindows.emplace(std::string(Tfrm_new::kWindowName), create);
    m_secondaryWindows.emplace(std::string(TfrmImport::kWindowName),
                               new ImportDialog(m_form.frmImport(), create));
    m_secondaryWindows.emplace(std::string(Tfrmcopy::kWindowName),
                               new CopyDialog(m_form.frmcopy(), this));
    m_secondaryWindows.emplace("Tfrmsave",
                               new SaveDialog([this] { return m_form.frmsave(); }, this));
    m_secondaryWindows.emplace("Tfrmgamelist", gameList);
    m_secondaryWindows.emplace("Tfrmprintselect",
                               new PrintSelectDialog(m_form.frmprintselect(), this));
    m_secondaryWindows.emplace("TfrmAppearance",
                               new AppearanceDialog(m_form.frmAppearance(), this));
    // Every toggle of the pad writes the cell at once; closing it recounts the digits.
    connect(m_padDialog, &CandidatePadDialog::changed, this, [this] { syncFromModel(); });
    qApp->installEventFilter(this);
    syncFromModel();

    // The window opens at its designed size (or the size it had when it was last closed)
    // and can be enlarged; it never gets smaller than designed.
    adjustSize();
    setMinimumSize(sizeHint());
    if (const PlayOptions &options = m_form.playOptions(); options.windowWidth > 0)
        resize(QSize(options.windowWidth, options.windowHeight).expandedTo(minimumSize()));
    layOutClientArea();
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    m_board->setEvents(nullptr);
}

std::map<std::string, std::function<QDialog *()>> MainWindow::windowsMadeOnDemand()
{
    return {{std::string(TfrmAbout::kWindowName), [this]() -> QDialog * {
                 TfrmAbout *about = m_form.frmAbout();
                 return about ? new AboutDialog(*about, this) : nullptr;
             }}};
}

QObject *MainWindow::controlObject(ControlId id) const
{
    if (QAction *action = m_actions[slot(id)])
        return action;
    return m_widgets[slot(id)];
}

// ---------------------------------------------------------------------------------------------
// Building from the control table

void MainWindow::buildMenus()
{
    // A menu item that owns others is a submenu (Tools > Language).
    std::array<bool, kControlCount> ownsItems{};
    for (const ControlRow &row : mainControlTable())
        if (row.kind == ControlKind::MenuItem && row.parent)
            ownsItems[slot(*row.parent)] = true;
    auto *languages = new QActionGroup(this);
    for (const ControlRow &row : mainControlTable()) {
        if (row.kind != ControlKind::MenuItem)
            continue;
        if (!row.parent || ownsItems[slot(row.id)]) {
            QMenu *menu = row.parent ? m_menus[slot(*row.parent)]->addMenu(qs(row.caption))
                                     : menuBar()->addMenu(qs(row.caption));
            m_menus[slot(row.id)] = menu;
            m_actions[slot(row.id)] = menu->menuAction();
            continue;
        }
        QMenu *owner = m_menus[slot(*row.parent)];
        QAction *action
            = row.isSeparator ? owner->addSeparator() : owner->addAction(qs(row.caption));
        m_actions[slot(row.id)] = action;
        if (menuLanguage(row.id)) {
            // The active language carries the check mark.
            action->setCheckable(true);
            languages->addAction(action);
        }
        if (row.id == ControlId::mnShowMistakes)
            action->setCheckable(true);
        if (!row.isSeparator) {
            const ControlId id = row.id;
            connect(action, &QAction::triggered, this,
                    [this, id] { runAndSync([&] { m_form.trigger(id); }); });
        }
    }
}

void MainWindow::buildClientArea()
{
    m_client = new QWidget(this);
    m_client->setMinimumSize(kDesignedClientWidth, kDesignedClientHeight);
    setCentralWidget(m_client);
    m_widgets[slot(ControlId::Form1)] = m_client;
    watchHover(m_client, ControlId::Form1);

    for (const ControlRow &row : mainControlTable()) {
        if (row.kind == ControlKind::MenuItem || row.id == ControlId::Form1 || row.isSeparator)
            continue;
        QWidget *parent = row.parent ? m_widgets[slot(*row.parent)] : m_client;
        QWidget *widget = buildControl(row, parent);
        m_widgets[slot(row.id)] = widget;
        widget->setGeometry(rectOf(row));
    }
    buildBoard(m_widgets[slot(ControlId::Panel2)]);
    buildBranchLine();
}

void MainWindow::buildBranchLine()
{
    // The open branch's line stands at the right end of the status line, apart from the
    // hints that come and go at its left.
    m_branchLine = new QLabel(m_widgets[slot(ControlId::sb1)]);
    m_branchLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_branchLine->setStyleSheet(QStringLiteral("color: #7a3e00; font-weight: bold;"));
}

void MainWindow::layOutClientArea()
{
    if (m_board == nullptr || m_branchLine == nullptr)
        return; // still being built
    const int w = m_client->width(), h = m_client->height();
    for (const ControlRow &row : mainControlTable()) {
        QWidget *widget = m_widgets[slot(row.id)];
        if (widget == nullptr || row.id == ControlId::Form1 || row.kind == ControlKind::MenuItem)
            continue;
        const ControlRect r = placeControl(row.id, w, h);
        widget->setGeometry(r.x, r.y, r.width, r.height);
    }
    const double s = boardScale(w, h);
    const ControlRect board = scaled({25, 20, TPICSD33::kSize, TPICSD33::kSize}, s);
    m_board->setGeometry(board.x, board.y, board.width, board.height);
    const QFont labelFont = designedFont("MS Sans Serif", static_cast<int>(13 * s), true);
    const int rowY[9] = {38, 85, 132, 179, 226, 273, 320, 367, 415};
    const int colX[9] = {46, 92, 138, 185, 231, 277, 324, 370, 417};
    for (std::size_t i = 0; i < 9; ++i) {
        m_rowLabels[i]->setFont(labelFont);
        m_rowLabels[i]->adjustSize();
        m_rowLabels[i]->move(static_cast<int>(10 * s), static_cast<int>(rowY[i] * s));
        m_colLabels[i]->setFont(labelFont);
        m_colLabels[i]->adjustSize();
        m_colLabels[i]->move(static_cast<int>(colX[i] * s), static_cast<int>(3 * s));
    }
    for (int d = 1; d <= 9; ++d) {
        const QRect bar = m_widgets[slot(progressBarOf(d))]->geometry();
        m_barDigits[static_cast<std::size_t>(d - 1)]->setGeometry(bar.x() - 2, bar.bottom() + 1,
                                                                  bar.width() + 4, 13);
    }
    QWidget *status = m_widgets[slot(ControlId::sb1)];
    m_branchLine->setGeometry(status->width() / 3, 0, status->width() * 2 / 3 - 4,
                              status->height());
}

QWidget *MainWindow::buildControl(const ControlRow &row, QWidget *parent)
{
    const ControlId id = row.id;
    switch (row.kind) {
    case ControlKind::ToolBar: {
        auto *bar = new QFrame(parent);
        bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
        bar->setLineWidth(1);
        watchHover(bar, id);
        return bar;
    }
    case ControlKind::Panel: {
        auto *panel = new QFrame(parent);
        if (id == ControlId::Panel1) {
            panel->setFrameStyle(QFrame::Box | QFrame::Plain);
            panel->setLineWidth(1);
        }
        watchHover(panel, id);
        return panel;
    }
    case ControlKind::ToolButton:
    case ControlKind::SpeedButton:
        return buildToolButton(row, parent);
    case ControlKind::GlassButton:
        return buildDigitButton(row, parent);
    case ControlKind::Clock:
        return buildClock(row, parent);
    case ControlKind::Label:
    case ControlKind::StatusBar:
        return buildLabel(row, parent);
    case ControlKind::GroupBox: {
        auto *group = new QGroupBox(parent);
        watchHover(group, id);
        return group;
    }
    case ControlKind::RadioButton: {
        auto *radio = new QRadioButton(parent);
        radio->setFocusPolicy(Qt::NoFocus);
        watchHover(radio, id);
        const Mode mode = id == ControlId::rb_none ? Mode::PencilAndPaper
            : id == ControlId::rb_all              ? Mode::AllCandidates
                                                   : Mode::PartCandidates;
        connect(radio, &QRadioButton::clicked, this,
                [this, mode] { runAndSync([&] { m_form.game().radioClick(mode); }); });
        return radio;
    }
    case ControlKind::CheckBox: {
        auto *box = new QCheckBox(parent);
        box->setFocusPolicy(Qt::NoFocus);
        watchHover(box, id);
        connect(box, &QCheckBox::clicked, this, [this, id](bool checked) {
            runAndSync([&] { m_form.checkBoxClick(id, checked); });
        });
        return box;
    }
    case ControlKind::ColorGrid:
        m_colorGrid = new ColorGridWidget(parent);
        m_colorGrid->setColours(Game::colorGridColours());
        watchHover(m_colorGrid, id);
        connect(m_colorGrid, &ColorGridWidget::colourClicked, this,
                [this](int index) { runAndSync([&] { m_form.game().setMarkingColour(index); }); });
        return m_colorGrid;
    case ControlKind::ProgressBar:
        return buildProgressBar(row, parent);
    case ControlKind::MenuItem:
        break;
    }
    return new QWidget(parent);
}

QWidget *MainWindow::buildClock(const ControlRow &row, QWidget *parent)
{
    auto *clock = new QLabel(parent);
    clock->setAlignment(Qt::AlignCenter);
    clock->setAutoFillBackground(true);
    clock->setStyleSheet(QStringLiteral("background: black; color: lime;"));
    clock->setFont(designedFont("MS Sans Serif", 15, true));
    watchHover(clock, row.id);
    m_clockTimer = new QTimer(this);
    connect(m_clockTimer, &QTimer::timeout, this, [this] {
        m_form.game().TimeLabel1Timer();
        syncClock(); // the rest of the window does not change with the clock
    });
    return clock;
}

QWidget *MainWindow::buildProgressBar(const ControlRow &row, QWidget *parent)
{
    auto *bar = new Tmousepb(parent);
    bar->setMaximum(9);
    bar->setCursor(Qt::PointingHandCursor);
    const int digit = static_cast<int>(row.id) - static_cast<int>(ControlId::ProgressBar1) + 1;
    auto *label = new QLabel(QString::number(digit), parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(designedFont("Arial", 10, true));
    m_barDigits[static_cast<std::size_t>(digit - 1)] = label;
    connect(bar, &Tmousepb::pressed, this, [this, digit](Qt::MouseButton button) {
        if (button == Qt::LeftButton || button == Qt::RightButton) {
            const MouseButton which
                = button == Qt::LeftButton ? MouseButton::Left : MouseButton::Right;
            runAndSync([&] { m_form.game().ProgressBar1MouseDown(digit, which); });
        }
    });
    return bar;
}

QWidget *MainWindow::buildToolButton(const ControlRow &row, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setFocusPolicy(Qt::NoFocus);
    if (!row.icon.empty()) {
        button->setAutoRaise(true);
        button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(qs(row.icon))));
        button->setIconSize(QSize(16, 16));
    }
    // Pause stays down while the game is paused, Start Branch while a branch is open.
    button->setCheckable(row.id == ControlId::btPause || row.id == ControlId::btStartBranch);
    watchHover(button, row.id);
    const ControlId id = row.id;
    connect(button, &QToolButton::clicked, this,
            [this, id] { runAndSync([&] { m_form.trigger(id); }); });
    return button;
}

QWidget *MainWindow::buildDigitButton(const ControlRow &row, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(qs(row.caption));
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFont(designedFont("Arial", 16, true));
    button->setStyleSheet(QString::fromLatin1(kDigitButtonStyle));
    watchHover(button, row.id);
    const int digit = static_cast<int>(row.id) - static_cast<int>(ControlId::disnote1) + 1;
    connect(button, &QToolButton::clicked, this,
            [this, digit] { runAndSync([&] { m_form.game().disnote11Click(digit); }); });
    return button;
}

QWidget *MainWindow::buildLabel(const ControlRow &row, QWidget *parent)
{
    auto *label = new QLabel(parent);
    switch (row.id) {
    case ControlId::ndtxt:
        label->setFont(designedFont("MS Sans Serif", 19));
        watchHover(label, row.id);
        break;
    case ControlId::WC_Label:
        label->setFont(designedFont("MS Sans Serif", 15, true));
        label->setStyleSheet(QStringLiteral("color: #c00000;"));
        break;
    case ControlId::lbl1:
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case ControlId::sb1:
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAutoFillBackground(true);
        label->setIndent(3);
        break;
    default:
        break;
    }
    return label;
}

void MainWindow::buildBoard(QWidget *panel)
{
    const QFont labelFont = designedFont("MS Sans Serif", 13, true);
    const int rowY[9] = {38, 85, 132, 179, 226, 273, 320, 367, 415};
    const int colX[9] = {46, 92, 138, 185, 231, 277, 324, 370, 417};
    for (int i = 0; i < 9; ++i) {
        auto *rowLabel = new QLabel(QString(QChar('A' + i)), panel);
        rowLabel->setFont(labelFont);
        rowLabel->move(10, rowY[i]);
        auto *colLabel = new QLabel(QString::number(i + 1), panel);
        colLabel->setFont(labelFont);
        colLabel->move(colX[i], 3);
        m_rowLabels[static_cast<std::size_t>(i)] = rowLabel;
        m_colLabels[static_cast<std::size_t>(i)] = colLabel;
    }
    m_board = new BoardWidget(&m_form.game().board(), panel);
    m_board->move(25, 20);
    m_widgets[slot(ControlId::lbl1)]->raise();
}

void MainWindow::watchHover(QWidget *widget, ControlId id)
{
    m_hoverIds[widget] = id;
    widget->installEventFilter(this);
}

// ---------------------------------------------------------------------------------------------
// Syncing the widgets from the logic

void MainWindow::syncLanguage()
{
    const Language language = m_form.language();
    if (m_shownLanguage == language)
        return;
    m_shownLanguage = language;
    // Qt's own buttons and dialogs follow the table; installing the translation sends every
    // widget a LanguageChange, and the secondary windows are told as well in case Qt has no
    // translation to install.
    m_qtTexts.apply(qtLocaleName(language));
    for (const auto &[name, window] : m_secondaryWindows) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window, &change);
    }
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(m_padDialog, &change);
}

void MainWindow::syncFromModel()
{
    syncLanguage();
    setWindowTitle(qs(m_form.caption()));
    QFont interfaceFont(qs(m_form.interfaceFontName()));
    interfaceFont.setPointSize(m_form.interfaceFontSize());
    m_client->setFont(interfaceFont);
    menuBar()->setFont(interfaceFont);

    for (const ControlRow &row : mainControlTable())
        syncControl(row.id);
    m_widgets[slot(ControlId::ndtxt)]->setFont(designedFont("MS Sans Serif", 19));
    m_widgets[slot(ControlId::TimeLabel1)]->setFont(designedFont("MS Sans Serif", 15, true));

    auto *status = static_cast<QLabel *>(m_widgets[slot(ControlId::sb1)]);
    status->setText(qs(m_form.statusText()));
    QPalette palette = status->palette();
    palette.setColor(QPalette::Window,
                     m_form.statusColour() ? toQColor(*m_form.statusColour())
                                           : QApplication::palette().color(QPalette::Button));
    status->setPalette(palette);

    for (int d = 1; d <= 9; ++d) {
        auto *bar = static_cast<Tmousepb *>(m_widgets[slot(progressBarOf(d))]);
        bar->setPosition(m_form.game().progressBar(d).position);
        bar->setBarColour(m_form.game().progressBar(d).color);
        const QString tip = qs(m_form.progressBarTooltip(d));
        bar->setToolTip(tip);
        m_barDigits[static_cast<std::size_t>(d - 1)]->setToolTip(tip);
    }
    m_branchLine->setText(qs(m_form.branchStatusText()));
    m_board->setCoverText(qs(m_form.text("msg_paused")));
    syncClock();

    syncCandidatePad();
    m_colorGrid->setSelectedIndex(m_form.game().markingColour());
    m_board->setEnabled(m_form.game().board().enabled);
    m_board->refreshFromModel();

    if (m_form.closeRequested())
        close();
}

void MainWindow::syncControl(ControlId id)
{
    const Control &c = m_form.control(id);
    const ControlRow &row = c.row();
    if (QAction *action = m_actions[slot(id)]) {
        if (!row.isSeparator) {
            QString text = qs(c.caption);
            if (const std::string_view keys = shortcutText(id); !keys.empty())
                text += QLatin1Char('\t')
                    + qs(keys); // shown beside the item; the model reads the keys
            action->setText(text);
        }
        if (action->isCheckable())
            action->setChecked(c.checked);
        action->setVisible(c.visible);
        action->setEnabled(c.enabled);
        if (action->isCheckable())
            action->setChecked(c.checked);
        return;
    }
    QWidget *w = m_widgets[slot(id)];
    if (w == nullptr)
        return;
    w->setEnabled(c.enabled);
    switch (row.kind) {
    case ControlKind::GroupBox:
        static_cast<QGroupBox *>(w)->setTitle(qs(c.caption));
        break;
    case ControlKind::RadioButton:
        static_cast<QRadioButton *>(w)->setText(qs(c.caption));
        static_cast<QRadioButton *>(w)->setChecked(c.checked);
        break;
    case ControlKind::CheckBox:
        static_cast<QCheckBox *>(w)->setText(qs(c.caption));
        static_cast<QCheckBox *>(w)->setChecked(c.checked);
        break;
    case ControlKind::SpeedButton:
        static_cast<QToolButton *>(w)->setText(qs(c.caption));
        break;
    case ControlKind::GlassButton:
        static_cast<QToolButton *>(w)->setChecked(c.down);
        break;
    case ControlKind::ToolButton: {
        QString tip = qs(c.hint);
        if (const std::string_view keys = shortcutText(id); !keys.empty())
            tip += QStringLiteral(" (%1)").arg(qs(keys));
        w->setToolTip(tip);
        auto *button = static_cast<QToolButton *>(w);
        if (button->isCheckable())
            button->setChecked(c.checked);
        break;
    }
    case ControlKind::Label:
        static_cast<QLabel *>(w)->setText(qs(c.caption));
        w->setVisible(c.visible);
        break;
    default:
        break;
    }
}

void MainWindow::syncCandidatePad()
{
    const bool shouldShow = m_form.frmtile().visible;
    if (shouldShow && !m_padDialog->isVisible()) {
        const PixelPos offset = m_form.padOffset();
        // The offset is for the designed board; on a grown board the pad keeps its place below
        // and right of its cell: the board's corner in the client area (26, 21 inside the
        // frame at (6, 31)) and the cell's far corner move out with the scale.
        const double grown = m_board->paintScale() - 1.0;
        const CellPos target = m_form.padTarget();
        const PixelPos cell = TPICSD33::cellOrigin(target.row, target.col);
        const QPoint shift(static_cast<int>(grown * (26 + cell.x + TPicNode::kSize)),
                           static_cast<int>(grown * (21 + cell.y + TPicNode::kSize)));
        m_padDialog->move(frameGeometry().topLeft() + QPoint(offset.x, offset.y) + shift);
    }
    if (shouldShow != m_padDialog->isVisible())
        m_padDialog->syncFromModel();
}

void MainWindow::syncClock()
{
    const TTimeLabel &clock = m_form.game().clock();
    static_cast<QLabel *>(m_widgets[slot(ControlId::TimeLabel1)])->setText(qs(clock.caption()));
    if (clock.timerenabled()) {
        if (!m_clockTimer->isActive() || m_clockTimer->interval() != clock.timeinterval())
            m_clockTimer->start(clock.timeinterval());
    } else {
        m_clockTimer->stop();
    }
}

void MainWindow::runAndSync(const std::function<void()> &handler)
{
    handler();
    syncFromModel();
}

// ---------------------------------------------------------------------------------------------
// Events

bool MainWindow::forwardKey(QObject *watched, QEvent *event)
{
    auto *target = qobject_cast<QWidget *>(watched);
    // Keys meant for the main window only (not for the candidate pad or another window).
    if (event->type() != QEvent::KeyPress || !isActiveWindow() || target == nullptr
        || target->window() != this)
        return false;
    const KeyPress press = keyPressOf(*static_cast<QKeyEvent *>(event));
    bool used = false;
    runAndSync(
        [&] { used = m_form.ApplicationEvents1Message(press, true) || m_form.FormKeyDown(press); });
    return used;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (forwardKey(watched, event))
        return true;
    if (watched == m_client && event->type() == QEvent::Resize)
        layOutClientArea();
    const auto hovered = m_hoverIds.find(watched);
    if (event->type() == QEvent::Enter && hovered != m_hoverIds.end())
        runAndSync([&] { m_form.controlHovered(hovered->second); });
    if (event->type() == QEvent::MouseButtonPress && hovered != m_hoverIds.end()) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const ControlId id = hovered->second;
        if (id == ControlId::rb_none && mouse->button() == Qt::LeftButton) {
            // The press may ask whether to leave the candidate mode. The button's release
            // arrives while that question is up and is lost, so the press carries out the
            // click itself when the question lets it, and is used up either way.
            runAndSync([&] { m_form.game().pressPencilAndPaper(); });
            return true;
        }
        if (controlRow(id).kind == ControlKind::GlassButton && mouse->button() == Qt::RightButton) {
            const int digit = static_cast<int>(id) - static_cast<int>(ControlId::disnote1) + 1;
            runAndSync([&] { m_form.game().disnote1MouseDown(digit, MouseButton::Right); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_form.rememberWindowSize(width(), height());
    m_form.FormClose();
    event->accept();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        runAndSync([&] { m_form.FormActivate(); });
    QMainWindow::changeEvent(event);
}

void MainWindow::cellPressed(int row, int col, MouseButton button)
{
    runAndSync([&] { m_form.boardMousePress(row, col, 0, button); });
}

void MainWindow::candidatePressed(int row, int col, int digit, MouseButton button)
{
    runAndSync([&] { m_form.boardMousePress(row, col, digit, button); });
}

void MainWindow::cellEntered(int row, int col)
{
    runAndSync([&] { m_form.hoverEnter(row, col, 0); });
}

void MainWindow::cellLeft(int row, int col)
{
    runAndSync([&] { m_form.hoverLeave(row, col, 0); });
}

void MainWindow::candidateEntered(int row, int col, int digit)
{
    runAndSync([&] { m_form.hoverEnter(row, col, digit); });
}

void MainWindow::candidateLeft(int row, int col, int digit)
{
    runAndSync([&] { m_form.hoverLeave(row, col, digit); });
}

} // namespace kestrel
