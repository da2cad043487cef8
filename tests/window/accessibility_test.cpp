// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/window_test_support.h"

#include "window/calculator/calculator_window.h"
#include "window/keys/key_typer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif
#include <QLabel>
#include <QList>
#include <QSet>
#include <QTest>
#include <QTranslator>

#include <memory>
#include <string>
#include <utility>

namespace tallimax {

namespace {

// A name change told to assistive technology: which object, and its name at that moment.
struct Announcement
{
    QObject *object;
    QString name;
};
QList<Announcement> &announcements()
{
    static QList<Announcement> list;
    return list;
}

// What the window told the screen reader after each step, the platform's own way: an
// announcement where Qt has them, else a notification shown.
QStringList &spoken()
{
    static QStringList list;
    return list;
}

void recordAnnouncement(QAccessibleEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (const auto *said = dynamic_cast<QAccessibleAnnouncementEvent *>(event)) {
        spoken() << said->message();
        return;
    }
#else
    if (event->type() == QAccessible::ObjectShow && event->accessibleInterface() != nullptr
        && event->accessibleInterface()->role() == QAccessible::Notification) {
        spoken() << event->accessibleInterface()->text(QAccessible::Name);
        return;
    }
#endif
    if (event->type() != QAccessible::NameChanged)
        return;
    QAccessibleInterface *accessible = event->accessibleInterface();
    announcements().append({ event->object(),
        accessible != nullptr ? accessible->text(QAccessible::Name) : QString() });
}

// The window, keeping every text the engine gives the two labels.
class RecordingWindow : public CalculatorWindow
{
public:
    void SetReadout(const std::string &text) override
    {
        readouts << QString::fromStdString(text);
        CalculatorWindow::SetReadout(text);
    }
    void SetAction(const std::string &text) override
    {
        actions << QString::fromStdString(text);
        CalculatorWindow::SetAction(text);
    }

    QStringList readouts;
    QStringList actions;
};

// The texts a label shows in turn when given these texts from this one on: a text equal to the
// one already shown is no change.
QStringList changesFrom(QString shown, const QStringList &given)
{
    QStringList changes;
    for (const QString &text : given) {
        if (text != shown)
            changes << text;
        shown = text;
    }
    return changes;
}

// Every text the made-up language translates reads as this, then its English.
const QString PseudoPrefix = QStringLiteral("PSEUDO:");

} // namespace

// The window as a screen reader sees it, read through the accessible tree in the process. Name
// changes reach assistive technology only while a bridge to it is active; the run with the
// AT-SPI bus sets TALLIMAX_ACCESSIBILITY_BRIDGE and checks them, the offscreen run skips them.
class AccessibilityTest : public testing::WindowTestCase
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyKeyHasAName_data();
    void everyKeyHasAName();
    void theWindowListsItsKeysAndLabels();
    void labelsReadTheirCurrentText_data();
    void labelsReadTheirCurrentText();
    void textChangesAreAnnounced_data();
    void textChangesAreAnnounced();
    void onlyTallimaxsOwnWordsAreTranslated_data();
    void onlyTallimaxsOwnWordsAreTranslated();

private: // NOLINT(readability-redundant-access-specifiers): ends moc's slot section
    QStringList announcedNamesOf(const QObject *object) const;
    // The text of the given kind that the window shows, names or says; see the test's data.
    QString textOf(const QString &kind, const QString &target);

    // The window under test, which records what it is given.
    RecordingWindow *m_recording = nullptr;
};

void AccessibilityTest::initTestCase()
{
    QAccessible::installUpdateHandler(recordAnnouncement);
    if (qEnvironmentVariableIsSet("TALLIMAX_ACCESSIBILITY_BRIDGE")) {
        // The bridge connects to the accessibility bus after the event loop has run a while.
        TALLIMAX_TRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 20000);
    }
}

void AccessibilityTest::init()
{
    auto window = std::make_unique<RecordingWindow>();
    m_recording = window.get();
    QVERIFY(openWindow(WaitFor::Exposed, std::move(window)));
    announcements().clear();
}

void AccessibilityTest::cleanup()
{
    m_recording = nullptr;
    closeWindow();
}

QStringList AccessibilityTest::announcedNamesOf(const QObject *object) const
{
    QStringList names;
    for (const Announcement &announcement : announcements()) {
        if (announcement.object == object)
            names << announcement.name;
    }
    return names;
}

