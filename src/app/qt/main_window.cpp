#include "app/qt/main_window.hpp"

#include "app/main_form.hpp"
#include "app/qt/color_grid_widget.hpp"
#include "app/qt/solution_dialogs.hpp"
#include "board/qt/colour.hpp"
#include "board/qt/mouse_progress_bar.hpp"
#include "core/qt/solver_dialog.hpp"
#include "logic/qt/candidate_pad_dialog.hpp"
#include "logic/qt/hint_dialog.hpp"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
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

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// Icon file of each toolbar button (Qt resource ":/icons/<name>.svg").
const std::map<std::string, const char *> kToolIcons = {
    {"btDisplayYourGameList", "gamelist"},
    {"btsave", "save"},
    {"btprintableBoard", "print"},
    {"btimport", "import"},
    {"btCreateVeryEasy", "level0"},
    {"btCreateGentle", "level1"},
    {"btCreateModerate", "level2"},
    {"btCreateTough", "level3"},
    {"btCreateDiabolical", "level4"},
    {"btRestart", "restart"},
    {"btsolve", "solution"},
    {"btcopy", "copy"},
    {"btsavepic", "picture"},
    {"btcheck", "check"},
    {"btShowhint", "hint"},
    {"btStartBranch", "branch_start"},
    {"btAccept", "branch_accept"},
    {"btRejectBranch", "branch_reject"},
    {"btfirst", "first"},
    {"btback", "back"},
    {"btnext", "next"},
    {"btlast", "last"},
    {"ToolButton1", "pencil"},
};

// Designed client-area geometry (pixels).
constexpr int kClientWidth = 593;
constexpr int kClientHeight = 540;
constexpr int kStatusHeight = 19;

QFont designedFont(const char *family, int pixelHeight, bool bold = false)
{
    QFont f(QString::fromUtf8(family));
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    return f;
}

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
    m_secondaryWindows = {{"Tfrmsolover", hint},
                          {"Tfrmda", new SolutionDialog(m_form.frmda(), this)},
                          {"TFrmdas", new MultipleSolutionsDialog(m_form.Frmdas(), this)}};
    // Every toggle of the pad writes the cell at once; closing it recounts the digits.
    connect(m_padDialog, &CandidatePadDialog::changed, this, [this] { syncFromModel(); });
    qApp->installEventFilter(this);
    syncFromModel();

    // Fixed single border: the client area keeps its designed size and cannot be resized.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    adjustSize();
    setFixedSize(sizeHint());
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    m_board->setEvents(nullptr);
}

