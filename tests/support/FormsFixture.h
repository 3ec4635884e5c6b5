// Shared helpers of the form tests: a simulated switch per fixture, the device target pointed at
// it, waiting in a nested event loop, reading an object back with snmpget, and recorders that
// answer the forms' warnings, confirmations and row dialogs without a user.
#pragma once

#include "tests/support/EventWait.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "widgets/UserNotice.h"
#include "mvsnmp/MvSNMPVarList.h"
#include "tests/support/AgentTarget.h"
#include "tests/support/SimAgent.h"

class MvSNMPRequest2Edits;
class QWidget;

namespace formstest {

// Starts kx760sim (still LEDs plus `extra` options) and points DeviceTarget at it.
std::unique_ptr<kxtest::SimAgent> startAgent(const std::vector<std::string>& extra = {});
// Points DeviceTarget at a running agent (v2c, "public"/"private").
using kxtest::targetAgent;

// A binding owned by the caller, its list built from `defs`.
std::unique_ptr<MvSNMPRequest2Edits> makeBinding(QWidget* owner, const SnmpVarDef* defs,
                                                 quint8 itemType = SVT_SV, int keyCount = 0);

// Runs the event loop until done() holds (or a generous limit passes); returns done().
using kxtest::waitUntil;

// The value snmpget prints for `oid` (text after "= TYPE: ", quotes removed); "" when missing.
std::string snmpGet(const kxtest::SimAgent& agent, const std::string& oid);

// Answers the forms' warnings (recorded), confirmations (with `confirmAnswer`) and row dialogs
// (shown non-modally, handed to `onDialog`, closed if still open) for its lifetime. A whole
// configuration form run modally goes to the runner installed before, when there is one.
class FormAnswers {
 public:
  FormAnswers();
  ~FormAnswers();
  FormAnswers(const FormAnswers&) = delete;
  FormAnswers& operator=(const FormAnswers&) = delete;

  QStringList warnings;
  QStringList confirmations;
  bool confirmAnswer = true;
  std::function<void(QDialog&)> onDialog;
  int dialogs = 0;
  bool dialogClosedItself = false;  // the last dialog was closed by its own action

 private:
  UserNotice::NoticeHandler previousNotice_;
  UserNotice::ModalRunner previousRunner_;
};

}  // namespace formstest
