// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the conversions, the calculation and a click through the real
// main window:
//   QT_QPA_PLATFORM=offscreen build/benchmarks/bench_karvel
// Goals: the calculation under 2 us, one CM click to six new results under 50 us.
#include "calc/Dimensions.h"
#include "host/Application.h"
#include "host/core/Conversions.h"
#include "host/core/Fields.h"
#include "host/Text.h"
#include "host/WindowBuilder.h"
#include "tests/Calculation.h"
#include "ui/Form1.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// A main window showing, with 14.2 typed into its input.
std::unique_ptr<QWidget> mainWindowFor14_2()
{
    std::unique_ptr<QWidget> window = HostRuntime::buildWindow(Form1::Description);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the main window did not show");
    window->findChild<QLineEdit*>(HostRuntime::toQString(FrequencyField))->setText("14.2");
    return window;
}

} // namespace

class Benchmarks : public QObject {
    Q_OBJECT

private slots:
    void calculation();
    void textToSingle();
    void doubleToText();
    void clickToSixResults();
    void centimetreClickWithPainting();
};

void Benchmarks::calculation()
{
    MemoryFields fields("14.2");
    QBENCHMARK { CalculateDimensions(LengthUnit::Centimetre, fields); }
    QCOMPARE(fields.text(ElementSpacing.outputField), "271.119721951548");
}

void Benchmarks::textToSingle()
{
    float value = 0;
    QBENCHMARK { value = HostRuntime::toSingle("14.2"); }
    QCOMPARE(value, 14.2f);
}

void Benchmarks::doubleToText()
{
    std::string text;
    QBENCHMARK { text = HostRuntime::doubleToText(271.1197219515484); }
    QCOMPARE(text, "271.119721951548");
}

// One click, INCH and CM in turn so that all six results change each time:
// press and release delivered through the application as the window
// system's would be; the six fields hold their new texts when the release
// returns. The painting of the previous click's results is done before the
// clock starts, as the next frame would have done it; the button's own
// pressed look, painted at once on the press, is timed. Median of 2000.
void Benchmarks::clickToSixResults()
{
    const std::unique_ptr<QWidget> window = mainWindowFor14_2();
    auto* result = window->findChild<QLineEdit*>(HostRuntime::toQString(ElementSpacing.outputField));
    std::vector<qint64> times;
    for (int click = 0; click < 2000; ++click) {
        QWidget* button = window->findChild<QWidget*>(click % 2 ? "Command2" : "Command1");
        const QPointF centre = QRectF(button->rect()).center();
        const QPointF global = button->mapToGlobal(centre);
        QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        window->repaint();
        QElapsedTimer clock;
        clock.start();
        QApplication::sendEvent(button, &press);
        QApplication::sendEvent(button, &release);
        times.push_back(clock.nsecsElapsed());
        QCOMPARE(result->text(), click % 2 ? "271.119721951548" : "106.740048012421");
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    QTest::setBenchmarkResult(static_cast<qreal>(times[times.size() / 2]), QTest::WalltimeNanoseconds);
}

// For comparison: Qt Test's click in a loop, which also paints the results
// of every click.
void Benchmarks::centimetreClickWithPainting()
{
    const std::unique_ptr<QWidget> window = mainWindowFor14_2();
    auto* result = window->findChild<QLineEdit*>(HostRuntime::toQString(SideC.outputField));
    QWidget* button = window->findChild<QWidget*>("Command2");
    QBENCHMARK
    {
        result->setText(QString());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(result->text(), "174.718312205977");
}

int main(int argc, char* argv[])
{
    HostRuntime::Application application(argc, argv);
    Benchmarks benchmarks;
    return QTest::qExec(&benchmarks, argc, argv);
}

#include "bench_karvel.moc"
