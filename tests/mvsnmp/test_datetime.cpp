#include <gtest/gtest.h>

#include <QDateTime>

#include "mvsnmp/MvDateTime.h"

// Readable failure messages for texts.
static void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

struct Parse {
  const char* text;
  MvDateTime expected;  // built field by field below
  const char* printed;
};

MvDateTime fields(int y, int mo, int d, int h, int mi, int s, int ds, char dir = '+', int hu = 0,
                  int mu = 0) {
  MvDateTime v(QStringLiteral("0-0-0,0:0:0.0"));
  v.year = static_cast<quint16>(y);
  v.month = static_cast<quint8>(mo);
  v.day = static_cast<quint8>(d);
  v.hour = static_cast<quint8>(h);
  v.minutes = static_cast<quint8>(mi);
  v.seconds = static_cast<quint8>(s);
  v.deciSeconds = static_cast<quint8>(ds);
  v.direction = dir;
  v.hoursFromUtc = static_cast<quint8>(hu);
  v.minutesFromUtc = static_cast<quint8>(mu);
  return v;
}

TEST(MvDateTime, ParsesTheThreePatternsAndPrintsThemBack) {
  const Parse cases[] = {
      {"2008-11-10,13:5:7.0,+8:0", fields(2008, 11, 10, 13, 5, 7, 0, '+', 8, 0),
       "2008-11-10,13:5:7.0,+8:0"},
      {"2008-11-10,13:5:7.0,-5:30", fields(2008, 11, 10, 13, 5, 7, 0, '-', 5, 30),
       "2008-11-10,13:5:7.0,-5:30"},
      {"2008-11-10,13:5:7.0", fields(2008, 11, 10, 13, 5, 7, 0), "2008-11-10,13:5:7.0"},
      // A zero offset is not printed.
      {"2008-11-10,13:5:7.0,+0:0", fields(2008, 11, 10, 13, 5, 7, 0), "2008-11-10,13:5:7.0"},
      // Leading zeros and blanks before numbers are read; a blank before a literal ends reading.
      {"2008-11-10, 13:05:07.9 ,+8:0", fields(2008, 11, 10, 13, 5, 7, 9), "2008-11-10,13:5:7.9"},
      // An offset with only its hours is no offset.
      {"2008-11-10,13:5:7.0,+8", fields(2008, 11, 10, 13, 5, 7, 0), "2008-11-10,13:5:7.0"},
      // Numbers are cut to their field's width.
      {"70000-300-1,0:0:0.0", fields(4464, 44, 1, 0, 0, 0, 0), "4464-44-1,0:0:0.0"},
      {"99999999999999999999-1-1,0:0:0.0", fields(65535, 1, 1, 0, 0, 0, 0), "65535-1-1,0:0:0.0"},
      {"-1-1-1,0:0:0.0", fields(65535, 1, 1, 0, 0, 0, 0), "65535-1-1,0:0:0.0"},
      // What a partial text leaves unset is 0.
      {"2008-11", fields(2008, 11, 0, 0, 0, 0, 0), "2008-11-0,0:0:0.0"},
      {"", fields(0, 0, 0, 0, 0, 0, 0), "0-0-0,0:0:0.0"},
      {"garbage", fields(0, 0, 0, 0, 0, 0, 0), "0-0-0,0:0:0.0"},
  };
  for (const Parse& c : cases) {
    SCOPED_TRACE(c.text);
    const MvDateTime v(QString::fromLatin1(c.text));
    EXPECT_EQ(v, c.expected);
    EXPECT_EQ(v.toText(), QString::fromLatin1(c.printed));
  }
}

TEST(MvDateTime, OctetsCarryTheYearMostSignificantFirst) {
  const MvDateTime v(QStringLiteral("2008-11-10,13:5:7.3,-5:30"));
  const QByteArray octets = v.toOctets();
  EXPECT_EQ(octets, QByteArray::fromHex("07D80B0A0D0507032D051E"));
  EXPECT_EQ(MvDateTime::fromOctets(octets), v);
  // Extra octets are ignored; too few give nothing.
  EXPECT_EQ(MvDateTime::fromOctets(octets + "xyz"), v);
  EXPECT_FALSE(MvDateTime::fromOctets(octets.left(10)).has_value());
  EXPECT_FALSE(MvDateTime::fromOctets(QByteArray()).has_value());
}

TEST(MvDateTime, OffsetWithOtherDirectionOctetIsNotPrinted) {
  MvDateTime v =
      *MvDateTime::fromOctets(QByteArray::fromHex("07D80B0A0D050700"
                                                  "58"
                                                  "0800"));
  EXPECT_EQ(v.direction, 'X');
  EXPECT_EQ(v.toText(), "2008-11-10,13:5:7.0");
}

TEST(MvDateTime, SwapYearExchangesItsTwoOctets) {
  MvDateTime v(QStringLiteral("2008-1-1,0:0:0.0"));
  v.swapYear();
  EXPECT_EQ(v.year, 0xD807);
  v.swapYear();
  EXPECT_EQ(v.year, 2008);
}

TEST(MvDateTime, DefaultIsTheLocalDateAndTimeWithoutOffset) {
  const QDateTime before = QDateTime::currentDateTime();
  const MvDateTime now;
  const QDateTime after = QDateTime::currentDateTime();
  const QDateTime read(QDate(now.year, now.month, now.day),
                       QTime(now.hour, now.minutes, now.seconds));
  EXPECT_GE(read, before.addMSecs(-before.time().msec()));
  EXPECT_LE(read, after);
  EXPECT_EQ(now.deciSeconds, 0);
  EXPECT_EQ(now.direction, '+');
  EXPECT_EQ(now.hoursFromUtc, 0);
  EXPECT_EQ(now.minutesFromUtc, 0);
}

}  // namespace