QObject *MainWindow::controlObject(const std::string &name) const
{
    if (auto it = m_actions.find(name); it != m_actions.end())
        return it->second;
    if (auto it = m_widgets.find(name); it != m_widgets.end())
        return it->second;
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Building

void MainWindow::buildMenus()
{
    for (const Control &c : m_form.controls()) {
        if (c.kind != ControlKind::MenuItem)
            continue;
        if (c.parent.empty()) {
            QMenu *menu = menuBar()->addMenu(qs(c.caption));
            m_menus[c.name] = menu;
            m_actions[c.name] = menu->menuAction();
            continue;
        }
        QMenu *owner = m_menus.at(c.parent);
        QAction *action = c.isSeparator ? owner->addSeparator() : owner->addAction(qs(c.caption));
        m_actions[c.name] = action;
        if (!c.isSeparator) {
            const std::string name = c.name;
            connect(action, &QAction::triggered, this, [this, name] { menuTriggered(name); });
        }
    }
}

void MainWindow::buildClientArea()
{
    m_client = new QWidget(this);
    m_client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(m_client);
    m_widgets["Form1"] = m_client;
    watchHover(m_client, "Form1");

    buildToolBars();
    buildBoardFrame();
    buildSidePanel();

    m_status = new QLabel(m_client);
    m_status->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
    m_status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_status->setAutoFillBackground(true);
    m_status->setIndent(3);
    m_widgets["sb1"] = m_status;
}

void MainWindow::buildToolBars()
{
    auto makeBar = [this](const std::string &name, int top, int height) {
        auto *bar = new QFrame(m_client);
        bar->setGeometry(0, top, kClientWidth, height);
        bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
        bar->setLineWidth(1);
        m_widgets[name] = bar;
        watchHover(bar, name);
        return bar;
    };
    QFrame *upper = makeBar("ToolBar1", 0, 29);
    QFrame *lower = makeBar("ToolBar2", 495, 26);

    auto addButton = [this](QFrame *bar, const std::string &name, int x, int y, int w, int h) {
        auto *button = new QToolButton(bar);
        button->setGeometry(x, y, w, h);
        button->setAutoRaise(true);
        button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(kToolIcons.at(name))));
        button->setIconSize(QSize(16, 16));
        button->setFocusPolicy(Qt::NoFocus);
        m_widgets[name] = button;
        watchHover(button, name);
        connect(button, &QToolButton::clicked, this, [this, name] { menuTriggered(name); });
    };

    // Upper toolbar: buttons 23 x 22, separators 8 wide; the clock and the level text sit at
    // their designed places.
    int x = 2;
    for (const char *name : {"btDisplayYourGameList", "btsave", "btprintableBoard", "btimport"}) {
        addButton(upper, name, x, 3, 23, 22);
        x += 23;
    }
    x += 8;
    for (const char *name : {"btCreateVeryEasy", "btCreateGentle", "btCreateModerate",
                             "btCreateTough", "btCreateDiabolical"}) {
        addButton(upper, name, x, 3, 23, 22);
        x += 23;
    }
    m_clockTimer = new QTimer(this);
    connect(m_clockTimer, &QTimer::timeout, this, [this] {
        m_form.TimeLabel1Timer();
        syncClock(); // the rest of the window does not change with the clock
    });
    m_clock = new QLabel(upper);
    m_clock->setGeometry(236, 3, 77, 22);
    m_clock->setAlignment(Qt::AlignCenter);
    m_clock->setAutoFillBackground(true);
    m_clock->setStyleSheet(QStringLiteral("background: black; color: lime;"));
    m_clock->setFont(designedFont("MS Sans Serif", 15, true));
    m_widgets["TimeLabel1"] = m_clock;
    watchHover(m_clock, "TimeLabel1");
    x = 236 + 77 + 8;
    for (const char *name : {"btRestart", "btsolve", "btcopy", "btsavepic"}) {
        addButton(upper, name, x, 3, 23, 22);
        x += 23;
    }
    m_level = new QLabel(upper);
    m_level->setGeometry(428, 3, 158, 22);
    m_level->setFont(designedFont("MS Sans Serif", 19));
    m_widgets["ndtxt"] = m_level;
    watchHover(m_level, "ndtxt");

    // Lower toolbar: the auto-update box, then buttons 25 x 25.
    addCheckBox(lower, "cbautoupdate", QRect(4, 1, 158, 24));
    x = 162 + 8;
    for (const char *name : {"btcheck", "btShowhint"}) {
        addButton(lower, name, x, 0, 25, 25);
        x += 25;
    }
    x += 8;
    for (const char *name : {"btStartBranch", "btAccept", "btRejectBranch"}) {
        addButton(lower, name, x, 0, 25, 25);
        x += 25;
    }
    x += 8;
    for (const char *name : {"btfirst", "btback", "btnext", "btlast"}) {
        addButton(lower, name, x, 0, 25, 25);
        x += 25;
    }
    x += 8;
    addButton(lower, "ToolButton1", x, 0, 25, 25);
    x += 25 + 8;
    auto *completion = new QLabel(lower);
    completion->setGeometry(x, 2, kClientWidth - x - 4, 22);
    completion->setFont(designedFont("MS Sans Serif", 15, true));
    completion->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_widgets["WC_Label"] = completion;
}

void MainWindow::buildBoardFrame()
{
    auto *panel1 = new QFrame(m_client);
    panel1->setGeometry(6, 31, 466, 462);
    panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel1->setLineWidth(1);
    m_widgets["Panel1"] = panel1;
    watchHover(panel1, "Panel1");

    auto *panel2 = new QFrame(panel1);
    panel2->setGeometry(1, 1, 464, 460);
    m_widgets["Panel2"] = panel2;
    watchHover(panel2, "Panel2");

    const QFont labelFont = designedFont("MS Sans Serif", 13, true);
    const int rowY[9] = {38, 85, 132, 179, 226, 273, 320, 367, 415};
    const int colX[9] = {46, 92, 138, 185, 231, 277, 324, 370, 417};
    for (int i = 0; i < 9; ++i) {
        auto *rowLabel = new QLabel(QString(QChar('A' + i)), panel2);
        rowLabel->setFont(labelFont);
        rowLabel->move(10, rowY[i]);
        auto *colLabel = new QLabel(QString::number(i + 1), panel2);
        colLabel->setFont(labelFont);
        colLabel->move(colX[i], 3);
    }

    m_board = new BoardWidget(&m_form.board(), panel2);
    m_board->move(25, 20);

    auto *site = new QLabel(panel2);
    site->setGeometry(324, 443, 118, 13);
    site->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_widgets["lbl1"] = site;
}