void AccessibilityTest::everyKeyHasAName_data()
{
    QTest::addColumn<QChar>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("readout");

    // The key, what a screen reader says for it, and the readout after pressing it from the
    // accessible tree as the first key.
    for (int digit = 0; digit <= 9; ++digit) {
        const QChar key = QChar(u'0' + digit);
        QTest::newRow(qPrintable(QString(key))) << key << QString(key) << QString(key) + '.';
    }
    QTest::newRow(".") << QChar(u'.') << "Decimal point"
                       << "0.";
    QTest::newRow("/") << QChar(u'/') << "Divide"
                       << "0.";
    QTest::newRow("+") << QChar(u'+') << "Plus"
                       << "0.";
    QTest::newRow("X") << QChar(u'X') << "Multiply"
                       << "0.";
    QTest::newRow("-") << QChar(u'-') << "Minus"
                       << "-0.";
    QTest::newRow("=") << QChar(u'=') << "Equals"
                       << "0.";
    QTest::newRow("RESET ALL") << QChar(u'R') << "Reset all"
                               << "0.";
}

void AccessibilityTest::everyKeyHasAName()
{
    QFETCH(QChar, key);
    QFETCH(QString, name);
    QFETCH(QString, readout);

    QAbstractButton *button = onScreenKey(key);
    QVERIFY(button != nullptr);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    QVERIFY(accessible != nullptr && accessible->isValid());
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QVERIFY(accessible->state().focusable);

    // The reader's "press" runs the key exactly as a click does.
    QAccessibleActionInterface *actions = accessible->actionInterface();
    QVERIFY(actions != nullptr);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    // Qt presses a button for assistive technology with an animated click.
    TALLIMAX_TRY_COMPARE(readoutLabel()->text(), readout);
}

void AccessibilityTest::theWindowListsItsKeysAndLabels()
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(calculatorWindow());
    QVERIFY(window != nullptr);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Tallimax version 1"));

    // Seventeen keys with seventeen different names, and three labels read by their text.
    QSet<QString> keyNames;
    QStringList labelTexts;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *child = window->child(i);
        QVERIFY(child != nullptr);
        QCOMPARE(child->parent(), window);
        if (child->role() == QAccessible::Button)
            keyNames.insert(child->text(QAccessible::Name));
        else if (child->role() == QAccessible::StaticText)
            labelTexts << child->text(QAccessible::Name);
        else
            QFAIL(qPrintable(QStringLiteral("unexpected role %1").arg(int(child->role()))));
    }
    QCOMPARE(keyNames.size(), 17);
    QVERIFY(!keyNames.contains(QString()));
    labelTexts.sort();
    QCOMPARE(labelTexts, QStringList({ "0.", "Action", "Just Did:" }));
}

void AccessibilityTest::labelsReadTheirCurrentText_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("description");

    const QString readoutRole =
        QStringLiteral("Readout: the number being typed or the last result");
    const QString actionRole = QStringLiteral("Action panel: what the calculator just did");
    QTest::newRow("readout at start") << "Readout"
                                      << ""
                                      << "0." << readoutRole;
    QTest::newRow("readout while typing") << "Readout"
                                          << "12.5"
                                          << "12.5" << readoutRole;
    QTest::newRow("readout result") << "Readout"
                                    << "7/2="
                                    << "3.5" << readoutRole;
    QTest::newRow("action at start") << "bla"
                                     << ""
                                     << "Action" << actionRole;
    QTest::newRow("action after a sum") << "bla"
                                        << "7+2="
                                        << "Plus(+)" << actionRole;
    QTest::newRow("action after reset") << "bla"
                                        << "7+2=R"
                                        << "Action" << actionRole;
    QTest::newRow("static label") << "Label1"
                                  << "7+2="
                                  << "Just Did:" << QString();
}

void AccessibilityTest::labelsReadTheirCurrentText()
{
    QFETCH(QString, label);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, description);

    clickKeys(keys);
    QAccessibleInterface *accessible =
        QAccessible::queryAccessibleInterface(testing::findLabel(*calculatorWindow(), label));
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), QAccessible::StaticText);
    QCOMPARE(accessible->text(QAccessible::Name), text);
    QCOMPARE(accessible->text(QAccessible::Description), description);

    // The same text is offered as text, which review modes and testing tools read, character by
    // character or whole.
    QAccessibleTextInterface *textInterface = accessible->textInterface();
    QVERIFY(textInterface != nullptr);
    const auto length = static_cast<int>(text.size());
    QCOMPARE(textInterface->characterCount(), length);
    QCOMPARE(textInterface->text(0, textInterface->characterCount()), text);
    int start = -1;
    int end = -1;
    QCOMPARE(textInterface->textAtOffset(length - 1, QAccessible::CharBoundary, &start, &end),
        text.right(1));
    QCOMPARE(start, length - 1);
    QCOMPARE(end, length);
}

