// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/access/accessibility.h"
#include "window/access/announcer.h"
#include "window/calculator/calculator_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>

// Wait, handling events, up to five seconds (or timeoutMs) for a condition to hold, then check it
// as QVERIFY and QCOMPARE do. Qt's QTRY_VERIFY and QTRY_COMPARE do the same, but from Qt 6.8 on
// they store a std::chrono count (a long) in an int inside the macro, which -Wconversion reports
// at every use.
#define TALLIMAX_TRY_VERIFY_WITH_TIMEOUT(condition, timeoutMs)                                      \
    QVERIFY2(QTest::qWaitFor([&]() -> bool { return (condition); }, (timeoutMs)), #condition)
#define TALLIMAX_TRY_VERIFY(condition) TALLIMAX_TRY_VERIFY_WITH_TIMEOUT(condition, 5000)
#define TALLIMAX_TRY_COMPARE(actual, expected)                                                      \
    do {                                                                                           \
        static_cast<void>(                                                                         \
            QTest::qWaitFor([&]() -> bool { return (actual) == (expected); }, 5000));              \
        QCOMPARE(actual, expected);                                                                \
    } while (false)

// On Wayland no program may move the pointer or take the keyboard focus for itself, and a
// headless compositor has no pointer or keyboard to give: what needs them is skipped there.
#define TALLIMAX_SKIP_ON_WAYLAND(reason)                                                            \
    do {                                                                                           \
        if (QGuiApplication::platformName() == QLatin1String("wayland"))                           \
            QSKIP(reason);                                                                         \
    } while (false)

namespace tallimax::testing {

// The object name of the key with this caption: digits, ".", "+", "-", "X", "/", "=", and "R"
// for RESET ALL.
inline QString keyName(QChar key)
{
    switch (key.unicode()) {
    case '.':
        return QStringLiteral("Decimal");
    case 'R':
        return QStringLiteral("rset");
    case '/':
        return QStringLiteral("Operator0");
    case '+':
        return QStringLiteral("Operator1");
    case 'X':
        return QStringLiteral("Operator2");
    case '-':
        return QStringLiteral("Operator3");
    case '=':
        return QStringLiteral("Operator4");
    default:
        return QStringLiteral("Number") + key;
    }
}

inline QAbstractButton *findKey(const QWidget &window, QChar key)
{
    return window.findChild<QAbstractButton *>(keyName(key));
}

inline QLabel *findLabel(const QWidget &window, const QString &name)
{
    return window.findChild<QLabel *>(name);
}

// The base of the window's test classes: opens the window as the program does and keeps it for
// the test, with its readout and action panel at hand, and clicks its keys by caption.
class WindowTestCase : public QObject
{
protected:
    enum class WaitFor : std::uint8_t {
        Exposed, // on the screen
        Active, // on the screen and holding the keyboard focus, as the window system gives it
    };

    // As the program starts: the window with its controls and its engine, loading, then showing.
    // True once the window is up as asked and its readout and action panel are found.
    [[nodiscard]] bool openWindow(WaitFor waitFor = WaitFor::Exposed,
        std::unique_ptr<CalculatorWindow> window = std::make_unique<CalculatorWindow>())
    {
        installAccessibleInterfaces();
        m_window = std::move(window);
        m_window->calculator().Form_Load();
        m_window->show();
        bool up = false;
        if (waitFor == WaitFor::Active) {
            m_window->activateWindow();
            up = QTest::qWaitForWindowActive(m_window.get());
        } else {
            up = QTest::qWaitForWindowExposed(m_window.get());
        }
        m_readout = findLabel(*m_window, QStringLiteral("Readout"));
        m_action = findLabel(*m_window, QStringLiteral("bla"));
        return up && m_readout != nullptr && m_action != nullptr;
    }

    void closeWindow()
    {
        m_readout = nullptr;
        m_action = nullptr;
        m_window.reset();
    }

    CalculatorWindow *calculatorWindow() const { return m_window.get(); }
    QLabel *readoutLabel() const { return m_readout; }
    QLabel *actionLabel() const { return m_action; }

    // The on-screen key with this caption, "R" for RESET ALL.
    QAbstractButton *onScreenKey(QChar caption) const { return findKey(*m_window, caption); }

    // Clicks the on-screen keys with these captions in turn.
    void clickKeys(const QString &keys) const
    {
        for (const QChar key : keys) {
            QAbstractButton *button = onScreenKey(key);
            QVERIFY2(button != nullptr, qPrintable(keyName(key)));
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }

private:
    std::unique_ptr<CalculatorWindow> m_window;
    QLabel *m_readout = nullptr;
    QLabel *m_action = nullptr;
};

// Keeps, in order, what the window would tell a screen reader, whether one listens or not.
class RecordingAnnouncer : public Announcer
{
public:
    void announce(const QString &text) override { said << text; }

    QStringList said;
};

// Accepts each warning box as soon as it opens, and counts them, for as long as it lives; keeps
// the title and the prompt of the last.
class WarningBoxAccepter
{
public:
    WarningBoxAccepter()
    {
        QObject::connect(&m_watcher, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                ++m_accepted;
                m_title = box->windowTitle();
                m_prompt = box->text();
                box->accept();
            }
        });
        m_watcher.start(0);
    }

    int accepted() const { return m_accepted; }
    QString title() const { return m_title; }
    QString prompt() const { return m_prompt; }

private:
    QTimer m_watcher;
    int m_accepted = 0;
    QString m_title;
    QString m_prompt;
};

// Whether a label's whole text, wrapped as the label wraps it, lies inside its contents.
inline bool textFits(const QLabel &label)
{
    const int indent = std::max(label.indent(), 0);
    const QRect contents = label.contentsRect().adjusted(indent, 0, -indent, 0);
    const int flags = (label.wordWrap() ? int(Qt::TextWordWrap) : 0) | int(label.alignment());
    const QRect needed = QFontMetrics(label.font()).boundingRect(contents, flags, label.text());
    return contents.contains(needed);
}

} // namespace tallimax::testing
