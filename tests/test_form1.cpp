// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/Module1.h"
#include "host/WindowBuilder.h"
#include "tests/Calculation.h"
#include "tests/GuiTest.h"
#include "ui/Fold.h"
#include "ui/Form1.h"
#include "ui/web.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyleOptionButton>
#include <QTextBlock>

#include <memory>

namespace {

const QStringList At300MHz(CentimetresAt300MHz.begin(), CentimetresAt300MHz.end());

// Where a text of the window does not fit its box as laid out: a line that
// wraps or runs past the edge, or lines below the box.
QStringList misfits(const QWidget& window)
{
    QStringList found;
    const auto note = [&](const QWidget& box, const QString& what) {
        found << window.objectName() + "." + box.objectName() + ": " + what;
    };
    for (const auto* box : window.findChildren<QLineEdit*>()) {
        const QFontMetrics metrics(box->font());
        const int room = box->contentsRect().width() - box->textMargins().left() - box->textMargins().right();
        if (metrics.horizontalAdvance(box->text()) > room || metrics.height() > box->contentsRect().height())
            note(*box, "does not fit");
    }
    for (const auto* box : window.findChildren<QPlainTextEdit*>())
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            if (block.text().isEmpty())
                continue;
            // A line of spaces shows nothing that could be cut.
            const bool blank = block.text().trimmed().isEmpty();
            const QRect line = box->cursorRect(QTextCursor(block));
            if (block.layout()->lineCount() != 1 || (!blank && line.bottom() >= box->viewport()->height()))
                note(*box, "line " + QString::number(block.blockNumber() + 1));
        }
    for (const auto* button : window.findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        if (button->fontMetrics().horizontalAdvance(button->text()) > room.width())
            note(*button, "does not fit");
    }
    for (const auto* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QRect room = label->contentsRect();
        const QRect text = label->fontMetrics().boundingRect(room, Qt::TextWordWrap, label->text());
        const int lines = label->wordWrap() ? 2 : 1;
        if (text.width() > room.width() || text.height() > room.height()
            || text.height() / label->fontMetrics().lineSpacing() != lines)
            note(*label, "not on " + QString::number(lines) + " line(s)");
    }
    return found;
}

} // namespace