void MainWindow::buildSidePanel()
{
    auto *modes = new QGroupBox(m_client);
    modes->setGeometry(480, 40, 107, 168);
    m_widgets["grpshowcandidates"] = modes;
    watchHover(modes, "grpshowcandidates");
    const std::pair<const char *, int> radios[] = {{"rb_none", 17}, {"rb_all", 35}, {"rb_one", 54}};
    for (const auto &[name, y] : radios) {
        auto *radio = new QRadioButton(modes);
        radio->setGeometry(8, y, 97, 17);
        radio->setFocusPolicy(Qt::NoFocus);
        m_widgets[name] = radio;
        watchHover(radio, name);
        const Mode mode = std::string_view(name) == "rb_none" ? Mode::PencilAndPaper
            : std::string_view(name) == "rb_all"              ? Mode::AllCandidates
                                                              : Mode::PartCandidates;
        connect(radio, &QRadioButton::clicked, this,
                [this, mode] { runAndSync([&] { m_form.radioClick(mode); }); });
    }
    for (int d = 1; d <= 9; ++d) {
        auto *button = new QToolButton(modes);
        button->setGeometry(5 + 33 * ((d - 1) % 3), 75 + 29 * ((d - 1) / 3), 29, 28);
        button->setText(QString::number(d));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(designedFont("Arial", 16, true));
        button->setStyleSheet(QStringLiteral(
            "QToolButton { border: 1px solid #5a7fa8; border-radius: 4px; color: #1d3557;"
            " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfefe,"
            " stop:0.5 #dce8f4, stop:0.51 #c6d9ee, stop:1 #e4eef8); }"
            "QToolButton:hover { border-color: #2b6cb0; }"
            "QToolButton:checked { color: white; border-color: #1e4f86;"
            " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6fa3dc,"
            " stop:0.5 #3c7cc4, stop:0.51 #2d6bb3, stop:1 #4f8ed3); }"));
        const std::string name = "disnote" + std::to_string(d);
        m_widgets[name] = button;
        watchHover(button, name);
        connect(button, &QToolButton::clicked, this,
                [this, d] { runAndSync([&] { m_form.disnote11Click(d); }); });
    }

    auto *colours = new QGroupBox(m_client);
    colours->setGeometry(480, 219, 107, 173);
    m_widgets["grpColorPanel"] = colours;
    watchHover(colours, "grpColorPanel");
    addCheckBox(colours, "chkcolor", QRect(8, 18, 95, 17));
    m_colorGrid = new ColorGridWidget(colours);
    m_colorGrid->setGeometry(6, 36, 96, 100);
    m_colorGrid->setColours(TForm1::colorGridColours());
    m_widgets["colorgrid1"] = m_colorGrid;
    watchHover(m_colorGrid, "colorgrid1");
    connect(m_colorGrid, &ColorGridWidget::colourClicked, this,
            [this](int index) { runAndSync([&] { m_form.colorGridSelect(index); }); });
    auto *clear = new QToolButton(colours);
    clear->setGeometry(6, 141, 96, 25);
    clear->setFocusPolicy(Qt::NoFocus);
    m_widgets["bt_clearcolor"] = clear;
    watchHover(clear, "bt_clearcolor");
    connect(clear, &QToolButton::clicked, this,
            [this] { runAndSync([&] { m_form.bt_clearcolorClick(); }); });

    const std::pair<const char *, QPoint> helps[]
        = {{"bthelp1", {565, 37}}, {"bthelp2", {565, 217}}};
    for (const auto &[name, pos] : helps) {
        auto *help = new QToolButton(m_client);
        help->setGeometry(pos.x(), pos.y(), 19, 17);
        help->setFocusPolicy(Qt::NoFocus);
        m_widgets[name] = help;
        watchHover(help, name);
        const std::string helpName = name;
        connect(help, &QToolButton::clicked, this, [this, helpName] { menuTriggered(helpName); });
    }

    const int barX[9] = {480, 492, 504, 516, 529, 541, 553, 565, 578};
    for (int d = 1; d <= 9; ++d) {
        auto *bar = new Tmousepb(m_client);
        bar->setGeometry(barX[d - 1], 432, 11, 57);
        bar->setMaximum(9);
        bar->setCursor(Qt::PointingHandCursor);
        m_widgets["ProgressBar" + std::to_string(d)] = bar;
        connect(bar, &Tmousepb::pressed, this, [this, d](Qt::MouseButton button) {
            if (button == Qt::LeftButton || button == Qt::RightButton) {
                const MouseButton which
                    = button == Qt::LeftButton ? MouseButton::Left : MouseButton::Right;
                runAndSync([&] { m_form.ProgressBar1MouseDown(d, which); });
            }
        });
    }
}

