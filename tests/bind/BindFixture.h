// Shared helpers of the binding tests: the simulated switch (started once, on first use), the
// device target pointed at it, waiting in a nested event loop, and recorders for the message
// boxes and beeps the bindings would otherwise show and sound.
#pragma once

#include "tests/support/EventWait.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSNMPVarList.h"
#include "widgets/UserNotice.h"
#include "tests/support/AgentTarget.h"
#include "tests/support/SimAgent.h"

namespace bindtest {

// Silent under this subtree: the module type of slot 2 never answers.
inline constexpr char kSilentOid[] = "1.3.6.1.4.1.48213.11.63.2.2.1.1.7";
inline constexpr int kForwardingEntries = 5;

// The agent's forwarding table (kForwardingEntries rows) and the silent object alone.
inline const SnmpVarDef kForwardingTable[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "Address", Syntax::MacAddress, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", Syntax::Integer, Access::ReadOnly},
    {},
};
inline const SnmpVarDef kSilent[] = {
    {kSilentOid, "Slot 2", Syntax::Integer, Access::ReadOnly},
    {},
};

inline std::unique_ptr<kxtest::SimAgent>& agentSlot() {
  static std::unique_ptr<kxtest::SimAgent> agent;
  return agent;
}

// kx760sim with a 5-entry forwarding table, still LEDs and one silent subtree.
inline kxtest::SimAgent& agent() {
  auto& slot = agentSlot();
  if (!slot) {
    slot = std::make_unique<kxtest::SimAgent>();
    slot->start({"--fdb-entries", std::to_string(kForwardingEntries), "--led-period", "0",
                 "--fault", std::string("silent:") + kSilentOid});
  }
  return *slot;
}

inline void stopAgents() { agentSlot().reset(); }

// Points DeviceTarget at the simulator (v2c, "public"/"private", 3 s per try). Requests made
// afterwards copy it.
inline void targetAgent() { kxtest::targetAgent(agent()); }

using kxtest::waitUntil;

// The code of the MvException that f raises; 0 when it raises none.
inline int errorCode(const std::function<void()>& f) {
  try {
    f();
  } catch (const MvException& e) {
    return e.code();
  }
  return 0;
}

// Records message boxes and beeps for its lifetime.
class NoticeRecorder {
 public:
  struct Message {
    QString text;
    QString caption;
  };
  NoticeRecorder() {
    previousMessage_ = UserNotice::setNoticeHandler([this](const UserNotice::Notice& n) {
      messages.push_back({n.text, n.caption});
      return true;
    });
    previousBeep_ = UserNotice::setBeepHandler([this](int hz, int ms) {
      beeps.emplace_back(hz, ms);
    });
  }
  ~NoticeRecorder() {
    UserNotice::setNoticeHandler(std::move(previousMessage_));
    UserNotice::setBeepHandler(std::move(previousBeep_));
  }
  NoticeRecorder(const NoticeRecorder&) = delete;
  NoticeRecorder& operator=(const NoticeRecorder&) = delete;

  std::vector<Message> messages;
  std::vector<std::pair<int, int>> beeps;

 private:
  UserNotice::NoticeHandler previousMessage_;
  UserNotice::BeepHandler previousBeep_;
};

}  // namespace bindtest
