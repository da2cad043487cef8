#pragma once

#include "window/calculator_window.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QString>
#include <QTest>

#include <algorithm>

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