void AccessibilityTest::textChangesAreAnnounced_data()
{
    QTest::addColumn<QString>("keys");

    QTest::newRow("a sum") << "7+2=";
    QTest::newRow("a negative product") << "12.5X-2=";
    QTest::newRow("operators in a row") << "2++-3=";
    QTest::newRow("reset") << "4+5=R";
    // "u" takes a step back, "r" puts one back.
    QTest::newRow("steps taken back and put back") << "7+2=uur";
    QTest::newRow("a reset taken back") << "4+5=Ru";
}

void AccessibilityTest::textChangesAreAnnounced()
{
    QFETCH(QString, keys);
    if (!QAccessible::isActive())
        QSKIP("No accessibility bridge is active on this platform");

    QLabel *readout = readoutLabel();
    QLabel *action = actionLabel();
    const QString readoutAtStart = readout->text();
    const QString actionAtStart = action->text();
    m_recording->readouts.clear();
    m_recording->actions.clear();
    announcements().clear();
    spoken().clear();

    for (const QChar key : keys) {
        if (key == 'u')
            calculatorWindow()->typer().undo();
        else if (key == 'r')
            calculatorWindow()->typer().redo();
        else
            clickKeys(key);
    }

    // Each change is announced once, on the label itself, with the new text already its name;
    // a text written again unchanged is not announced.
    QVERIFY(!m_recording->readouts.isEmpty());
    QCOMPARE(announcedNamesOf(readout), changesFrom(readoutAtStart, m_recording->readouts));
    QCOMPARE(announcedNamesOf(action), changesFrom(actionAtStart, m_recording->actions));
    QCOMPARE(announcedNamesOf(readout).constLast(), readout->text());
    // And the screen reader is told what each step did, once a step.
    QCOMPARE(spoken().size(), keys.size());
    QVERIFY2(spoken().constLast().endsWith(readout->text()), qPrintable(spoken().constLast()));
}

void AccessibilityTest::onlyTallimaxsOwnWordsAreTranslated_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("english");
    QTest::addColumn<bool>("translated");

    // What a screen reader says for the keys and the labels.
    QTest::newRow("name of /") << "name" << "Operator0" << "Divide" << true;
    QTest::newRow("name of +") << "name" << "Operator1" << "Plus" << true;
    QTest::newRow("name of X") << "name" << "Operator2" << "Multiply" << true;
    QTest::newRow("name of -") << "name" << "Operator3" << "Minus" << true;
    QTest::newRow("name of =") << "name" << "Operator4" << "Equals" << true;
    QTest::newRow("name of .") << "name" << "Decimal" << "Decimal point" << true;
    QTest::newRow("name of RESET ALL") << "name" << "rset" << "Reset all" << true;
    QTest::newRow("name of a digit") << "name" << "Number7" << "7" << false;
    QTest::newRow("readout's description")
        << "description" << "Readout" << "Readout: the number being typed or the last result"
        << true;
    QTest::newRow("action panel's description")
        << "description" << "bla" << "Action panel: what the calculator just did" << true;
    QTest::newRow("Just Did:'s description") << "description" << "Label1" << "" << false;
    // The readout's menu, and what it says when it cannot do what was asked.
    QTest::newRow("Copy") << "menu" << "0" << "&Copy" << true;
    QTest::newRow("Paste") << "menu" << "1" << "&Paste" << true;
    QTest::newRow("Undo") << "menu" << "2" << "&Undo" << true;
    QTest::newRow("Redo") << "menu" << "3" << "&Redo" << true;
    QTest::newRow("nothing to undo") << "message" << "undo" << "Nothing to undo." << true;
    QTest::newRow("nothing to redo") << "message" << "redo" << "Nothing to redo." << true;
    QTest::newRow("empty paste") << "message" << "paste:"
                                 << "Nothing to paste: the clipboard holds no text." << true;
    QTest::newRow("paste of letters") << "message" << "paste:12abc"
                                      << "Not pasted: the text is not a number or a calculation."
                                      << true;
    QTest::newRow("paste too long") << "message" << "paste:" + QString(10001, u'1')
                                    << "Not pasted: the text is too long to type." << true;
    // What the screen reader is told: the calculator's own texts inside stay as shown.
    QTest::newRow("told of a copy") << "spoken" << "copy" << "Copied 0." << true;
    QTest::newRow("told of a sum") << "spoken" << "7+2=" << "Plus(+), 9" << true;
    QTest::newRow("told of a digit") << "spoken" << "7" << "7." << false;
    // The window's own texts.
    QTest::newRow("window title") << "title" << "" << "Tallimax version 1" << false;
    QTest::newRow("RESET ALL") << "text" << "rset"
                               << "RESET ALL" << false;
    QTest::newRow("X") << "text" << "Operator2"
                       << "X" << false;
    QTest::newRow("Just Did:") << "text" << "Label1"
                               << "Just Did:" << false;
    QTest::newRow("Action") << "text" << "bla"
                            << "Action" << false;
    QTest::newRow("action after a sum") << "text" << "bla:7+2="
                                        << "Plus(+)" << false;
    QTest::newRow("warning title") << "warning" << "title" << "Message From Vor" << false;
    QTest::newRow("warning prompt") << "warning" << "prompt"
                                    << "Look at message on action panel" << false;
    QTest::newRow("action after dividing by zero")
        << "warning" << "action" << "The user was a moron and tried to divide by zero!" << false;
}