void MainWindow::addCheckBox(QWidget *parent, const std::string &name, const QRect &geometry)
{
    auto *box = new QCheckBox(parent);
    box->setGeometry(geometry);
    box->setFocusPolicy(Qt::NoFocus);
    m_widgets[name] = box;
    watchHover(box, name);
    connect(box, &QCheckBox::clicked, this, [this, name](bool checked) {
        runAndSync([&] { m_form.checkBoxClick(name, checked); });
    });
}

void MainWindow::watchHover(QWidget *widget, const std::string &name)
{
    m_hoverNames[widget] = name;
    widget->installEventFilter(this);
}

// ---------------------------------------------------------------------------------------------
// Syncing the widgets from the logic

void MainWindow::syncFromModel()
{
    setWindowTitle(qs(m_form.caption()));
    const QFont interfaceFont = [this] {
        QFont f(qs(m_form.interfaceFontName()));
        f.setPointSize(m_form.interfaceFontSize());
        return f;
    }();
    m_client->setFont(interfaceFont);
    menuBar()->setFont(interfaceFont);

    for (const Control &c : m_form.controls()) {
        if (auto it = m_actions.find(c.name); it != m_actions.end()) {
            QAction *action = it->second;
            if (!c.isSeparator)
                action->setText(qs(c.caption));
            action->setVisible(c.visible);
            action->setEnabled(c.enabled);
            continue;
        }
        auto it = m_widgets.find(c.name);
        if (it == m_widgets.end())
            continue;
        QWidget *w = it->second;
        w->setEnabled(c.enabled);
        switch (c.kind) {
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
        case ControlKind::ToolButton:
            w->setToolTip(qs(c.hint));
            break;
        case ControlKind::Label:
            static_cast<QLabel *>(w)->setText(qs(c.caption));
            w->setVisible(c.visible);
            break;
        default:
            break;
        }
    }
    m_level->setFont(designedFont("MS Sans Serif", 19));
    m_clock->setFont(designedFont("MS Sans Serif", 15, true));

    m_status->setText(qs(m_form.statusText()));
    QPalette palette = m_status->palette();
    palette.setColor(QPalette::Window,
                     m_form.statusColour() ? toQColor(*m_form.statusColour())
                                           : QApplication::palette().color(QPalette::Button));
    m_status->setPalette(palette);

    for (int d = 1; d <= 9; ++d) {
        auto *bar = static_cast<Tmousepb *>(m_widgets.at("ProgressBar" + std::to_string(d)));
        bar->setPosition(m_form.progressBar(d).position);
        bar->setBarColour(m_form.progressBar(d).color);
    }
    syncClock();

    syncCandidatePad();
    m_colorGrid->setSelectedIndex(m_form.colorGridForeground());
    m_board->setEnabled(m_form.board().enabled);
    m_board->refreshFromModel();

    if (m_form.closeRequested())
        close();
}

void MainWindow::showSolverWindow()
{
    if (!m_solverDialog)
        m_solverDialog = new SolverDialog(m_form.frm_sol(), m_dialogs, this);
    m_solverDialog->show();
    m_solverDialog->raise();
}

void MainWindow::syncCandidatePad()
{
    const bool shouldShow = m_form.frmtile().visible;
    if (shouldShow && !m_padDialog->isVisible()) {
        const PixelPos offset = m_form.padOffset();
        m_padDialog->move(frameGeometry().topLeft() + QPoint(offset.x, offset.y));
    }
    if (shouldShow != m_padDialog->isVisible())
        m_padDialog->syncFromModel();
}

