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

Q_DECLARE_METATYPE(std::optional<ErrorKind>)

class ConversionsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { HostRuntime::setDecimalSeparator("."); }
    void textToSingle_data();
    void textToSingle();
    void doubleToText_data();
    void doubleToText();
    void errorNamesAreFixed();
};

void ConversionsTest::textToSingle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<float>("expected");
    QTest::addColumn<std::optional<ErrorKind>>("error");

    const std::optional<ErrorKind> none;
    const auto mismatch = std::optional(ErrorKind::TypeMismatch);
    const auto overflow = std::optional(ErrorKind::Overflow);
    const float largest = std::numeric_limits<float>::max();
    const float smallest = std::numeric_limits<float>::denorm_min();

    // clang-format off
    QTest::newRow("plain") << "28.5" << "." << 28.5f << none;
    QTest::newRow("rounded to single") << "14.2" << "." << 14.2f << none;
    QTest::newRow("initial text") << "00.0" << "." << 0.0f << none;
    QTest::newRow("white space around") << " \t+14.2\r\n" << "." << 14.2f << none;
    QTest::newRow("negative") << "-7" << "." << -7.0f << none;
    QTest::newRow("negative zero") << "-0" << "." << -0.0f << none;
    QTest::newRow("leading separator") << ".5" << "." << 0.5f << none;
    QTest::newRow("trailing separator") << "5." << "." << 5.0f << none;
    QTest::newRow("exponent") << "1e3" << "." << 1000.0f << none;
    QTest::newRow("signed exponent") << "2.5E-1" << "." << 0.25f << none;
    QTest::newRow("locale comma") << "14,2" << "," << 14.2f << none;
    QTest::newRow("dot in comma locale") << "14.2" << "," << 14.2f << none;
    QTest::newRow("multi-byte separator") << "0\u066B25" << "\u066B" << 0.25f << none;
    QTest::newRow("largest single") << "3.4028235e38" << "." << largest << none;
    QTest::newRow("smallest single") << "7.1e-46" << "." << smallest << none;
    QTest::newRow("below range is zero") << "1e-46" << "." << 0.0f << none;
    QTest::newRow("below range keeps sign") << "-1e-46" << "." << -0.0f << none;
    QTest::newRow("zero with huge exponent") << "0.0e999999999999999999" << "." << 0.0f << none;
    // Rounding through a double first lands exactly halfway and gives 1.
    QTest::newRow("rounded once")
        << "1.00000005960464477539062500001" << "." << std::nextafter(1.0f, 2.0f) << none;

    QTest::newRow("empty") << "" << "." << 0.0f << mismatch;
    QTest::newRow("blank") << "   " << "." << 0.0f << mismatch;
    QTest::newRow("separator only") << "." << "." << 0.0f << mismatch;
    QTest::newRow("sign only") << "-" << "." << 0.0f << mismatch;
    QTest::newRow("two signs") << "--1" << "." << 0.0f << mismatch;
    QTest::newRow("exponent only") << "e5" << "." << 0.0f << mismatch;
    QTest::newRow("exponent without digits") << "1e+" << "." << 0.0f << mismatch;
    QTest::newRow("two separators") << "1.2.3" << "." << 0.0f << mismatch;
    QTest::newRow("group separator") << "1,234.5" << "." << 0.0f << mismatch;
    QTest::newRow("group separator, comma locale") << "1.234,5" << "," << 0.0f << mismatch;
    QTest::newRow("comma in dot locale") << "14,2" << "." << 0.0f << mismatch;
    QTest::newRow("space inside") << "1 000" << "." << 0.0f << mismatch;
    QTest::newRow("hex") << "0x10" << "." << 0.0f << mismatch;
    QTest::newRow("infinity") << "inf" << "." << 0.0f << mismatch;
    QTest::newRow("not a number") << "nan" << "." << 0.0f << mismatch;
    QTest::newRow("currency") << "$5" << "." << 0.0f << mismatch;
    QTest::newRow("unit after") << "28.5 MHz" << "." << 0.0f << mismatch;
    QTest::newRow("other digits") << "\u0661\u0662" << "." << 0.0f << mismatch;
    QTest::newRow("text") << "abc" << "." << 0.0f << mismatch;

    QTest::newRow("rounds beyond range") << "3.40282357e38" << "." << 0.0f << overflow;
    QTest::newRow("beyond range") << "1e39" << "." << 0.0f << overflow;
    QTest::newRow("beyond range, negative") << "-1e39" << "." << 0.0f << overflow;
    QTest::newRow("huge exponent") << "1e99999999999999999999" << "." << 0.0f << overflow;
    QTest::newRow("many digits") << QString(60, '9') << "." << 0.0f << overflow;
    // Beyond a text box's old limit of 32,767 characters, every one counts.
    QTest::newRow("32,770 characters") << "3." + QString(32765, '0') + "1e2" << "." << 300.0f << none;
    QTest::newRow("100,000 digits") << QString(100000, '9') << "." << 0.0f << overflow;
    // clang-format on
}