// Under a made-up language, loaded before the window is made as the program loads the user's:
// each of Tallimax's own words changes, and none of the window's own texts.
void AccessibilityTest::onlyTallimaxsOwnWordsAreTranslated()
{
    QFETCH(QString, kind);
    QFETCH(QString, target);
    QFETCH(QString, english);
    QFETCH(bool, translated);

    QTranslator pseudo;
    QVERIFY(pseudo.load(QStringLiteral(TALLIMAX_PSEUDO_TRANSLATION)));
    QVERIFY(QCoreApplication::installTranslator(&pseudo));
    m_recording = nullptr;
    closeWindow();
    QVERIFY(openWindow());

    QCOMPARE(textOf(kind, target), translated ? PseudoPrefix + english : english);
}

QString AccessibilityTest::textOf(const QString &kind, const QString &target)
{
    CalculatorWindow *window = calculatorWindow();
    if (kind == "name" || kind == "description") {
        QAccessibleInterface *accessible =
            QAccessible::queryAccessibleInterface(window->findChild<QWidget *>(target));
        if (accessible == nullptr)
            return QStringLiteral("(no %1)").arg(target);
        return accessible->text(kind == "name" ? QAccessible::Name : QAccessible::Description);
    }
    if (kind == "title")
        return window->windowTitle();
    if (kind == "text") {
        const QString name = target.section(u':', 0, 0);
        clickKeys(target.section(u':', 1));
        if (auto *label = window->findChild<QLabel *>(name))
            return label->text();
        auto *key = window->findChild<QAbstractButton *>(name);
        return key != nullptr ? key->text() : QStringLiteral("(no %1)").arg(name);
    }
    if (kind == "menu")
        return window->actions().value(target.toInt())->text();
    if (kind == "message") {
        if (target == "undo")
            window->typer().undo();
        else if (target == "redo")
            window->typer().redo();
        else
            window->typer().paste(target.section(u':', 1));
        auto *message = window->findChild<QLabel *>(QStringLiteral("ReadoutMessage"));
        return message != nullptr ? message->text() : QStringLiteral("(no message)");
    }
    if (kind == "spoken") {
        testing::RecordingAnnouncer announcer;
        window->typer().setAnnouncer(&announcer);
        if (target == "copy")
            window->typer().copy();
        else
            clickKeys(target);
        window->typer().setAnnouncer(nullptr);
        return announcer.said.value(announcer.said.size() - 1);
    }
    // The warning box, read and closed as soon as it opens.
    const testing::WarningBoxAccepter accepter;
    clickKeys(QStringLiteral("8/0="));
    if (target == "title")
        return accepter.title();
    return target == "prompt" ? accepter.prompt() : actionLabel()->text();
}

} // namespace tallimax

QTEST_MAIN(tallimax::AccessibilityTest)
#include "accessibility_test.moc"
