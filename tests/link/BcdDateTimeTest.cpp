// The instrument's BCD date and time block and the link checksum.
#include "link/BcdDateTime.h"
#include "link/LinkChecksum.h"

#include <gtest/gtest.h>

#include <vector>

using namespace hvx;

TEST(LinkBcd, EncodesDigitsAndRefusesValuesOutsideTwoDigits)
{
    EXPECT_EQ(EncodeBcd(0), 0x00);
    EXPECT_EQ(EncodeBcd(9), 0x09);
    EXPECT_EQ(EncodeBcd(10), 0x10);
    EXPECT_EQ(EncodeBcd(59), 0x59);
    EXPECT_EQ(EncodeBcd(99), 0x99);
    EXPECT_EQ(EncodeBcd(100), 0x00);
    EXPECT_EQ(EncodeBcd(255), 0x00);
    EXPECT_EQ(EncodeBcd(-1), 0x00);
}

TEST(LinkBcd, DecodesNibblesWithoutDigitCheck)
{
    EXPECT_EQ(DecodeBcd(0x59), 59);
    EXPECT_EQ(DecodeBcd(0x9A), 100);
    EXPECT_EQ(DecodeBcd(0x13), 13);
    EXPECT_EQ(DecodeBcd(0xFF), 165);
    for (int v = 0; v < 100; ++v)
        EXPECT_EQ(DecodeBcd(EncodeBcd(v)), v);
}

TEST(LinkBcd, DateTimeBlockHasTheInstrumentsFieldOrderAndCentury)
{
    const DeviceDateTime value{56, 34, 12, 4, 5, 7, 2012};
    const DateTimeBlock block = EncodeDateTime(value);
    EXPECT_EQ(block, (DateTimeBlock{0x56, 0x34, 0x12, 0x04, 0x05, 0x07, 0x12}));
    const DeviceDateTime back = DecodeDateTime(block);
    EXPECT_EQ(back.second, 56);
    EXPECT_EQ(back.minute, 34);
    EXPECT_EQ(back.hour, 12);
    EXPECT_EQ(back.dayOfWeek, 4);
    EXPECT_EQ(back.day, 5);
    EXPECT_EQ(back.month, 7);
    EXPECT_EQ(back.year, 2012);
}

TEST(LinkBcd, YearByteAtTheEdgesOfTheCentury)
{
    auto yearByte = [](int year) { return EncodeDateTime(DeviceDateTime{0, 0, 0, 0, 1, 1, year})[6]; };
    EXPECT_EQ(yearByte(2000), 0x00);
    EXPECT_EQ(yearByte(2099), 0x99);
    EXPECT_EQ(yearByte(2100), 0x00);
    EXPECT_EQ(yearByte(1999), 0x00);
}

TEST(LinkBcd, LocalTimeCountsWeekdaysFromSunday)
{
    // 31 December 2099 is a Thursday, 3 January 2016 a Sunday.
    const DeviceDateTime thursday = DeviceDateTimeOf(QDateTime(QDate(2099, 12, 31), QTime(23, 59, 58)));
    EXPECT_EQ(EncodeDateTime(thursday), (DateTimeBlock{0x58, 0x59, 0x23, 0x04, 0x31, 0x12, 0x99}));
    EXPECT_EQ(DeviceDateTimeOf(QDateTime(QDate(2016, 1, 3), QTime(0, 0))).dayOfWeek, 0);
}

TEST(LinkChecksumTest, SumsUnsignedBytesModulo65536)
{
    std::vector<quint8> bytes(300, 0xFF); // 300 x 255 = 76500 -> 76500 - 65536 = 10964
    EXPECT_EQ(LinkChecksum(bytes.data(), int(bytes.size())), 10964);
    EXPECT_EQ(LinkChecksum(bytes.data(), 0), 0);
    const quint8 mixed[] = {0x80, 0x01, 0x7F};
    EXPECT_EQ(LinkChecksum(mixed, 3), 0x100);
    EXPECT_EQ(HighByte(0x1234), 0x12);
    EXPECT_EQ(LowByte(0x1234), 0x34);
}
