// The dedicated forms' test fixture: a fresh kx760sim per test with its request log, the device
// target pointed at it, the forms' notices answered, and helpers to wait for a form and to read
// what reached the agent.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "editors/DedicatedForm.h"
#include "tests/support/FormsFixture.h"
#include "mvsnmp/MvDeviceParams.h"
#include "tests/support/NetSnmpTool.h"
#include "widgets/PortUitFormUnit.h"
#include "tests/support/SimLog.h"

namespace editorstest {

using formstest::waitUntil;

class EditorsTest : public ::testing::Test {
 protected:
  void SetUp() override { start({}); }

  void start(const std::vector<std::string>& extra) {
    std::vector<std::string> args{"--log", dir.filePath("requests.jsonl").toStdString()};
    args.insert(args.end(), extra.begin(), extra.end());
    agent = formstest::startAgent(args);
  }

  // The agent's value as snmpget prints it.
  std::string get(const std::string& oid) const { return formstest::snmpGet(*agent, oid); }
  // snmpset on the agent behind the form's back (TYPE as snmpset takes it).
  void set(const std::string& oid, const std::string& type, const std::string& value) const {
    const kxtest::ToolResult r =
        kxtest::runNetSnmpTool({"snmpset", "-v2c", "-c", "private", agent->address(), oid, type, value});
    ASSERT_EQ(r.exitCode, 0) << r.err;
  }

  // Shows the form and waits until its first reads have ended.
  template <class Form>
  std::unique_ptr<Form> open() {
    auto form = std::make_unique<Form>(nullptr);
    form->show();
    EXPECT_TRUE(waitUntil([&] { return form->FirstRefreshDone(); }));
    return form;
  }

  static void tick(const TPortUitForm* grid, std::initializer_list<int> boxes) {
    for (int box : boxes) grid->PortCheckBoxes().at(box - 1)->setChecked(true);
  }
  // The ticked boxes of a grid, by number.
  static std::vector<int> ticked(const TPortUitForm* grid) {
    std::vector<int> out;
    for (int i = 0; i < grid->PortCheckBoxes().size(); ++i)
      if (grid->PortCheckBoxes().at(i)->isChecked()) out.push_back(i + 1);
    return out;
  }

  QTemporaryDir dir;
  std::unique_ptr<kxtest::SimAgent> agent;
  kxtest::SimLog log{dir.filePath("requests.jsonl")};
  formstest::FormAnswers answers;
};

}  // namespace editorstest