class Form1Test : public MainWindowTest {
    Q_OBJECT

private slots:
    void overlapsAreAsDesigned()
    {
        // The history text reaches over the left edges of four controls of the
        // calculator column; nothing else overlaps. In twips: Text2 by 255,
        // Text8 by 135, Command1 and Text4 by 15.
        const QMap<QString, int> expected{{"Text2", 17}, {"Text8", 9}, {"Command1", 1}, {"Text4", 1}};
        const QList<QWidget*> controls = main_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 23);
        for (QWidget* first : controls)
            for (QWidget* second : controls) {
                if (first >= second)
                    continue;
                const QRect overlap = first->geometry() & second->geometry();
                const bool historyPair = first->objectName() == "Text17" || second->objectName() == "Text17";
                const QString other = first->objectName() == "Text17" ? second->objectName() : first->objectName();
                const int width = overlap.isEmpty() ? 0 : overlap.width();
                QCOMPARE(width, historyPair ? expected.value(other) : 0);
            }
        // The column stays readable: its controls stand in front of the history.
        const auto& history = control(*main_, "Text17");
        for (const QString& name : expected.keys()) {
            const auto& front = control(*main_, qPrintable(name));
            const QPoint inOverlap = front.geometry().topLeft() + QPoint(0, front.height() / 2);
            QWidget* shown = main_->childAt(inOverlap);
            QVERIFY2(shown == &front || front.isAncestorOf(shown), qPrintable(name));
            QVERIFY(history.geometry().contains(inOverlap));
        }
        QCOMPARE(control(*main_, "Text16").geometry().bottom() + 1, 7095 / 15);
        QCOMPARE(main_->size(), QSize(9885 / 15, 7095 / 15));
    }

    void initialTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("fontPixels"); // 8.25 pt is 11 px, 12 pt 16 px, 13.5 pt 18 px
        // clang-format off
        QTest::newRow("title") << "Text1" << "DIPOLE DRIVEN QUAD      by   HARNOX" << 18;
        QTest::newRow("input caption") << "Text2" << "INPUT FREQUENCY IN MHZ" << 11;
        QTest::newRow("input") << "Text3" << "00.0" << 16;
        QTest::newRow("spacing caption") << "Text4" << "ELEMENT SPACING" << 11;
        QTest::newRow("wire caption") << "Text6" << "WIRE LENGTH" << 11;
        QTest::newRow("note") << "Text10" << "SEE GAMMA DETAILS  FOR A,B,C" << 11;
        QTest::newRow("A") << "Text11" << "A" << 18;
        QTest::newRow("B") << "Text12" << "B" << 18;
        QTest::newRow("C") << "Text13" << "C" << 18;
        for (const QString& output : OutputFields)
            QTest::newRow(qPrintable(output)) << output << "00.0" << 18;
        // clang-format on
    }

    void initialTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, fontPixels);
        QCOMPARE(main_->objectName(), "Form1");
        QCOMPARE(control(*main_, qPrintable(name)).font().pixelSize(), fontPixels);
        QCOMPARE(main_->windowTitle(), "VEVUZORO(tm)");
        QCOMPARE(control<QLineEdit>(*main_, qPrintable(name)).text(), text);
        QCOMPARE(control<QPlainTextEdit>(*main_, "Text8").toPlainText(), "DRIVEN ELEMENT LENGTH\nCENTER TO TIP\n");
    }

    void tabOrderStartsAtTheTitle()
    {
        const QStringList tabOrder{"Text1",  "Text2",  "Text3",  "Command1", "Command2", "Text4",    "Text5",  "Text6",
                                   "Text7",  "Text8",  "Text9",  "Text10",   "Text11",   "Text12",   "Text13", "Text14",
                                   "Text15", "Text16", "Text17", "Command3", "Command4", "Command5", "Text1"};
        QStringList visited;
        for (int step = 0; step < tabOrder.size(); ++step) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, tabOrder);
    }

    void enterPressesOnlyTheFocusedButton_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers"); // Return, or with the keypad's the keypad Enter
        QTest::addColumn<QString>("spacing");
        // Enter in the input field: test_real_input, with keys from outside.
        QTest::newRow("Return in the history") << "Text17" << Qt::KeyboardModifiers() << "00.0";
        QTest::newRow("Return on INCH") << "Command1" << Qt::KeyboardModifiers() << "5.05236220472441";
        QTest::newRow("keypad Enter on CM") << "Command2" << Qt::KeyboardModifiers(Qt::KeypadModifier) << "12.833";
        QTest::newRow("Ctrl+Return on CM") << "Command2" << Qt::KeyboardModifiers(Qt::ControlModifier) << "00.0";
    }

    void enterPressesOnlyTheFocusedButton()
    {
        QFETCH(QString, focus);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, spacing);
        ErrorReports reports;
        type("Text3", "300");
        QWidget& focused = control(*main_, qPrintable(focus));
        focused.setFocus();
        const auto key = modifiers & Qt::KeypadModifier ? Qt::Key_Enter : Qt::Key_Return;
        QTest::keyClick(&focused, key, modifiers);
        QCOMPARE(outputs().first(), spacing);
        QVERIFY(reports.names.isEmpty());
        QCOMPARE(QApplication::focusWidget(), &focused);
    }

    void unitButtonsReplaceEveryResult()
    {
        type("Text3", "300");
        click("Command1");
        QCOMPARE(outputs().first(), "5.05236220472441");
        QCOMPARE(control<QLineEdit>(*main_, "Text5").cursorPosition(), 0);
        click("Command2");
        QCOMPARE(outputs(), At300MHz);
    }

    void otherBoxesHaveNoInfluence()
    {
        for (const char* box : {"Text1", "Text2", "Text5", "Text11", "Text16"})
            type(box, "typed");
        type("Text3", "300");
        click("Command2");
        QCOMPARE(outputs(), At300MHz);
        // What was typed into a caption stays.
        QCOMPARE(control<QLineEdit>(*main_, "Text2").text(), "typed");
    }

    void errorsAreReportedAndTheProgramGoesOn_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("error");
        QTest::addColumn<float>("frequencyAfter");
        QTest::addColumn<QString>("report"); // part of what the report explains; the calculator's tests have the rest
        // clang-format off
        QTest::newRow("nothing typed yet") << "" << "Division by zero" << 0.0f << "\"00.0\" is zero";
        QTest::newRow("not a number") << "abc" << "Type mismatch" << 14.2f << "\"abc\" is not a number";
        QTest::newRow("emptied") << "\b" << "Type mismatch" << 14.2f << "The text is empty";
        // clang-format on
    }

    void errorsAreReportedAndTheProgramGoesOn()
    {
        QFETCH(QString, input);
        QFETCH(QString, error);
        QFETCH(float, frequencyAfter);
        QFETCH(QString, report);

        Module1::Frequency = 14.2f;
        if (!input.isEmpty())
            type("Text3", input);
        const QString typed = control<QLineEdit>(*main_, "Text3").text();
        ErrorReports reports;
        for (const char* button : {"Command1", "Command2"}) {
            click(button);
            QCOMPARE(outputs(), QStringList(6, "00.0"));
            QCOMPARE(Module1::Frequency, frequencyAfter);
        }
        QCOMPARE(reports.names, QStringList(2, error));
        QVERIFY2(reports.explanations.first().contains(report), qPrintable(reports.explanations.first()));
        QVERIFY(reports.explanations.first().endsWith("and try again."));
        QCOMPARE(control<QLineEdit>(*main_, "Text3").text(), typed);

        type("Text3", "300");
        click("Command2");
        QCOMPARE(outputs().first(), "12.833");
        QVERIFY(main_->isVisible());
    }

    void longPastesAreHeldWhole()
    {
        // 32,770 characters meaning 300; cut at Qt's default of 32,767, they would mean 3.
        const QString pasted = "3." + QString(32765, '0') + "1e2";
        QGuiApplication::clipboard()->setText(pasted);
        auto& input = control<QLineEdit>(*main_, "Text3");
        QTest::keyClick(&input, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&input, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(input.text(), pasted);
        ErrorReports reports;
        click("Command2");
        QCOMPARE(reports.names, QStringList());
        QCOMPARE(outputs().first(), "12.833");
        QCOMPARE(input.text(), pasted);
    }

    void resizingMovesNothing()
    {
        const QRect before = control(*main_, "Text16").geometry();
        main_->resize(300, 200);
        QCOMPARE(control(*main_, "Text16").geometry(), before);
        QVERIFY(!control(*main_, "Text16").visibleRegion().boundingRect().isValid());
        main_->resize(1200, 900);
        QCOMPARE(control(*main_, "Text16").geometry(), before);
    }

    // Run also with QT_SCALE_FACTOR 1.25, 1.5 and 2: the windows scale as a whole.
    void textsStayInsideTheirBoxes()
    {
        QStringList found = misfits(*main_);
        for (const auto* description : {&Fold::Description, &web::Description}) {
            const std::unique_ptr<QWidget> other = HostRuntime::buildWindow(*description);
            other->show();
            QVERIFY(QTest::qWaitForWindowExposed(other.get()));
            found += misfits(*other);
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
        // Pictures and the pointer come from their fine drawings on dense screens.
        const qreal ratio = main_->devicePixelRatioF();
        const auto& picture = control<QLabel>(*main_, "Picture1");
        QVERIFY(picture.contentsRect().contains(QRect(picture.contentsRect().topLeft(), QSize(195, 343))));
        QCOMPARE(picture.pixmap().deviceIndependentSize().toSize(), QSize(195, 343));
        QCOMPARE(picture.pixmap().devicePixelRatio(), ratio);
        // Its hot spot as the X server shows it: test_real_input.
        const QPixmap pointer = control(*HostRuntime::buildWindow(web::Description), "lblWebPage").cursor().pixmap();
        QCOMPARE(pointer.size(), (QSizeF(32, 32) * ratio).toSize());
        QCOMPARE(main_->grab().size(), main_->size() * ratio);
    }
};

KARVEL_GUI_TEST_MAIN(Form1Test)
#include "test_form1.moc"
