#pragma once

#include "engine/calculator.h"
#include "engine/calculator_view.h"

#include <QColor>
#include <QWidget>

#include <memory>
#include <string>

class QLabel;
class QMouseEvent;

namespace tallimax {

// The user's decimal separator, read from the locale at every use; "." when it gives none.
std::string systemDecimalSeparator();

// The calculator's one window: twenty controls at fixed places, each click handed to the engine
// as one operation, and the readout coloured by where the mouse moves.
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

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();

    QLabel *m_readout = nullptr;
    QLabel *m_action = nullptr;
    std::unique_ptr<Calculator> m_calculator;
};

} // namespace tallimax
