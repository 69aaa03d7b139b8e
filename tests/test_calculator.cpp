// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/Dimensions.h"
#include "calc/Module1.h"
#include "host/core/Conversions.h"
#include "host/core/RuntimeError.h"
#include "tests/Calculation.h"

#include <QTest>

using HostRuntime::ErrorKind;

namespace {
const QStringList At300MHz(CentimetresAt300MHz.begin(), CentimetresAt300MHz.end());
} // namespace

class CalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Module1::Frequency = 0.0f; }

    void dimensions_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<LengthUnit>("unit");
        QTest::addColumn<QStringList>("expected");

        // clang-format off
        QTest::newRow("300 MHz, cm") << "300" << LengthUnit::Centimetre << At300MHz;
        // Inches are centimetres divided by 2.54.
        QTest::newRow("300 MHz, inch") << "300" << LengthUnit::Inch
            << QStringList{"5.05236220472441", "41.2125984251968", "7.21653543307087",
                           "1.56299212598425", "2.86614173228346", "3.25590551181102"};
        // 14.2 is held as the single 14.1999998092651; the exact 14.2 would give 271.119718309859.
        QTest::newRow("14.2 MHz, cm") << "14.2" << LengthUnit::Centimetre
            << QStringList{"271.119721951548", "2211.54932548025", "387.253526328363",
                           "83.8732405632078", "153.802818967293", "174.718312205977"};
        QTest::newRow("28.5 MHz, cm") << " 28.5 " << LengthUnit::Centimetre
            << QStringList{"135.084210526316", "1101.89473684211", "192.947368421053",
                           "41.7894736842105", "76.6315789473684", "87.0526315789474"};
        QTest::newRow("28.5 MHz, inch") << "2.85e1" << LengthUnit::Inch
            << QStringList{"53.1827600497306", "433.816825528388", "75.9635308744302",
                           "16.4525486945711", "30.1699129714049", "34.2726895980108"};
        QTest::newRow("negative frequency") << "-3.5" << LengthUnit::Centimetre
            << QStringList{"-1099.97142857143", "-8972.57142857143", "-1571.14285714286",
                           "-340.285714285714", "-624", "-708.857142857143"};
        // The smallest single frequency still gives finite lengths.
        QTest::newRow("smallest frequency") << "1e-45" << LengthUnit::Centimetre
            << QStringList{"2.74738044607434E+48", "2.2410643270869E+49", "3.92421753109504E+48",
                           "8.49926001006399E+47", "1.55855448043491E+48", "1.77050076280174E+48"};
        // clang-format on
    }

    void dimensions()
    {
        QFETCH(QString, input);
        QFETCH(LengthUnit, unit);
        QFETCH(QStringList, expected);

        MemoryFields fields(input.toStdString());
        CalculateDimensions(unit, fields);
        QCOMPARE(fields.outputs<QStringList>(), expected);
        QCOMPARE(Module1::Frequency, HostRuntime::toSingle(input.toStdString()));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<ErrorKind>("error");
        QTest::addColumn<float>("frequencyAfter");
        QTest::addColumn<QString>("report"); // what the report explains, and what it advises

        // clang-format off
        // Module1::Frequency is 28.5 from an earlier calculation in each row.
        QTest::newRow("initial text") << "00.0" << ErrorKind::DivisionByZero << 0.0f
            << "\"00.0\" is zero, and a number was divided by it. Type a number other than zero";
        QTest::newRow("negative zero") << "-0" << ErrorKind::DivisionByZero << -0.0f << "\"-0\" is zero";
        QTest::newRow("below single range") << "1e-50" << ErrorKind::DivisionByZero << 0.0f
            << "\"1e-50\" is too small for a single-precision number and reads as zero in single precision, and "
               "a number was divided by it. Type a number further from zero";
        QTest::newRow("below single range, negative") << "-1e-50" << ErrorKind::DivisionByZero << -0.0f
            << "further from zero";
        QTest::newRow("empty") << "" << ErrorKind::TypeMismatch << 28.5f << "The text is empty";
        QTest::newRow("not a number") << "twenty" << ErrorKind::TypeMismatch << 28.5f
            << "\"twenty\" is not a number. Type a number";
        QTest::newRow("beyond single range") << "1e39" << ErrorKind::Overflow << 28.5f
            << "\"1e39\" is beyond the range of a single-precision number, which ends at 3.40282347E+38. "
               "Type a number closer to zero";
        QTest::newRow("beyond single range, negative") << "-1e39" << ErrorKind::Overflow << 28.5f
            << "which ends at -3.40282347E+38. Type a number closer to zero";
        // clang-format on
    }

    void failures()
    {
        QFETCH(QString, input);
        QFETCH(ErrorKind, error);
        QFETCH(float, frequencyAfter);
        QFETCH(QString, report);

        for (const LengthUnit unit : {LengthUnit::Inch, LengthUnit::Centimetre}) {
            Module1::Frequency = 28.5f;
            MemoryFields fields(input.toStdString());
            const auto raised = raisedBy([&] { CalculateDimensions(unit, fields); });
            QVERIFY(raised);
            QCOMPARE(raised->kind(), error);
            const QString explained = QString::fromStdString(raised->detail() + ' ' + raised->advice());
            QVERIFY2(explained.contains(report) && explained.endsWith("and try again."), qPrintable(explained));
            QCOMPARE(fields.outputs<QStringList>(), QStringList(6, "00.0"));
            QCOMPARE(fields.text(FrequencyField), input.toStdString());
            QCOMPARE(Module1::Frequency, frequencyAfter);
        }
    }

    void unitChangeReplacesEveryResult()
    {
        MemoryFields fields("300");
        CalculateDimensions(LengthUnit::Inch, fields);
        const QStringList inches = fields.outputs<QStringList>();
        CalculateDimensions(LengthUnit::Centimetre, fields);
        const QStringList centimetres = fields.outputs<QStringList>();
        for (int row = 0; row < 6; ++row)
            QVERIFY2(inches[row] != centimetres[row], qPrintable(inches[row]));
        QCOMPARE(centimetres, At300MHz);
    }

    void onlyTheInputFieldMatters()
    {
        MemoryFields fields("300");
        for (auto& [name, text] : fields.texts)
            if (name != FrequencyField)
                text = "typed by the user";
        CalculateDimensions(LengthUnit::Centimetre, fields);
        QCOMPARE(fields.outputs<QStringList>(), At300MHz);
    }
};

QTEST_APPLESS_MAIN(CalculatorTest)
#include "test_calculator.moc"
