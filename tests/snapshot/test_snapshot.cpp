// The snapshot layer offline: the plan against the catalogue, the file's exact round trip, the
// differences of two documents and the sets a restore builds from them, in their order.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <set>

#include "catalogue/CatalogueRegistry.h"
#include "snapshot/SnapshotDiff.h"
#include "catalogue/SnapshotExclusions.h"
#include "snapshot/SnapshotPlan.h"
#include "snapshot/SnapshotRestore.h"

namespace {

// Every exclusion names a list of the catalogue and, when it names an object, a read-write item
// of that list: a misspelt entry would silently keep an action in every snapshot.
TEST(SnapshotPlan, ExclusionsNameRealWritableObjectsAndNoneIsKept) {
  for (const SnapshotExclusion& e : snapshotExclusions()) {
    SCOPED_TRACE(e.list);
    const CatalogueList* list = findCatalogueList(QString::fromLatin1(e.list));
    ASSERT_NE(list, nullptr);
    EXPECT_NE(QString::fromLatin1(e.reason), QString());
    if (!e.oid) continue;
    bool found = false;
    for (int i = 0; i < list->itemCount(); ++i)
      found = found || (QLatin1StringView(list->defs[i].oid) == QLatin1StringView(e.oid) &&
                        (list->defs[i].access & 6) == 6);
    EXPECT_TRUE(found) << e.oid;
  }
  std::set<QString> kept;
  for (const SnapshotListPlan& p : snapshotPlan()) {
    EXPECT_FALSE(p.items.empty()) << p.name().toStdString();
    for (int i : p.items) {
      const QString oid = QString::fromLatin1(p.list->defs[i].oid);
      EXPECT_EQ(snapshotExclusionReason(p.name(), oid), nullptr) << oid.toStdString();
      EXPECT_TRUE(kept.insert(oid).second) << oid.toStdString() << " kept twice";
    }
  }
  for (const char* action : {"SaveConfigList", "SystemResetList", "FdbClearAllList", "FileTransferList"})
    EXPECT_EQ(findSnapshotPlan(QString::fromLatin1(action)), nullptr) << action;
}

TEST(SnapshotPlan, TablesKnowHowTheirRowsComeAndGo) {
  struct Case {
    const char* list;
    const char* create;
    const char* destroy;
  } const cases[] = {
      {"TrustHostList", "4", "6"},       // active / createAndGo / destroy
      {"VlanStaticList", "4", "6"},      // its own labels, the same values
      {"SyslogEntryList", "4", "6"},     // a RowStatus
      {"UnicastFilterList", "3", "2"},   // static filter: permanent / invalid
      {"PortControlList", nullptr, nullptr},  // a fixed table
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list);
    const SnapshotListPlan* p = findSnapshotPlan(QString::fromLatin1(c.list));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->rowControl.valid(), c.create != nullptr);
    if (!c.create) continue;
    EXPECT_EQ(p->rowControl.create, c.create);
    EXPECT_EQ(p->rowControl.destroy, c.destroy);
  }
  EXPECT_EQ(findSnapshotPlan(u"TrustHostList")->menuPath,
            "Configuration › Trust Host Management › Trust Host Table");
}

SnapshotValue value(const QString& oid, const QString& label, quint32 syntax, const QString& v,
                    const QString& text = {}) {
  return {oid, label, syntax, v, text.isEmpty() ? v : text, false};
}

SnapshotDocument document() {
  SnapshotDocument d;
  d.device.address = "10.0.0.5";
  SnapshotList scalars{"SntpList", "Configuration › Time Management › SNTP", "SNTP", false, {}};
  scalars.rows.push_back({{}, {}, {value("1.3.6.1.4.1.48213.12.10.11.1.0", "SNTP State", Syntax::Integer, "2", "disabled"),
                                   value("1.3.6.1.4.1.48213.12.10.11.9.0", "Name", Syntax::DisplayStr, QString::fromLatin1("caf\xE9 \x01")),
                                   {"1.3.6.1.4.1.48213.12.10.11.8.0", "Missing", Syntax::Integer, {}, {}, true}}});
  SnapshotList hosts{"TrustHostList", "Configuration › Trust Host Management › Trust Host Table", "Trust Host Table", true, {}};
  for (const char* n : {"1", "2"})
    hosts.rows.push_back({n, n, {value(QStringLiteral("1.3.6.1.4.1.48213.12.1.2.10.1.1.2.%1").arg(n), "Trust Host IP Address",
                                       Syntax::IpAddress, QStringLiteral("10.0.0.%1").arg(n)),
                                 value(QStringLiteral("1.3.6.1.4.1.48213.12.1.2.10.1.1.3.%1").arg(n), "Trust Host Row Status",
                                       Syntax::Integer, "1", "active")}});
  d.lists = {scalars, hosts};
  return d;
}

