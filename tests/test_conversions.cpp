// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/core/Conversions.h"
#include "host/core/RuntimeError.h"
#include "tests/Calculation.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <limits>
#include <optional>

using HostRuntime::ErrorKind;

class ConversionsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { HostRuntime::setDecimalSeparator("."); }

    void textToSingle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<char16_t>("separator");
        QTest::addColumn<float>("expected");
        QTest::addColumn<std::optional<ErrorKind>>("error");

        const std::optional<ErrorKind> none;
        const auto mismatch = std::optional(ErrorKind::TypeMismatch);
        const auto overflow = std::optional(ErrorKind::Overflow);
        const float largest = std::numeric_limits<float>::max();
        const float smallest = std::numeric_limits<float>::denorm_min();

        QTest::newRow("plain") << "28.5" << u'.' << 28.5f << none;
        QTest::newRow("rounded to single") << "14.2" << u'.' << 14.2f << none;
        QTest::newRow("initial text") << "00.0" << u'.' << 0.0f << none;
        QTest::newRow("white space around") << " \t+14.2\r\n" << u'.' << 14.2f << none;
        QTest::newRow("negative") << "-7" << u'.' << -7.0f << none;
        QTest::newRow("negative zero") << "-0" << u'.' << -0.0f << none;
        QTest::newRow("leading separator") << ".5" << u'.' << 0.5f << none;
        QTest::newRow("trailing separator") << "5." << u'.' << 5.0f << none;
        QTest::newRow("exponent") << "1e3" << u'.' << 1000.0f << none;
        QTest::newRow("signed exponent") << "2.5E-1" << u'.' << 0.25f << none;
        QTest::newRow("locale comma") << "14,2" << u',' << 14.2f << none;
        QTest::newRow("dot in comma locale") << "14.2" << u',' << 14.2f << none;
        QTest::newRow("multi-byte separator") << "0\u066B25" << u'\u066B' << 0.25f << none;
        QTest::newRow("largest single") << "3.4028235e38" << u'.' << largest << none;
        QTest::newRow("smallest single") << "7.1e-46" << u'.' << smallest << none;
        QTest::newRow("below range is zero") << "1e-46" << u'.' << 0.0f << none;
        QTest::newRow("below range keeps sign") << "-1e-46" << u'.' << -0.0f << none;
        QTest::newRow("zero with huge exponent") << "0.0e999999999999999999" << u'.' << 0.0f << none;
        // Rounding through a double first lands exactly halfway and gives 1.
        QTest::newRow("rounded once") << "1.00000005960464477539062500001" << u'.' << std::nextafter(1.0f, 2.0f)
                                      << none;

        QTest::newRow("empty") << "" << u'.' << 0.0f << mismatch;
        QTest::newRow("blank") << "   " << u'.' << 0.0f << mismatch;
        QTest::newRow("separator only") << "." << u'.' << 0.0f << mismatch;
        QTest::newRow("sign only") << "-" << u'.' << 0.0f << mismatch;
        QTest::newRow("two signs") << "--1" << u'.' << 0.0f << mismatch;
        QTest::newRow("exponent only") << "e5" << u'.' << 0.0f << mismatch;
        QTest::newRow("exponent without digits") << "1e+" << u'.' << 0.0f << mismatch;
        QTest::newRow("two separators") << "1.2.3" << u'.' << 0.0f << mismatch;
        QTest::newRow("group separator") << "1,234.5" << u'.' << 0.0f << mismatch;
        QTest::newRow("group separator, comma locale") << "1.234,5" << u',' << 0.0f << mismatch;
        QTest::newRow("comma in dot locale") << "14,2" << u'.' << 0.0f << mismatch;
        QTest::newRow("space inside") << "1 000" << u'.' << 0.0f << mismatch;
        QTest::newRow("hex") << "0x10" << u'.' << 0.0f << mismatch;
        QTest::newRow("infinity") << "inf" << u'.' << 0.0f << mismatch;
        QTest::newRow("not a number") << "nan" << u'.' << 0.0f << mismatch;
        QTest::newRow("currency") << "$5" << u'.' << 0.0f << mismatch;
        QTest::newRow("unit after") << "28.5 MHz" << u'.' << 0.0f << mismatch;
        QTest::newRow("other digits") << "\u0661\u0662" << u'.' << 0.0f << mismatch;
        QTest::newRow("text") << "abc" << u'.' << 0.0f << mismatch;

        QTest::newRow("rounds beyond range") << "3.40282357e38" << u'.' << 0.0f << overflow;
        QTest::newRow("beyond range") << "1e39" << u'.' << 0.0f << overflow;
        QTest::newRow("beyond range, negative") << "-1e39" << u'.' << 0.0f << overflow;
        QTest::newRow("huge exponent") << "1e99999999999999999999" << u'.' << 0.0f << overflow;
        QTest::newRow("many digits") << QString(60, '9') << u'.' << 0.0f << overflow;
        // Beyond a text box's old limit of 32,767 characters, every one counts.
        QTest::newRow("32,770 characters") << "3." + QString(32765, '0') + "1e2" << u'.' << 300.0f << none;
        QTest::newRow("100,000 digits") << QString(100000, '9') << u'.' << 0.0f << overflow;
    }

    void textToSingle()
    {
        QFETCH(QString, text);
        QFETCH(char16_t, separator);
        QFETCH(float, expected);
        QFETCH(std::optional<ErrorKind>, error);

        HostRuntime::setDecimalSeparator(QString(QChar(separator)).toStdString());
        float value = 0.0f;
        const auto raised = raisedBy([&] { value = HostRuntime::toSingle(text.toStdString()); });
        QCOMPARE(raised ? std::optional(raised->kind()) : std::nullopt, error);
        if (!error)
            QCOMPARE(std::bit_cast<quint32>(value), std::bit_cast<quint32>(expected));
    }

    void doubleToText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<char16_t>("separator");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<std::optional<ErrorKind>>("error");

        const std::optional<ErrorKind> none;
        QTest::newRow("integer") << 100.0 << u'.' << "100" << none;
        QTest::newRow("zero") << 0.0 << u'.' << "0" << none;
        QTest::newRow("negative zero") << -0.0 << u'.' << "0" << none;
        QTest::newRow("binary noise dropped") << 0.1 + 0.2 << u'.' << "0.3" << none;
        QTest::newRow("15th digit rounded up") << 2.0 / 3.0 << u'.' << "0.666666666666667" << none;
        QTest::newRow("15th digit rounded down") << 0.1234567890123444 << u'.' << "0.123456789012344" << none;
        QTest::newRow("rounds to one") << 1.0000000000000049 << u'.' << "1" << none;
        QTest::newRow("negative") << -271.1197219515484 << u'.' << "-271.119721951548" << none;
        QTest::newRow("locale comma") << 0.5 << u',' << "0,5" << none;
        QTest::newRow("smallest plain") << 0.0001 << u'.' << "0.0001" << none;
        QTest::newRow("small exponent") << 0.00001191 << u'.' << "1.191E-05" << none;
        QTest::newRow("small exponent, comma") << 0.000015 << u',' << "1,5E-05" << none;
        QTest::newRow("largest plain") << 123456789012345.0 << u'.' << "123456789012345" << none;
        QTest::newRow("large exponent") << 1234567890123456.0 << u'.' << "1.23456789012346E+15" << none;
        QTest::newRow("rounds into exponent") << 999999999999999.9 << u'.' << "1E+15" << none;
        QTest::newRow("two exponent digits") << 2.1e47 << u'.' << "2.1E+47" << none;
        QTest::newRow("three exponent digits") << -1e100 << u'.' << "-1E+100" << none;
        QTest::newRow("subnormal") << 5e-324 << u'.' << "4.94065645841247E-324" << none;
        QTest::newRow("largest double") << std::numeric_limits<double>::max() << u'.' << "1.79769313486232E+308"
                                        << none;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << u'.' << ""
                                  << std::optional(ErrorKind::Overflow);
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << u'.' << ""
                             << std::optional(ErrorKind::InvalidOperation);
    }

    void doubleToText()
    {
        QFETCH(double, value);
        QFETCH(char16_t, separator);
        QFETCH(QString, expected);
        QFETCH(std::optional<ErrorKind>, error);

        HostRuntime::setDecimalSeparator(QString(QChar(separator)).toStdString());
        std::string text;
        const auto raised = raisedBy([&] { text = HostRuntime::doubleToText(value); });
        QCOMPARE(raised ? std::optional(raised->kind()) : std::nullopt, error);
        QCOMPARE(QString::fromStdString(text), expected);
    }

    void errorNamesAreFixed()
    {
        QCOMPARE(HostRuntime::errorName(ErrorKind::TypeMismatch), "Type mismatch");
        QCOMPARE(HostRuntime::errorName(ErrorKind::Overflow), "Overflow");
        QCOMPARE(HostRuntime::errorName(ErrorKind::DivisionByZero), "Division by zero");
    }
};

QTEST_APPLESS_MAIN(ConversionsTest)
#include "test_conversions.moc"
