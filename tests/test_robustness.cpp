// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/Dimensions.h"
#include "calc/Module1.h"
#include "tests/Calculation.h"
#include "tests/GuiTest.h"

#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRandomGenerator>

#include <optional>

namespace {

// The results the calculation gives for an input in a unit; none when it
// raises a run-time error.
std::optional<QStringList> resultsFor(const QString& input, LengthUnit unit)
{
    const float frequency = Module1::Frequency;
    MemoryFields fields(input.toStdString());
    std::optional<QStringList> results;
    if (!raisedBy([&] { CalculateDimensions(unit, fields); }))
        results = fields.outputs<QStringList>();
    Module1::Frequency = frequency;
    return results;
}

// Resident memory of this process in bytes.
qint64 residentBytes()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.value(1).toLongLong() * 4096;
}

// Types as a keyboard would; characters beyond ASCII come as text alone.
void typeText(QWidget* box, const QString& text)
{
    for (const QChar character : text) {
        if (character == '\n' || character == '\t') {
            QTest::keyClick(box, character == '\n' ? Qt::Key_Return : Qt::Key_Tab);
            continue;
        }
        if (character.unicode() < 128) {
            QTest::keyClicks(box, QString(character));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
}

} // namespace

class RobustnessTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void randomUse()
    {
        const quint32 seed =
            qEnvironmentVariableIsSet("KARVEL_SEED") ? qEnvironmentVariable("KARVEL_SEED").toUInt() : 20261208u;
        random_.seed(seed);
        qInfo("seed %u", seed);
        StandInBrowser browser; // so that clicks on the link open nothing
        ErrorReports reports;
        int calculations = 0;
        for (int step = 0; step < 3000; ++step) {
            const QStringList before = outputs();
            randomStep();
            const QStringList after = outputs();
            if (after == before)
                continue;
            const QString input = control<QLineEdit>(*main_, "Text3").text();
            const bool computed =
                after == resultsFor(input, LengthUnit::Inch) || after == resultsFor(input, LengthUnit::Centimetre);
            QVERIFY2(computed, qPrintable(QString("step %1, input \"%2\": %3").arg(step).arg(input, after.join(' '))));
            ++calculations;
        }
        QVERIFY(main_->isVisible());
        qInfo("%d calculations, %lld error reports, %lld pages opened", calculations,
              static_cast<long long>(reports.names.size()), static_cast<long long>(browser.opened().size()));
        QVERIFY(calculations > 0 && !reports.names.isEmpty());
    }

    void memoryStaysFlatOverManyClicks()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer keeps freed memory in quarantine");
#endif
        if (underQemu())
            QSKIP("under qemu the resident memory is the emulator's, whose translation cache grows as it runs");
        control<QLineEdit>(*main_, "Text3").setText("14.2");
        auto& inch = control(*main_, "Command1");
        auto& centimetre = control(*main_, "Command2");
        const auto clicks = [&](int count) {
            for (int i = 0; i < count; ++i)
                QTest::mouseClick(i % 2 ? &centimetre : &inch, Qt::LeftButton);
        };
        clicks(2000); // let caches and allocator pools settle first
        const qint64 before = residentBytes();
        if (before < 0)
            QSKIP("this system tells no resident memory");
        clicks(20000);
        const qint64 growth = residentBytes() - before;
        qInfo("resident memory grew by %lld bytes over 20000 clicks", static_cast<long long>(growth));
        QVERIFY2(growth < 256 * 1024, qPrintable(QString::number(growth)));
        QCOMPARE(control<QLineEdit>(*main_, "Text5").text(), "271.119721951548");
    }

private:
    // Numbers of every form the input takes, and text that is none.
    QString randomText()
    {
        // clang-format off
        static const QStringList pieces{"28.5", "14,2", "-3", "0", "00.0", "1e39", "1e-46", ".", "e", "E-",
                                        "+", "-", " ", "\t", "abc", "MHz", "1,234", "٫", "€", "\n",
                                        "300", "7", "9999999999999999999999999999999999999999"};
        // clang-format on
        QString text;
        const int count = random_.bounded(2) == 0 ? 1 : random_.bounded(2, 4);
        for (int i = 0; i < count; ++i)
            text += pieces[random_.bounded(pieces.size())];
        return text;
    }

    // Beyond a text box's old limit of 32,767 characters: a number that only
    // its last characters make 300, or digits past the single range.
    QString longText()
    {
        const int length = random_.bounded(32768, 100001);
        return random_.bounded(2) == 0 ? "3." + QString(length - 5, '0') + "1e2" : QString(length, '9');
    }

    // Any text box of an open window but the six results, which only the
    // calculation should change.
    QWidget* randomTextBox()
    {
        QList<QWidget*> boxes;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            for (QWidget* box : window->findChildren<QWidget*>())
                if ((qobject_cast<QLineEdit*>(box) || qobject_cast<QPlainTextEdit*>(box))
                    && !(window == main_.get() && OutputFields.contains(box->objectName())))
                    boxes << box;
        }
        // The input more often than any other: that is where calculations start.
        if (random_.bounded(2) == 0)
            return &control(*main_, "Text3");
        return boxes[random_.bounded(boxes.size())];
    }

    void randomStep()
    {
        switch (random_.bounded(8)) {
        case 0:
        case 1: {
            static const QStringList buttons{"Command1", "Command2", "Command3", "Command5"};
            click(qPrintable(buttons[random_.bounded(buttons.size())]));
            break;
        }
        case 2: {
            QWidget* box = randomTextBox();
            if (random_.bounded(2) == 0)
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            typeText(box, randomText());
            break;
        }
        case 3: {
            QGuiApplication::clipboard()->setText(random_.bounded(8) == 0 ? longText() : randomText());
            QWidget* box = randomTextBox();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            break;
        }
        case 4: {
            static const QList<Qt::Key> keys{Qt::Key_Tab,       Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space,
                                             Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Escape};
            if (QWidget* focus = QApplication::focusWidget();
                focus && !(focus->window() == main_.get() && OutputFields.contains(focus->objectName())))
                QTest::keyClick(focus, keys[random_.bounded(keys.size())]);
            break;
        }
        case 5:
            for (QWidget* window : windowsNamed("web"))
                if (window->isVisible())
                    click(*window, "lblWebPage");
            break;
        case 6:
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window != main_.get() && window->isVisible() && random_.bounded(2) == 0)
                    window->close();
            break;
        case 7: {
            // Any control of any open window but EXIT, double-clicked.
            QList<QWidget*> controls;
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible())
                    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                        if (child->objectName() != "Command4"
                            && !(window == main_.get() && child->objectName().isEmpty()))
                            controls << child;
            QTest::mouseDClick(controls[random_.bounded(controls.size())], Qt::LeftButton);
            break;
        }
        }
    }

    QRandomGenerator random_;
};

KARVEL_GUI_TEST_MAIN(RobustnessTest)
#include "test_robustness.moc"
