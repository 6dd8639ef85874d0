#pragma once
// The floating tool window of the candidate pad. All behaviour lives in Tfrmtile; this window
// paints its nine toggles and the "Automatic" button, forwards presses and keys to it and
// re-reads it afterwards (model -> view only). The toggles never change their own checked
// state: a press is one call of Tfrmtile::digitPressed and the checked look follows the model.

#include <QDialog>

#include <array>

class QPushButton;

namespace kestrel {

class Tfrmtile;

class CandidatePadDialog : public QDialog
{
    Q_OBJECT

public:
    /// A window on `pad` (not owned; must outlive the window). It starts hidden; it shows and
    /// hides itself in syncFromModel() according to `Tfrmtile::visible`.
    explicit CandidatePadDialog(Tfrmtile &pad, QWidget *parent = nullptr);

    /// The toggle of digit d (1..9).
    QPushButton *digitButton(int digit) const;
    /// The "Automatic" button `AdvGlowButton1`.
    QPushButton *automaticButton() const { return m_automatic; }

    /// Re-reads the captions, the toggle states and the visibility from the pad.
    void syncFromModel();

signals:
    /// The pad wrote to its cell or closed: the owner repaints its board.
    void changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    /// A language change re-reads the captions the language routine set.
    void changeEvent(QEvent *event) override;

private:
    /// Re-reads the pad and tells the owner.
    void afterHandler();

    Tfrmtile &m_pad;
    std::array<QPushButton *, 10> m_digits{}; ///< index = digit; 0 unused
    QPushButton *m_automatic = nullptr;
};

} // namespace kestrel
