// Counter rates: the delta with one wrap of the counter's width, rates only between two readings
// of a number, and a counter page against kx760sim whose counters grow by a known step on every
// read: the rate beside each counter is that step over the measured interval, across a 32-bit
// wrap too, and the interface graph receives the same rates.
#include <gtest/gtest.h>

#include "tools/kx760mib/CounterRates.h"
#include "tests/support/FormsFixture.h"
#include "tools/kx760mib/InterfaceGraph.h"
#include "tests/kx760mib/MibPageProbe.h"
#include "catalogue/MibToolPages.h"
#include "mvsnmp/MvDeviceParams.h"

namespace {

using formstest::waitUntil;

TEST(CounterRates, DeltaCountsOneWrapOfTheCounterWidth) {
  const struct {
    quint64 previous, current;
    quint32 syntax;
    quint64 delta;
  } cases[] = {
      {100, 250, Syntax::Counter, 150},
      {7, 7, Syntax::Counter, 0},
      {4294967290u, 10, Syntax::Counter, 16},
      {4294967295u, 0, Syntax::Counter, 1},
      {0xFFFFFFFFFFFFFFF0ull, 5, Syntax::Counter64, 21},
      {4294967290u, 10, Syntax::Counter64, 0xFFFFFFFF00000010ull},  // 64 bits do not wrap at 2^32
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.previous);
    EXPECT_EQ(counterDelta(c.previous, c.current, c.syntax), c.delta);
  }
}

TEST(CounterRates, ARateNeedsTwoReadingsOfANumber) {
  CounterRates rates;
  const struct {
    const char* text;
    qint64 ms;
    std::optional<double> rate;
  } steps[] = {
      {"1000", 0, std::nullopt},       // first reading
      {"1500", 2000, 250.0},           // 500 in 2 s
      {"1500", 2000, std::nullopt},    // no time passed
      {"(NULL)", 3000, std::nullopt},  // no value: forgotten
      {"1600", 4000, std::nullopt},    // starts afresh
      {"100", 5000, 4294965796.0},     // wrapped: 2^32 - 1600 + 100 in 1 s
      {"4294967296", 6000, std::nullopt},  // no Counter32 value
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.text);
    EXPECT_EQ(rates.sample(QStringLiteral("c"), Syntax::Counter, QLatin1String(s.text), s.ms), s.rate);
  }
}

// Two refreshes of a page on a fresh simulator, the timer paused so that the test drives them.
// The page walks with get-next: kx760sim counts reads, and a get-bulk reads ahead past the rows
// it needs (and again after an answer cut short), which would count some objects twice.
struct TwoRefreshes {
  explicit TwoRefreshes(const char* argument)
      : getNextOnly((DeviceTarget.maxRepetitions = 0, true)),
        form(*findMibToolPage(QString::fromLatin1(argument)), QStringLiteral("127.0.0.1")) {
    DeviceTarget.maxRepetitions = -1;
    form.SetPaused(true);
    form.show();
  }
  bool next() {
    const int before = form.RefreshCount();
    if (before > 0) form.ConfigForm()->RefreshActivePage();
    return waitUntil([&] { return form.RefreshCount() > before; }) && form.ErrorCount() == 0;
  }
  MvSNMPRequest2Edits* binding() const { return form.ConfigForm()->BindingAt(0); }
  QString expectedRate(quint64 step) const {
    return rateText(static_cast<double>(step) * 1000.0 / static_cast<double>(form.LastIntervalMs()));
  }
  bool getNextOnly;  // set before the form's requests copy the device target
  TMibToolForm form;
};

