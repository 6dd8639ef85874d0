#pragma once
// The hint window: the hint text and one button that alternates between showing the next
// hint and carrying it out. It stands under the main window.

#include <QDialog>

class QLabel;
class QPushButton;

namespace kestrel {

class Tfrmsolover;

/// Where the hint window stands for a main window with frame `main` on screen area `screen`.
QPoint hintWindowPosition(const QRect &main, const QSize &size, const QRect &screen);

class HintDialog : public QDialog
{
    Q_OBJECT
public:
    HintDialog(Tfrmsolover &engine, QWidget *parent = nullptr);

    /// Re-reads the memo text and the button caption from the engine.
    void syncFromModel();

signals:
    /// The engine painted or wrote the main board.
    void boardChanged();

protected:
    void showEvent(QShowEvent *event) override;
    /// A language change re-reads the captions the language routine set.
    void changeEvent(QEvent *event) override;

private:
    Tfrmsolover &m_engine;
    QLabel *m_memo;
    QPushButton *m_hint;
    QPushButton *m_close;
};

} // namespace kestrel