void ConversionsTest::textToSingle()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(float, expected);
    QFETCH(std::optional<ErrorKind>, error);

    HostRuntime::setDecimalSeparator(separator.toStdString());
    float value = 0.0f;
    const auto raised = raisedBy([&] { value = HostRuntime::toSingle(text.toStdString()); });
    QCOMPARE(raised ? std::optional(raised->kind()) : std::nullopt, error);
    if (!error)
        QCOMPARE(std::bit_cast<quint32>(value), std::bit_cast<quint32>(expected));
}

void ConversionsTest::doubleToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<std::optional<ErrorKind>>("error");

    // clang-format off
    const std::optional<ErrorKind> none;
    QTest::newRow("integer") << 100.0 << "." << "100" << none;
    QTest::newRow("zero") << 0.0 << "." << "0" << none;
    QTest::newRow("negative zero") << -0.0 << "." << "0" << none;
    QTest::newRow("binary noise dropped") << 0.1 + 0.2 << "." << "0.3" << none;
    QTest::newRow("15th digit rounded up") << 2.0 / 3.0 << "." << "0.666666666666667" << none;
    QTest::newRow("15th digit rounded down") << 0.1234567890123444 << "." << "0.123456789012344" << none;
    QTest::newRow("rounds to one") << 1.0000000000000049 << "." << "1" << none;
    QTest::newRow("negative") << -271.1197219515484 << "." << "-271.119721951548" << none;
    QTest::newRow("locale comma") << 0.5 << "," << "0,5" << none;
    QTest::newRow("smallest plain") << 0.0001 << "." << "0.0001" << none;
    QTest::newRow("small exponent") << 0.00001191 << "." << "1.191E-05" << none;
    QTest::newRow("small exponent, comma") << 0.000015 << "," << "1,5E-05" << none;
    QTest::newRow("largest plain") << 123456789012345.0 << "." << "123456789012345" << none;
    QTest::newRow("large exponent") << 1234567890123456.0 << "." << "1.23456789012346E+15" << none;
    QTest::newRow("rounds into exponent") << 999999999999999.9 << "." << "1E+15" << none;
    QTest::newRow("two exponent digits") << 2.1e47 << "." << "2.1E+47" << none;
    QTest::newRow("three exponent digits") << -1e100 << "." << "-1E+100" << none;
    QTest::newRow("subnormal") << 5e-324 << "." << "4.94065645841247E-324" << none;
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << "."
                                    << "1.79769313486232E+308" << none;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "." << ""
                              << std::optional(ErrorKind::Overflow);
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "." << ""
                         << std::optional(ErrorKind::InvalidOperation);
    // clang-format on
}

void ConversionsTest::doubleToText()
{
    QFETCH(double, value);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QFETCH(std::optional<ErrorKind>, error);

    HostRuntime::setDecimalSeparator(separator.toStdString());
    std::string text;
    const auto raised = raisedBy([&] { text = HostRuntime::doubleToText(value); });
    QCOMPARE(raised ? std::optional(raised->kind()) : std::nullopt, error);
    QCOMPARE(QString::fromStdString(text), expected);
}

void ConversionsTest::errorNamesAreFixed()
{
    QCOMPARE(HostRuntime::errorName(ErrorKind::TypeMismatch), "Type mismatch");
    QCOMPARE(HostRuntime::errorName(ErrorKind::Overflow), "Overflow");
    QCOMPARE(HostRuntime::errorName(ErrorKind::DivisionByZero), "Division by zero");
}

QTEST_APPLESS_MAIN(ConversionsTest)
#include "test_conversions.moc"
