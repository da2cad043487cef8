#include "window/calculator_window.h"

#include "window/icon.xpm"
#include "window/layout.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace tallimax {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor toColour(std::uint32_t bgr)
{
    return { static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8U) & 0xFFU),
        static_cast<int>((bgr >> 16U) & 0xFFU) };
}

QFont toFont(const layout::FontSpec &spec)
{
    QFont font(toQString(spec.family));
    font.setPointSizeF(spec.pointSize);
    font.setBold(spec.bold);
    // Where the named face is missing, fall back to a sans-serif of the same build.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QRect pixelGeometry(const layout::ControlSpec &spec)
{
    return { layout::toPixels(spec.left), layout::toPixels(spec.top), layout::toPixels(spec.width),
        layout::toPixels(spec.height) };
}

} // namespace

std::string systemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? std::string(".") : point.toStdString();
}

CalculatorWindow::CalculatorWindow(QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(toQString(layout::WindowCaption));
    setFixedSize(layout::toPixels(layout::ClientWidth), layout::toPixels(layout::ClientHeight));
    // The bare background recolours the readout on every move, with or without a button held.
    setMouseTracking(true);
    createControls();
    m_calculator = std::make_unique<Calculator>(*this, systemDecimalSeparator);
}

void CalculatorWindow::createControls()
{
    const QIcon icon{ QPixmap(std::data(tallimax_icon_xpm)) };
    setWindowIcon(icon);

    const QFont controlFont = toFont(layout::ControlFont);
    std::vector<std::pair<int, QWidget *>> tabOrder;

    for (const layout::ControlSpec &spec : layout::Controls) {
        const QString caption = toQString(layout::captionOf(spec));
        const QString name = QString::fromStdString(layout::objectNameOf(spec));

        if (layout::kindOf(spec.control) == layout::Kind::Label) {
            auto *label = new QLabel(caption, this);
            label->setObjectName(name);
            label->setGeometry(pixelGeometry(spec));
            // Captions are shown exactly as given, never read as markup.
            label->setTextFormat(Qt::PlainText);
            if (spec.control == layout::Control::Readout) {
                label->setFont(toFont(layout::ReadoutFont));
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                // The digits just typed stay in view when a long number overflows the left edge.
                label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                label->setIndent(6);
                label->setAutoFillBackground(true);
                label->setMouseTracking(true);
                label->installEventFilter(this);
                m_readout = label;
            } else {
                label->setFont(controlFont);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                label->setWordWrap(true);
                if (spec.control == layout::Control::Action)
                    m_action = label;
            }
            continue;
        }

        auto *key = new QPushButton(caption, this);
        key->setObjectName(name);
        key->setGeometry(pixelGeometry(spec));
        key->setFont(controlFont);
        key->setAutoDefault(false);
        tabOrder.emplace_back(spec.tabIndex, key);

        // clicked, not pressed: a key also works from the keyboard's Space bar.
        const std::int16_t index = spec.index;
        switch (spec.control) {
        case layout::Control::Reset:
            key->setIcon(icon);
            key->setIconSize(QSize(32, 32));
            connect(key, &QPushButton::clicked, this, [this] { m_calculator->rset_Click(); });
            break;
        case layout::Control::Number:
            connect(key, &QPushButton::clicked, this,
                [this, index] { m_calculator->Number_Click(index); });
            break;
        case layout::Control::Operator:
            connect(key, &QPushButton::clicked, this,
                [this, index] { m_calculator->Operator_Click(index); });
            break;
        case layout::Control::Decimal:
            connect(key, &QPushButton::clicked, this, [this] { m_calculator->Decimal_Click(); });
            break;
        case layout::Control::JustDid:
        case layout::Control::Action:
        case layout::Control::Readout:
            break;
        }
    }

    SetReadoutBackColor(toColour(layout::BrightWhite));

    // The keys were made in layout order; the keyboard visits them by tab index.
    std::sort(tabOrder.begin(), tabOrder.end(),
        [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty())
        tabOrder.front().second->setFocus();
}

void CalculatorWindow::SetReadout(const std::string &text)
{
    m_readout->setText(QString::fromStdString(text));
}

void CalculatorWindow::SetAction(const std::string &text)
{
    m_action->setText(QString::fromStdString(text));
}

void CalculatorWindow::ShowWarning(const std::string &prompt, const std::string &title)
{
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title),
        QString::fromStdString(prompt), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void CalculatorWindow::SetReadoutBackColor(const QColor &colour)
{
    QPalette palette = m_readout->palette();
    palette.setColor(QPalette::Window, colour);
    // Black on the readout's own back colour, whatever the desktop theme's text colour is.
    palette.setColor(QPalette::WindowText, toColour(layout::Black));
    m_readout->setPalette(palette);
}

void CalculatorWindow::Form_MouseMove()
{
    SetReadoutBackColor(toColour(layout::BrightWhite));
}

void CalculatorWindow::Readout_MouseMove()
{
    SetReadoutBackColor(toColour(layout::LightGrey));
}

void CalculatorWindow::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over keys and labels that do not handle them are passed up to the window; only the
    // bare background counts as the window's own.
    if (childAt(event->position().toPoint()) == nullptr)
        Form_MouseMove();
}

bool CalculatorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_readout && event->type() == QEvent::MouseMove) {
        Readout_MouseMove();
        // Consumed here, so the move does not reach the window background as well.
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tallimax