TEST(CounterPage, TableRatesAreTheKnownStepOverTheMeasuredInterval) {
  const auto agent = formstest::startAgent();  // fresh: ifInOctets.1 wraps on its second read
  TwoRefreshes page("/TMIB_IFCounters");
  // The steps of kx760.data: port 1 in 16500 (wrapping), port 2 in 7500 and out 13000, port 3 down.
  const struct {
    const char* key;
    const char* column;
    quint64 step;
    bool wraps;
  } cases[] = {
      {"1", "ifInOctets", 16500, true},
      {"2", "ifInOctets", 7500, false},
      {"2", "ifOutOctets", 13000, false},
      {"2", "ifInUcastPkts", 13, false},
      {"3", "ifInOctets", 0, false},
  };
  QTreeWidget* view = page.binding()->ListView();
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(page.next());
  QStringList first;
  for (const auto& c : cases) {
    const QTreeWidgetItem* row = mibtest::rowWithKey(view, QLatin1String(c.key));
    ASSERT_NE(row, nullptr) << c.key;
    first << mibtest::cell(row, QLatin1String(c.column));
    EXPECT_EQ(mibtest::cell(row, QLatin1String(c.column) + QLatin1String(TMibToolForm::RateSuffix)), QString())
        << "no rate after one reading";
  }
  ASSERT_TRUE(page.next());
  ASSERT_GT(page.form.LastIntervalMs(), 0);
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(std::string(c.key) + " " + c.column);
    const QTreeWidgetItem* row = mibtest::rowWithKey(view, QLatin1String(c.key));
    const quint64 before = first.at(static_cast<qsizetype>(i)).toULongLong();
    const quint64 after = mibtest::cell(row, QLatin1String(c.column)).toULongLong();
    EXPECT_EQ(after < before, c.wraps);
    EXPECT_EQ((after - before) & 0xFFFFFFFFull, c.step);
    EXPECT_EQ(mibtest::cell(row, QLatin1String(c.column) + QLatin1String(TMibToolForm::RateSuffix)),
              page.expectedRate(c.step));
  }
  // The graph has the same rates for the interfaces ticked by default (the first two).
  InterfaceGraph* graph = page.form.Graph();
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(graph->tickedKeys(), (QStringList{"1", "2"}));
  const QList<QPointF> in1 = graph->history(QStringLiteral("1"), false);
  ASSERT_EQ(in1.size(), 1);
  EXPECT_EQ(rateText(in1.front().y()), page.expectedRate(16500));
  const QList<QPointF> out2 = graph->history(QStringLiteral("2"), true);
  ASSERT_EQ(out2.size(), 1);
  EXPECT_EQ(rateText(out2.front().y()), page.expectedRate(13000));
}

TEST(CounterPage, ScalarRatesAndSixtyFourBitCounters) {
  const auto agent = formstest::startAgent();
  const struct {
    const char* argument;
    const char* key;     // a table row, or nullptr for a group of scalars
    const char* label;
    quint64 step;
  } cases[] = {
      {"/TMIB_UDPCounters", nullptr, "udpInDatagrams", 30},
      {"/TMIB_IPCounters", nullptr, "ipInReceives", 37},
      {"/TIFMib_ifXEntry", "2", "ifHCInOctets", 7500},
      {"/TRmon_Statistics", "4", "etherStatsOctets", 9000},
      {"/TBridge_TpPortInfo", "1", "dot1dTpPortInFrames", 28},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument);
    TwoRefreshes page(c.argument);
    ASSERT_TRUE(page.next());
    ASSERT_TRUE(page.next());
    const QString label = QLatin1String(c.label);
    const QString rateLabel = label + QLatin1String(TMibToolForm::RateSuffix);
    QString rate;
    if (c.key) {
      const QTreeWidgetItem* row = mibtest::rowWithKey(page.binding()->ListView(), QLatin1String(c.key));
      ASSERT_NE(row, nullptr);
      rate = mibtest::cell(row, rateLabel);
    } else {
      rate = mibtest::editorValue(page.form.ConfigForm(), 0, rateLabel);
    }
    EXPECT_EQ(rate, page.expectedRate(c.step));
  }
}

}  // namespace
