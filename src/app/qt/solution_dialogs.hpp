#pragma once
// The windows of Show Solution: the solution board, and the two-solution viewer. Both read
// their logic objects each time they are shown.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace kestrel {

class BoardWidget;
class Tfrmda;
class TFrmdas;

class SolutionDialog : public QDialog
{
    Q_OBJECT
public:
    SolutionDialog(const Tfrmda &logic, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    /// A language change re-reads the captions the language routine set.
    void changeEvent(QEvent *event) override;

private:
    void syncCaptions();
    const Tfrmda &m_logic;
    BoardWidget *m_board;
    QPushButton *m_close;
};

class MultipleSolutionsDialog : public QDialog
{
    Q_OBJECT
public:
    MultipleSolutionsDialog(const TFrmdas &logic, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    /// A language change re-reads the captions the language routine set.
    void changeEvent(QEvent *event) override;

private:
    void syncCaptions();
    const TFrmdas &m_logic;
    QPlainTextEdit *m_memo;
    QPushButton *m_close;
};

} // namespace kestrel
