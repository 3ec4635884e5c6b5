// Every catalogue list read from kx760sim through the request engine, with the list kind and key
// count of its page; every table with a row-status item gets a row created and destroyed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <map>

#include "catalogue/CatalogueRegistry.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvOptionList.h"
#include "mvsnmp/MvSNMPRequest.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvSnmpTransport.h"
#include "tests/support/AgentTarget.h"
#include "tests/support/SimAgent.h"

namespace {

class CatalogueOnSim : public ::testing::TestWithParam<const CatalogueList*> {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "catalogue_sim_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    qputenv("XDG_STATE_HOME", stateDir_.path().toUtf8());
    initSnmpSession();
    agent_ = new kxtest::SimAgent;
    agent_->start({"--led-period", "0"});
  }
  static void TearDownTestSuite() {
    MvSnmpTransport::closeAll();
    delete agent_;
    agent_ = nullptr;
  }
  void SetUp() override {
    kxtest::targetAgent(*agent_, 200);
  }

  static inline QTemporaryDir stateDir_;
  static inline kxtest::SimAgent* agent_ = nullptr;
};

std::string nameOf(const ::testing::TestParamInfo<const CatalogueList*>& info) {
  return info.param->name;
}

std::vector<const CatalogueList*> allLists() {
  std::vector<const CatalogueList*> out;
  for (const CatalogueList& list : catalogueLists()) out.push_back(&list);
  return out;
}

int rowStatusItem(const CatalogueList& list) {
  for (int i = 0; list.defs[i].oid; ++i) {
    const MvOptionList* o = list.defs[i].options;
    if (o && o->labelOf("4") == "createAndGo" && o->labelOf("6") == "destroy") return i;
  }
  return -1;
}

std::vector<const CatalogueList*> rowStatusTables() {
  std::vector<const CatalogueList*> out;
  for (const CatalogueList* list : allLists())
    if (list->kind != SVT_SV && rowStatusItem(*list) >= 0) out.push_back(list);
  return out;
}

// A readable item's value after a read: a real value, its option's label where it has options.
void expectValue(const SnmpVarItem& item) {
  EXPECT_NE(item.value, NullValueText) << item.label.toStdString();
  EXPECT_NE(item.value, NotDoneValueText) << item.label.toStdString();
  if (item.options) {
    EXPECT_GE(item.options->indexOfLabel(item.value), 0)
        << item.label.toStdString() << ": " << item.value.toStdString();
  }
}

// Walks a table; returns each row's key values joined by "|".
std::vector<QString> walk(const CatalogueList& list) {
  MvSNMPRequest r;
  r.varList = list.makeVarList();
  std::vector<QString> rows;
  for (bool more = r.readStep(true); more; more = r.readStep(false)) {
    QStringList keys;
    for (int i = 0; i < r.varList.count(); ++i) {
      if (i < list.keyCount) keys << r.varList.item(i).value;
      if (r.varList.isReadable(i)) expectValue(r.varList.item(i));
    }
    rows.push_back(keys.join('|'));
    if (rows.size() > 1000) break;
  }
  return rows;
}

TEST_P(CatalogueOnSim, ReadsThroughTheEngine) {
  const CatalogueList& list = *GetParam();
  if (list.kind == SVT_SV) {
    MvSNMPRequest r;
    r.varList = list.makeVarList();
    EXPECT_FALSE(r.readStep(true));
    for (int i = 0; i < r.varList.count(); ++i) expectValue(r.varList.item(i));
    return;
  }
  const std::vector<QString> rows = walk(list);
  EXPECT_GE(rows.size(), 2u);
  EXPECT_LT(rows.size(), 1000u);
  // Index values decode to different rows.
  EXPECT_EQ(std::set<QString>(rows.begin(), rows.end()).size(), rows.size());
}

INSTANTIATE_TEST_SUITE_P(EveryList, CatalogueOnSim, ::testing::ValuesIn(allLists()), nameOf);

class CatalogueRows : public CatalogueOnSim {};

// The value a new row's cell is given, by syntax; an option's first label where there are options.
QString newCellValue(const SnmpVarDef& d) {
  if (d.options) return d.options->item(0).label;
  switch (d.syntax) {
    case Syntax::Integer:
    case Syntax::Guage:
      return "7";
    case Syntax::DisplayStr:
      return "gamma";
    case Syntax::IpAddress:
      return "10.90.90.77";
    case Syntax::MacAddress:
      return "001CF0ABCDEF";
    case Syntax::OctetStr:
      return "8000BC550377";
    case Syntax::BitStr:
      return "80000000";
    case Syntax::ObjectId:
      return "1.3.6.1.6.3";
    case Syntax::Ipv6Address:
      return "FE80000000000000021CF0FFFE000077";
    default:
      ADD_FAILURE() << "no value for syntax " << d.syntax;
      return {};
  }
}

TEST_P(CatalogueRows, ARowIsCreatedAndDestroyedThroughTheEngine) {
  const CatalogueList& list = *GetParam();
  const int status = rowStatusItem(list);
  const std::vector<QString> before = walk(list);

  MvSNMPRequest create;
  create.varList = list.makeVarList();
  QStringList keys;
  std::map<int, QString> written;
  for (int i = 0; i < create.varList.count(); ++i) {
    SnmpVarItem& item = create.varList.item(i);
    item.value = newCellValue(list.defs[i]);
    if (i < list.keyCount)
      keys << item.value;
    else if (create.varList.isSettable(i))
      written[i] = item.value;
  }
  create.varList.item(status).value = "createAndGo";
  written[status] = "active";
  ASSERT_NO_THROW(create.write());

  // The new row is there, its index decoded back to the typed key values, and what was written
  // reads back.
  MvSNMPRequest read;
  read.varList = list.makeVarList();
  bool found = false;
  int rows = 0;
  for (bool more = read.readStep(true); more; more = read.readStep(false)) {
    ++rows;
    QStringList rowKeys;
    for (int k = 0; k < list.keyCount; ++k) rowKeys << read.varList.item(k).value;
    if (rowKeys != keys) continue;
    found = true;
    for (const auto& [i, value] : written)
      EXPECT_EQ(read.varList.item(i).value, value) << read.varList.item(i).label.toStdString();
  }
  EXPECT_TRUE(found) << keys.join('|').toStdString();
  EXPECT_EQ(rows, static_cast<int>(before.size()) + 1);

  MvSNMPRequest destroy;
  destroy.varList = list.makeVarList();
  for (int k = 0; k < list.keyCount; ++k) destroy.varList.item(k).value = keys[k];
  for (int i = list.keyCount; i < destroy.varList.count(); ++i)
    if (i != status) destroy.varList.item(i).access |= Access::Invalid;
  destroy.varList.item(status).value = "destroy";
  ASSERT_NO_THROW(destroy.write());
  EXPECT_EQ(walk(list), before);
}

INSTANTIATE_TEST_SUITE_P(RowStatusTables, CatalogueRows, ::testing::ValuesIn(rowStatusTables()),
                         nameOf);

TEST(CatalogueRowTables, AreTheTwentySevenWithARowStatusItem) {
  EXPECT_EQ(rowStatusTables().size(), 27u);
}

}  // namespace
