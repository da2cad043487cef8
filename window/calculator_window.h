#pragma once

#include "engine/calculator.h"
#include "engine/calculator_view.h"

#include <QBasicTimer>
#include <QColor>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <string>

class QAbstractButton;
class QKeyEvent;
class QLabel;
class QMouseEvent;
class QPoint;

namespace tallimax {

// The user's decimal separator, read from the locale at every use; "." when it gives none.
std::string systemDecimalSeparator();

// The calculator's one window: twenty controls at fixed places, each click handed to the engine
// as one operation, and the readout coloured by where the mouse moves. Keys of the keyboard press
// the on-screen keys, so they run the same operations as clicks.
class CalculatorWindow : public QWidget, public CalculatorView
{
    Q_OBJECT

public:
    // Builds the window and all its controls, then the engine that shows itself in them.
    explicit CalculatorWindow(QWidget *parent = nullptr);

    Calculator &calculator() { return *m_calculator; }

    void SetReadout(const std::string &text) override;
    void SetAction(const std::string &text) override;
    void ShowWarning(const std::string &prompt, const std::string &title) override;

    void SetReadoutBackColor(const QColor &colour);

    // The pointer moved over the bare window background, or over the readout. Which button is
    // held, the modifiers and the position do not matter.
    void Form_MouseMove();
    void Readout_MouseMove();

    // Puts the readout text, exactly as shown, on the clipboard.
    void copyReadout();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    QAbstractButton *onScreenKeyFor(const QKeyEvent &event) const;
    void pressFromKeyboard(QAbstractButton *key);
    void releaseKeyShownDown();
    void showReadoutMenu(const QPoint &globalPosition);

    QLabel *m_readout = nullptr;
    QLabel *m_action = nullptr;
    std::array<QAbstractButton *, NumberCaptions.size()> m_numberKeys{};
    std::array<QAbstractButton *, OperatorCaptions.size()> m_operatorKeys{};
    QAbstractButton *m_decimalKey = nullptr;
    QAbstractButton *m_resetKey = nullptr;
    // The key last pressed from the keyboard, drawn down for a moment so the user sees which.
    QPointer<QAbstractButton> m_keyShownDown;
    QBasicTimer m_keyRelease;
    std::unique_ptr<Calculator> m_calculator;
};

} // namespace tallimax
