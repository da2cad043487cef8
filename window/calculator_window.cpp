// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculator_window.h"

#include "window/accessible_label.h"
#include "window/icon.h"
#include "window/key_button.h"
#include "window/keyboard.h"
#include "window/layout.h"
#include "window/paste_text.h"
#include "window/readout_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimerEvent>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <optional>
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

QFont toFont(const layout::FontChoice &choice)
{
    QFont font(toQString(choice.family));
    font.setPointSizeF(choice.pointSize);
    font.setBold(choice.bold);
    // Where the named face is missing, fall back to a sans-serif of the same build.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QRect pixelGeometry(const layout::ControlRow &row)
{
    return { layout::toPixels(row.left), layout::toPixels(row.top), layout::toPixels(row.width),
        layout::toPixels(row.height) };
}

template <std::size_t N> QPixmap toPixmap(const std::array<std::uint32_t, N> &pixels, int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    std::memcpy(image.bits(), pixels.data(), sizeof pixels);
    return QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
}

// The 32 by 32 picture, with larger renderings for screens that scale by 1.5, 2 and 3. Each
// picture pixel becomes a whole block of screen pixels, so the icon stays sharp instead of being
// smoothed into a blur. All four were made when the program was compiled.
QIcon makeIcon()
{
    QIcon icon(toPixmap(icon::Pixels32, 32));
    icon.addPixmap(toPixmap(icon::Pixels48, 48));
    icon.addPixmap(toPixmap(icon::Pixels64, 64));
    icon.addPixmap(toPixmap(icon::Pixels96, 96));
    return icon;
}

// Assistive technology sees the calculator as an application window (a frame, to AT-SPI) named
// by its caption; Qt would present a plain top-level widget as a mere client area. The window's
// three labels offer their text as text as well as by name. Other labels, such as the warning
// box's, stay as Qt presents them.
QAccessibleInterface *accessibleWindow(const QString &className, QObject *object)
{
    if (className == QLatin1String(CalculatorWindow::staticMetaObject.className())
        && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    auto *label = qobject_cast<QLabel *>(object);
    if (label != nullptr && qobject_cast<CalculatorWindow *>(label->parentWidget()) != nullptr)
        return new AccessibleLabel(label);
    return nullptr;
}

// How long a key pressed from the keyboard is drawn pressed, as long as an animated click.
constexpr int KeyFlashMs = 100;

// How long the reason for a refused paste stays by the readout: long enough to read twice.
constexpr int PasteMessageMs = 5000;

// The user's digit group separator; none where the locale gives none.
std::string systemGroupSeparator()
{
    return QLocale::system().groupSeparator().toStdString();
}

QString refusalMessage(paste::Refusal refusal)
{
    switch (refusal) {
    case paste::Refusal::Empty:
        return CalculatorWindow::tr("Nothing to paste: the clipboard holds no text.");
    case paste::Refusal::TooLong:
        return CalculatorWindow::tr("Not pasted: the text is too long to type.");
    case paste::Refusal::NotACalculation:
        break;
    }
    return CalculatorWindow::tr("Not pasted: the text is not a number or a calculation.");
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
    QAccessible::installFactory(accessibleWindow);
    setWindowTitle(toQString(layout::WindowCaption));
    setFixedSize(layout::toPixels(layout::ClientWidth), layout::toPixels(layout::ClientHeight));
    // The bare background recolours the readout on every move, with or without a button held.
    setMouseTracking(true);
    createControls();
    m_calculator = std::make_unique<Calculator>(*this, systemDecimalSeparator);
}

void CalculatorWindow::createControls()
{
    const QIcon icon = makeIcon();
    setWindowIcon(icon);

    const QFont controlFont = toFont(layout::ControlFont);
    std::vector<std::pair<int, QWidget *>> tabOrder;

    for (const layout::ControlRow &row : layout::Controls) {
        const QString caption = toQString(layout::captionOf(row));
        const QString name = QString::fromStdString(layout::objectNameOf(row));

        if (layout::kindOf(row.control) == layout::Kind::Label) {
            // The readout elides a number too long for it; the other two labels never overflow.
            QLabel *label = row.control == layout::Control::Readout
                ? new ReadoutLabel(caption, this)
                : new QLabel(caption, this);
            label->setObjectName(name);
            label->setGeometry(pixelGeometry(row));
            // Captions are shown exactly as given, never read as markup.
            label->setTextFormat(Qt::PlainText);
            // A description, not a name: a name would hide the changing text from screen readers.
            label->setAccessibleDescription(toQString(layout::accessibleDescriptionOf(row)));
            if (row.control == layout::Control::Readout) {
                label->setFont(toFont(layout::ReadoutFont));
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                // The digits just typed stay in view when a long number overflows the readout.
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
                if (row.control == layout::Control::Action)
                    m_action = label;
            }
            continue;
        }

        auto *key = new KeyButton(caption, this);
        key->setObjectName(name);
        key->setGeometry(pixelGeometry(row));
        key->setFont(controlFont);
        key->setAutoDefault(false);
        key->setAccessibleName(toQString(layout::accessibleNameOf(row)));
        tabOrder.emplace_back(row.tabIndex, key);

        // clicked, not pressed: a key also works from the keyboard's Space bar.
        const std::int16_t index = row.index;
        switch (row.control) {
        case layout::Control::Reset:
            key->setIcon(icon);
            key->setIconSize(QSize(32, 32));
            connect(key, &QPushButton::clicked, this, [this] { m_calculator->rset_Click(); });
            m_resetKey = key;
            break;
        case layout::Control::Number:
            connect(key, &QPushButton::clicked, this,
                [this, index] { m_calculator->Number_Click(index); });
            m_numberKeys.at(static_cast<std::size_t>(index)) = key;
            break;
        case layout::Control::Operator:
            connect(key, &QPushButton::clicked, this,
                [this, index] { m_calculator->Operator_Click(index); });
            m_operatorKeys.at(static_cast<std::size_t>(index)) = key;
            break;
        case layout::Control::Decimal:
            connect(key, &QPushButton::clicked, this, [this] { m_calculator->Decimal_Click(); });
            m_decimalKey = key;
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
    ++m_warningsShown;
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title),
        QString::fromStdString(prompt), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // Keys go back to the calculator. A window manager hands the focus back to the window under
    // a closed dialog; on a bare X server the focus would fall to the screen's root and the next
    // keys would be lost.
    if (isVisible())
        activateWindow();
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
    if (watched == m_readout && event->type() == QEvent::ContextMenu) {
        showReadoutMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CalculatorWindow::copyReadout()
{
    QGuiApplication::clipboard()->setText(m_readout->text());
}

void CalculatorWindow::showReadoutMenu(const QPoint &globalPosition)
{
    // Made on demand: most sessions never open it, and the window opens sooner without it.
    QMenu menu(this);
    QAction *copy = menu.addAction(tr("&Copy"), this, &CalculatorWindow::copyReadout);
    copy->setShortcut(QKeySequence::Copy);
    QAction *paste = menu.addAction(tr("&Paste"), this, &CalculatorWindow::pasteFromClipboard);
    paste->setShortcut(QKeySequence::Paste);
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    paste->setEnabled(clipboard != nullptr && clipboard->hasText());
    menu.exec(globalPosition);
}

// A key of the keyboard arrives here wherever the focus is in the window: a focused key button
// takes Space and Tab for itself and passes every other key up to the window.
void CalculatorWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copyReadout();
        return;
    }
    // Shift+Insert pastes everywhere on the desktop, also where the platform's binding lacks it.
    const bool shiftInsert = event->key() == Qt::Key_Insert
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
    if (event->matches(QKeySequence::Paste) || shiftInsert) {
        pasteFromClipboard();
        return;
    }
    const std::optional<keyboard::KeyTarget> target = keyboard::keyTargetOf(*event);
    if (!target) {
        QWidget::keyPressEvent(event);
        return;
    }
    pressFromKeyboard(onScreenKeyFor(*target));
}

KeyButton *CalculatorWindow::onScreenKeyFor(const keyboard::KeyTarget &target) const
{
    const auto index = static_cast<std::size_t>(target.index);
    switch (target.control) {
    case layout::Control::Number:
        return m_numberKeys.at(index);
    case layout::Control::Operator:
        return m_operatorKeys.at(index);
    case layout::Control::Decimal:
        return m_decimalKey;
    case layout::Control::Reset:
        return m_resetKey;
    case layout::Control::JustDid:
    case layout::Control::Action:
    case layout::Control::Readout:
        break;
    }
    return nullptr;
}

// The key is clicked at once, so keys typed faster than a click animation all count and run in
// the order typed; only the look of the press outlasts it. (An animated click would swallow a
// second press of the same key that comes within its 100 ms.)
void CalculatorWindow::pressFromKeyboard(KeyButton *key)
{
    endFlash();
    QPointer<KeyButton> guard(key);
    key->clickFromKeyboard();
    // The click may have opened the warning box, and the window may have closed while it was open.
    if (guard.isNull())
        return;
    key->setFlashing(true);
    m_flashingKey = key;
    m_flashEnd.start(KeyFlashMs, this);
}

void CalculatorWindow::endFlash()
{
    m_flashEnd.stop();
    if (!m_flashingKey.isNull())
        m_flashingKey->setFlashing(false);
    m_flashingKey.clear();
}

// Pasting is typing: each key the text spells is clicked in turn, without flashing, which would
// only show the last. A text that is not all keys types nothing, so no half number is left.
void CalculatorWindow::pasteFromClipboard()
{
    const paste::Reading reading =
        paste::readPastedText(QGuiApplication::clipboard()->text().toStdString(),
            systemDecimalSeparator(), systemGroupSeparator());
    if (reading.refusal) {
        showPasteMessage(refusalMessage(*reading.refusal));
        return;
    }
    if (m_pasteMessage != nullptr)
        m_pasteMessage->hide();
    endFlash();
    const QPointer<CalculatorWindow> guard(this);
    const int warningsBefore = m_warningsShown;
    for (const char caption : reading.keys) {
        onScreenKeyFor(*keyboard::keyTargetOf(caption))->clickFromKeyboard();
        // After a division by zero the user has a warning to read, not more keys typed behind it.
        if (guard.isNull() || m_warningsShown != warningsBefore)
            return;
    }
}

// A child of the window, not a tooltip or a popup: it shows on every platform, Wayland included,
// and never takes the focus. Screen readers hear of it by its name and an alert event.
void CalculatorWindow::showPasteMessage(const QString &text)
{
    if (m_pasteMessage == nullptr) {
        m_pasteMessage = new QLabel(this);
        m_pasteMessage->setObjectName(QStringLiteral("PasteMessage"));
        m_pasteMessage->setTextFormat(Qt::PlainText);
        m_pasteMessage->setWordWrap(true);
        m_pasteMessage->setForegroundRole(QPalette::ToolTipText);
        m_pasteMessage->setBackgroundRole(QPalette::ToolTipBase);
        m_pasteMessage->setAutoFillBackground(true);
        m_pasteMessage->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_pasteMessage->setMargin(2);
        // The pointer over the message is over the readout, and colours it as the readout.
        m_pasteMessage->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_pasteMessage->setText(text);
    m_pasteMessage->setAccessibleName(text);
    // Along the bottom of the readout, clear of the digits, which sit in its middle.
    const QRect readout = m_readout->geometry().adjusted(4, 4, -4, -4);
    const int height = m_pasteMessage->heightForWidth(readout.width());
    m_pasteMessage->setGeometry(
        readout.left(), readout.bottom() + 1 - height, readout.width(), height);
    m_pasteMessage->show();
    m_pasteMessage->raise();
    QAccessibleEvent alert(m_pasteMessage, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    m_pasteMessageEnd.start(PasteMessageMs, this);
}

void CalculatorWindow::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_flashEnd.timerId()) {
        endFlash();
        return;
    }
    if (event->timerId() == m_pasteMessageEnd.timerId()) {
        m_pasteMessageEnd.stop();
        m_pasteMessage->hide();
        return;
    }
    QWidget::timerEvent(event);
}

} // namespace tallimax