void MainWindow::syncClock()
{
    const TTimeLabel &clock = m_form.TimeLabel1();
    m_clock->setText(qs(clock.caption()));
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

void MainWindow::menuTriggered(const std::string &name)
{
    runAndSync([&] {
        if (name == "mnExit")
            m_form.mnExitClick();
        else if (name == "mnAbout")
            m_form.mnAboutClick();
        else if (name == "mnN11")
            m_form.mnN11Click();
        else if (name == "mnSolverWindow")
            showSolverWindow();
        else if (name.rfind("mnc", 0) == 0 || name.rfind("mne", 0) == 0 || name == "mnj1")
            m_form.webMenuClick(name);
        else if (name == "btCreateVeryEasy" || name == "mnVeryEasy")
            m_form.btCreateVeryEasyClick();
        else if (name == "btCreateGentle" || name == "mnGentle")
            m_form.btCreateGentleClick();
        else if (name == "btCreateModerate" || name == "mnModerate")
            m_form.btCreateModerateClick();
        else if (name == "btCreateTough" || name == "mnTough")
            m_form.btCreateToughClick();
        else if (name == "btCreateDiabolical" || name == "mnDiabolical")
            m_form.btCreateDiabolicalClick();
        else if (name == "btRestart")
            m_form.btRestartClick();
        else if (name == "btfirst")
            m_form.btfirstClick();
        else if (name == "btback")
            m_form.btbackClick();
        else if (name == "btnext")
            m_form.btnextClick();
        else if (name == "btlast")
            m_form.btlastClick();
        else if (name == "btStartBranch")
            m_form.btStartBranchClick();
        else if (name == "btAccept")
            m_form.btAcceptClick();
        else if (name == "btRejectBranch")
            m_form.btRejectBranchClick();
        else if (name == "btcheck")
            m_form.btcheckClick();
        else if (name == "btShowhint")
            m_form.btShowhintClick();
        else if (name == "btsolve")
            m_form.btsolveClick();
        else if (name == "bthelp1")
            m_form.bthelp1Click();
        else if (name == "bthelp2")
            m_form.bthelp2Click();
        else if (name == "mnContent")
            m_form.mnContentClick();
        else if (name == "mnContinue")
            m_form.mnContinueClick();
        else if (name == "savet")
            m_form.savetClick();
        else if (name == "mnLoadReplay")
            m_form.mnLoadReplayClick();
        else if (name == "ToolButton1" && m_form.rb_noneMouseDown())
            m_form.radioClick(Mode::PencilAndPaper);
        // Commands of the play, file and help rooms are attached here as they arrive.
    });
}

// ---------------------------------------------------------------------------------------------
// Events

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *target = qobject_cast<QWidget *>(watched);
    // Keys meant for the main window only (not for the candidate pad or another window).
    if (event->type() == QEvent::KeyPress && isActiveWindow() && target != nullptr
        && target->window() == this) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
            bool swallowed = false;
            runAndSync([&] { swallowed = m_form.ApplicationEvents1Message(9, true); });
            if (swallowed)
                return true;
        }
        // Main-keyboard digits only: a keypad digit carries the keypad modifier.
        if (key->key() >= Qt::Key_1 && key->key() <= Qt::Key_9
            && !(key->modifiers() & Qt::KeypadModifier) && !key->isAutoRepeat()) {
            bool used = false;
            runAndSync([&] { used = m_form.FormKeyDown(key->key()); });
            if (used)
                return true;
        }
    }
    if (event->type() == QEvent::Enter) {
        if (auto it = m_hoverNames.find(watched); it != m_hoverNames.end())
            runAndSync([&] { m_form.controlHovered(it->second); });
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (watched == m_widgets.at("rb_none") && mouse->button() == Qt::LeftButton) {
            bool goOn = true;
            runAndSync([&] { goOn = m_form.rb_noneMouseDown(); });
            if (!goOn)
                return true; // the press is used up by restoring the previous mode
        }
        if (auto it = m_hoverNames.find(watched); it != m_hoverNames.end()
            && it->second.rfind("disnote", 0) == 0 && mouse->button() == Qt::RightButton) {
            const int digit = it->second.back() - '0';
            runAndSync([&] { m_form.disnote1MouseDown(digit, MouseButton::Right); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
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
    runAndSync([&] { m_form.cellClick(row, col, button); });
}

void MainWindow::candidatePressed(int row, int col, int digit, MouseButton button)
{
    runAndSync([&] { m_form.candidateClick(row, col, digit, button); });
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
