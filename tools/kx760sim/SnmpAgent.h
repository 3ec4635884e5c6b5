// The simulator's SNMP side: a Net-SNMP master agent on 127.0.0.1 with its own
// configuration (communities, SNMPv3 users) in a private temporary directory, Net-SNMP's
// standard system/snmpEngine/snmpMPDStats/usmStats groups, and one handler serving the
// data subtrees from the MibStore. One agent may serve several switches, each on a port
// of its own with its own store and front panel (Net-SNMP's agent is one per process, so
// the switch is chosen by the session a request came in on). It also carries the misbehaviour that tests ask for:
// late, dropped and unanswered requests, and wrong answers under a subtree.
#pragma once

#include <csignal>
#include <list>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tools/kx760sim/FrontPanel.h"
#include "tools/kx760sim/MibStore.h"
#include "tools/kx760sim/RequestLog.h"
#include "tools/kx760sim/SimOptions.h"
#include "tools/kx760sim/TempDir.h"

struct netsnmp_mib_handler_s;
struct netsnmp_handler_registration_s;
struct netsnmp_agent_request_info_s;
struct netsnmp_request_info_s;
struct snmp_session;
struct snmp_pdu;

namespace kx760sim {

class SnmpAgent {
 public:
  SnmpAgent(const SimOptions& options, MibStore& store, std::vector<std::string> systemConfig);
  // One switch per store, on consecutive ports from options.port (any free run of ports
  // when it is 0).
  SnmpAgent(const SimOptions& options, std::vector<MibStore*> stores,
            std::vector<std::string> systemConfig);
  ~SnmpAgent();
  SnmpAgent(const SnmpAgent&) = delete;
  SnmpAgent& operator=(const SnmpAgent&) = delete;

  // Brings the agent up; afterwards it answers on ports() (port(): the first switch's). Only
  // one agent object per process: Net-SNMP keeps its state in globals.
  bool start(std::string& error);
  int port() const { return switches_.front().port; }
  // The port of each switch, in the order of the stores.
  std::vector<int> ports() const;
  // Serves requests until `stop` becomes non-zero (set from a signal handler).
  void run(const volatile std::sig_atomic_t& stop);

 private:
  struct Postponed;
  // One simulated switch: its data, its LEDs, and the listening session it answers on.
  struct Switch {
    MibStore* store;
    std::unique_ptr<FrontPanel> panel;
    int port = 0;
    const snmp_session* session = nullptr;
  };
  struct PduDeleter {
    void operator()(snmp_pdu* pdu) const;
  };

  static int handleRequests(netsnmp_mib_handler_s* handler, netsnmp_handler_registration_s* reginfo,
                            netsnmp_agent_request_info_s* reqinfo,
                            netsnmp_request_info_s* requests);
  static int onPacket(int op, snmp_session* session, int reqid, snmp_pdu* pdu, void* magic);
  static void resumePostponed(unsigned int alarm, void* arg);
  static void ledTick(unsigned int alarm, void* arg);

  bool writeConfig(std::string& error) const;
  std::string listenAddresses(std::string& error) const;
  bool adoptSessions(std::string& error);
  MibStore& storeOf(const snmp_session* session);
  bool silenced(const snmp_pdu* pdu) const;
  bool faulty(FaultMode mode, const Oid& oid) const;

  int answerGet(MibStore& store, netsnmp_agent_request_info_s* reqinfo,
                netsnmp_request_info_s* requests);
  int answerGetNext(MibStore& store, netsnmp_handler_registration_s* reginfo,
                    netsnmp_request_info_s* requests);
  static void deleteGuestVlanIfAsked(MibStore& store);
  int runSetPhase(MibStore& store, netsnmp_agent_request_info_s* reqinfo,
                  netsnmp_request_info_s* requests);

  SimOptions options_;
  std::vector<Switch> switches_;
  std::vector<std::string> systemConfig_;
  RequestLog log_;
  std::unique_ptr<TempDir> stateDir_;
  std::vector<netsnmp_handler_registration_s*> registrations_;  // owned by Net-SNMP's registry
  std::list<std::unique_ptr<Postponed>> postponed_;
  std::mt19937 random_;
  unsigned ledAlarm_ = 0;
  bool initialised_ = false;

  static SnmpAgent* instance_;
};

}  // namespace kx760sim