// What a file holds comes back exactly: Latin-1 octets of a display string, option labels,
// objects the agent lacked.
TEST(SnapshotFile, RoundTripsExactly) {
  QTemporaryDir dir;
  const SnapshotDocument d = document();
  writeSnapshotFile(dir.filePath("s.json"), d);
  const SnapshotDocument back = readSnapshotFile(dir.filePath("s.json"));
  EXPECT_TRUE(diffSnapshots(d, back).empty());
  ASSERT_EQ(back.lists.size(), 2u);
  const SnapshotRow& row = back.lists[0].rows[0];
  EXPECT_EQ(row.values[0].text, "disabled");
  EXPECT_EQ(row.values[1].value, QString::fromLatin1("caf\xE9 \x01"));
  EXPECT_TRUE(row.values[2].absent);
  EXPECT_EQ(back.lists[1].rows[1].instance, "2");
  EXPECT_THROW(SnapshotDocument::fromJson("{\"format\":\"other\"}"), SnapshotError);
  EXPECT_THROW(SnapshotDocument::fromJson("not json"), SnapshotError);
}

// File against device: a changed value, a row the device lacks, one it has more. The restore
// creates first, changes next and destroys last; an object the file lacks cannot be written.
TEST(SnapshotRestore, SetsFollowTheDevicesOrder) {
  const SnapshotDocument file = document();
  SnapshotDocument device = document();
  device.lists[0].rows[0].values[0] = value("1.3.6.1.4.1.48213.12.10.11.1.0", "SNTP State", Syntax::Integer, "3", "enabled");
  device.lists[0].rows[0].values[2] = value("1.3.6.1.4.1.48213.12.10.11.8.0", "Missing", Syntax::Integer, "5");
  device.lists[1].rows[0].instance = "7";  // host 1 gone, host 7 there instead
  device.lists[1].rows[0].index = "7";
  const std::vector<SnapshotDifference> diffs = diffSnapshots(file, device);
  QStringList texts;
  for (const SnapshotDifference& d : diffs) texts << d.text();
  EXPECT_EQ(texts, (QStringList{"Configuration › Time Management › SNTP: SNTP State: disabled → enabled",
                                "Configuration › Time Management › SNTP: Missing: (absent) → 5",
                                "Configuration › Trust Host Management › Trust Host Table: row [1] removed",
                                "Configuration › Trust Host Management › Trust Host Table: row [7] added"}));

  const std::vector<SnapshotSet> sets = restoreSets(diffs, file);
  ASSERT_EQ(sets.size(), 4u);
  EXPECT_EQ(sets[0].what, "create row [1]");
  ASSERT_EQ(sets[0].varbinds.size(), 2u);
  EXPECT_EQ(sets[0].varbinds[0].oid, "1.3.6.1.4.1.48213.12.1.2.10.1.1.3.1");
  EXPECT_EQ(sets[0].varbinds[0].value, "4");
  EXPECT_EQ(sets[0].varbinds[1].value, "10.0.0.1");
  EXPECT_EQ(sets[1].what, "change 1 value");
  EXPECT_EQ(sets[1].varbinds[0].value, "2");
  EXPECT_EQ(sets[2].impossible, "the snapshot holds no value for it");
  EXPECT_EQ(sets[3].what, "destroy row [7]");
  EXPECT_EQ(sets[3].varbinds[0].oid, "1.3.6.1.4.1.48213.12.1.2.10.1.1.3.7");
  EXPECT_EQ(sets[3].varbinds[0].value, "6");

  // A write the device accepted but does not show counts as not written.
  SnapshotRestoreResult result;
  result.errors.assign(diffs.size(), QString());
  checkRestored(diffs, {diffs[0]}, result);
  EXPECT_FALSE(result.complete());
  EXPECT_EQ(result.failures(diffs),
            QStringList{"Configuration › Time Management › SNTP: SNTP State: the device accepted the write but "
                        "still shows enabled"});
}

}  // namespace
