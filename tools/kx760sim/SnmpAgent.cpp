#include "tools/kx760sim/SnmpAgent.h"

#include <arpa/inet.h>
// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>
// clang-format on
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <type_traits>

#include "tools/kx760sim/SetTransaction.h"
#include "tools/kx760sim/VlanMirror.h"

// Net-SNMP's MIB modules and the agent's listening session have no public headers;
// these are the symbols snmpd itself uses.
extern "C" {
void init_system_mib(void);
void init_sysORTable(void);
void init_snmp_mib(void);
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_usmStats(void);
void init_vacm_conf(void);
extern netsnmp_session* main_session;
extern struct session_list* Sessions;  // every open session, the listening ones among them
}

namespace kx760sim {

static_assert(std::is_same_v<Arc, oid>, "store keys must pass to Net-SNMP unconverted");

namespace {

constexpr const char* kAppName = "kx760sim";
constexpr const char* kTransactionKey = "kx760sim-set";

Oid toOid(const oid* name, size_t length) {
  return Oid(name, name + length);
}

// The varbind's value in the store's terms; nullopt for a type the store has no use for.
std::optional<Value> fromVarbind(const netsnmp_variable_list* vb) {
  const auto type = fromAsnType(vb->type);
  if (!type) return std::nullopt;
  Value v;
  v.type = *type;
  switch (*type) {
    case ValueType::Integer:
      v.number = *vb->val.integer;
      break;
    case ValueType::Gauge:
    case ValueType::Counter:
    case ValueType::TimeTicks:
      v.number = static_cast<std::int64_t>(static_cast<std::uint32_t>(*vb->val.integer));
      break;
    case ValueType::Counter64:
      v.number64 =
          (static_cast<std::uint64_t>(vb->val.counter64->high) << 32) | vb->val.counter64->low;
      break;
    case ValueType::OctetString:
    case ValueType::IpAddress:
      v.octets.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
      break;
    case ValueType::ObjectId:
      v.objectId = toOid(vb->val.objid, vb->val_len / sizeof(oid));
      break;
  }
  return v;
}

void toVarbind(netsnmp_variable_list* vb, const Value& v) {
  const u_char asn = asnType(v.type);
  switch (v.type) {
    case ValueType::Integer: {
      const long n = static_cast<long>(v.number);
      snmp_set_var_typed_value(vb, asn, &n, sizeof n);
      break;
    }
    case ValueType::Gauge:
    case ValueType::Counter:
    case ValueType::TimeTicks: {
      const u_long n = static_cast<u_long>(v.number);
      snmp_set_var_typed_value(vb, asn, &n, sizeof n);
      break;
    }
    case ValueType::Counter64: {
      counter64 c{};
      c.high = static_cast<u_long>(v.number64 >> 32);
      c.low = static_cast<u_long>(v.number64 & 0xFFFFFFFFu);
      snmp_set_var_typed_value(vb, asn, &c, sizeof c);
      break;
    }
    case ValueType::OctetString:
    case ValueType::IpAddress:
      snmp_set_var_typed_value(vb, asn, v.octets.data(), v.octets.size());
      break;
    case ValueType::ObjectId:
      snmp_set_var_typed_value(vb, asn, v.objectId.data(), v.objectId.size() * sizeof(oid));
      break;
  }
}

// The same data under the other family of ASN.1 types: numbers become their decimal
// text, everything else an INTEGER.
Value wrongTyped(const Value& v) {
  switch (v.type) {
    case ValueType::OctetString:
    case ValueType::IpAddress:
      return Value::integer(static_cast<std::int64_t>(v.octets.size()));
    case ValueType::ObjectId:
      return Value::integer(static_cast<std::int64_t>(v.objectId.size()));
    case ValueType::Counter64:
      return Value::octetString(std::to_string(v.number64));
    default:
      return Value::octetString(std::to_string(v.number));
  }
}

std::string quoted(const std::string& s) {
  return "\"" + s + "\"";
}

}  // namespace

SnmpAgent* SnmpAgent::instance_ = nullptr;

struct SnmpAgent::Postponed {
  SnmpAgent* agent;
  netsnmp_session* session;
  std::unique_ptr<snmp_pdu, PduDeleter> pdu;
  unsigned alarm = 0;
};

void SnmpAgent::PduDeleter::operator()(snmp_pdu* pdu) const {
  snmp_free_pdu(pdu);
}

SnmpAgent::SnmpAgent(const SimOptions& options, MibStore& store,
                     std::vector<std::string> systemConfig)
    : SnmpAgent(options, std::vector<MibStore*>{&store}, std::move(systemConfig)) {}

SnmpAgent::SnmpAgent(const SimOptions& options, std::vector<MibStore*> stores,
                     std::vector<std::string> systemConfig)
    : options_(options),
      systemConfig_(std::move(systemConfig)),
      random_(options.seed ? *options.seed : std::random_device{}()) {
  for (MibStore* store : stores) {
    Switch sw{store, std::make_unique<FrontPanel>(*store)};
    if (options_.modules) sw.panel->setModules(options_.modules->first, options_.modules->second);
    switches_.push_back(std::move(sw));
  }
}

std::vector<int> SnmpAgent::ports() const {
  std::vector<int> out;
  for (const Switch& sw : switches_) out.push_back(sw.port);
  return out;
}

std::string SnmpAgent::listenAddresses(std::string& error) const {
  const int count = static_cast<int>(switches_.size());
  int first = options_.port;
  if (first == 0 && count > 1) {
    // A free run of consecutive ports: bind them all to be sure, then hand them to the agent.
    for (int attempt = 0; attempt < 50 && first == 0; ++attempt) {
      std::vector<int> held;
      sockaddr_in a{};
      a.sin_family = AF_INET;
      a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
      bool ok = true;
      for (int i = 0; i < count && ok; ++i) {
        const int fd = socket(AF_INET, SOCK_DGRAM, 0);
        if (fd < 0) {
          ok = false;
          break;
        }
        held.push_back(fd);
        if (i > 0) a.sin_port = htons(static_cast<uint16_t>(first + i));
        socklen_t len = sizeof a;
        ok = bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
             (i > 0 || getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0);
        if (ok && i == 0) {
          first = ntohs(a.sin_port);
          ok = first + count - 1 <= 65535;
        }
      }
      for (int fd : held) close(fd);
      if (!ok) first = 0;
    }
    if (first == 0) {
      error = "no run of " + std::to_string(count) + " free ports";
      return {};
    }
  }
  if (first != 0 && first + count - 1 > 65535) {
    error = "the ports of " + std::to_string(count) + " agents pass 65535";
    return {};
  }
  std::string list;
  for (int i = 0; i < count; ++i)
    list += (i ? "," : "") + std::string("udp:127.0.0.1:") + std::to_string(first ? first + i : 0);
  return list;
}

// The agent opened one listening session per address; each becomes a switch's by its port,
// and every request passes our gate first, where delay, drop and silence are decided.
bool SnmpAgent::adoptSessions(std::string& error) {
  std::vector<std::pair<int, netsnmp_session*>> listening;
  for (session_list* slp = Sessions; slp; slp = slp->next) {
    if (!slp->session || !slp->transport || slp->session->callback != &handle_snmp_packet)
      continue;
    sockaddr_in bound{};
    socklen_t len = sizeof bound;
    if (getsockname(slp->transport->sock, reinterpret_cast<sockaddr*>(&bound), &len) != 0 ||
        bound.sin_family != AF_INET)
      continue;
    listening.emplace_back(ntohs(bound.sin_port), slp->session);
  }
  std::sort(listening.begin(), listening.end());
  if (listening.size() != switches_.size()) {
    error = "cannot tell the ports listened on";
    return false;
  }
  for (std::size_t i = 0; i < switches_.size(); ++i) {
    switches_[i].port = listening[i].first;
    switches_[i].session = listening[i].second;
    listening[i].second->callback = &SnmpAgent::onPacket;
  }
  return true;
}

MibStore& SnmpAgent::storeOf(const snmp_session* session) {
  for (Switch& sw : switches_)
    if (sw.session == session) return *sw.store;
  return *switches_.front().store;  // not one of ours: cannot happen, the first is as good
}

SnmpAgent::~SnmpAgent() {
  if (ledAlarm_) snmp_alarm_unregister(ledAlarm_);
  for (auto& p : postponed_) snmp_alarm_unregister(p->alarm);
  postponed_.clear();
  if (initialised_) {
    for (auto* reg : registrations_) netsnmp_unregister_handler(reg);
    snmp_shutdown(kAppName);
    shutdown_master_agent();
    shutdown_agent();
  }
  instance_ = nullptr;
}

bool SnmpAgent::writeConfig(std::string& error) const {
  std::ofstream conf(stateDir_->path() + "/conf/" + kAppName + ".conf");
  conf << "rocommunity " << options_.readCommunity << " default\n";
  conf << "rwcommunity " << options_.writeCommunity << " default\n";
  for (const UserDef& u : options_.users) {
    conf << "createUser " << u.name;
    if (!u.auth.empty()) conf << ' ' << u.auth << ' ' << quoted(u.authPass);
    if (!u.priv.empty()) conf << ' ' << u.priv << ' ' << quoted(u.privPass);
    conf << '\n';
    // A user must come at its own security level at least; lower levels are refused.
    conf << "rwuser " << u.name << ' '
         << (u.auth.empty()   ? "noauth"
             : u.priv.empty() ? "auth"
                              : "priv")
         << '\n';
  }
  for (const std::string& line : systemConfig_) conf << line << '\n';
  if (!conf) {
    error = "cannot write the agent configuration";
    return false;
  }
  return true;
}

bool SnmpAgent::start(std::string& error) {
  if (instance_) {
    error = "one agent per process";
    return false;
  }
  if (!options_.logFile.empty() && !log_.open(options_.logFile, error)) return false;
  try {
    stateDir_ = std::make_unique<TempDir>(std::string(kAppName) + "-" + std::to_string(getpid()));
  } catch (const std::exception& e) {
    error = e.what();
    return false;
  }
  const std::string confDir = stateDir_->path() + "/conf";
  const std::string persistDir = stateDir_->path() + "/persist";
  // cert_indexes made here spares a "Created directory" note from the TLS module.
  if (mkdir(confDir.c_str(), 0700) || mkdir(persistDir.c_str(), 0700) ||
      mkdir((persistDir + "/cert_indexes").c_str(), 0700)) {
    error = "cannot create the configuration directories";
    return false;
  }
  if (!writeConfig(error)) return false;

  // No MIB files: the agent needs none, and loading the system's would only print warnings.
  setenv("MIBS", "", 1);
  setenv("MIBDIRS", "", 1);
  // Warnings and errors to stderr; not the per-request "Connection from" notes.
  netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_NOTICE);
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);  // master
  // Only our own directories: no /etc/snmp, no ~/.snmp, nothing saved to /var/lib/snmp.
  netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, confDir.c_str());
  netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, persistDir.c_str());
  const std::string address = listenAddresses(error);
  if (address.empty()) return false;
  netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, address.c_str());
  char noSmux[] = "-smux";
  add_to_init_list(noSmux);

  instance_ = this;
  initialised_ = true;
  init_agent(kAppName);
  init_system_mib();
  init_sysORTable();
  init_snmp_mib();
  init_snmpEngine();
  init_snmpMPDStats();
  init_usmStats();
  init_vacm_conf();

  // The switches' stores are copies of one data set: the first one's subtrees are everyone's.
  for (const Oid& root : switches_.front().store->subtrees()) {
    netsnmp_handler_registration* reg = netsnmp_create_handler_registration(
        kAppName, &SnmpAgent::handleRequests, root.data(), root.size(), HANDLER_CAN_RWRITE);
    if (!reg) {
      error = "cannot register " + formatOid(root);
      return false;
    }
    reg->handler->myvoid = this;
    if (netsnmp_register_handler(reg) != MIB_REGISTERED_OK) {
      error = "cannot register " + formatOid(root) + " (taken by another module?)";
      return false;
    }
    registrations_.push_back(reg);
  }

  init_snmp(kAppName);
  if (init_master_agent() != 0 || !main_session) {
    error = "cannot listen on " + address;
    return false;
  }
  if (!adoptSessions(error)) return false;

  if (options_.ledPeriodMs > 0) {
    timeval period{options_.ledPeriodMs / 1000, (options_.ledPeriodMs % 1000) * 1000};
    ledAlarm_ = snmp_alarm_register_hr(period, SA_REPEAT, &SnmpAgent::ledTick, this);
  }
  return true;
}

void SnmpAgent::run(const volatile std::sig_atomic_t& stop) {
  while (!stop) agent_check_and_process(1);  // a signal ends its select() early
}

void SnmpAgent::ledTick(unsigned int, void* arg) {
  for (Switch& sw : static_cast<SnmpAgent*>(arg)->switches_) sw.panel->tick();
}

bool SnmpAgent::faulty(FaultMode mode, const Oid& oid) const {
  for (const FaultDef& f : options_.faults)
    if (f.mode == mode && isPrefix(f.subtree, oid)) return true;
  return false;
}

bool SnmpAgent::silenced(const snmp_pdu* pdu) const {
  for (const netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable)
    if (faulty(FaultMode::Silent, toOid(vb->name, vb->name_length))) return true;
  return false;
}

int SnmpAgent::onPacket(int op, snmp_session* session, int reqid, snmp_pdu* pdu, void* magic) {
  SnmpAgent* self = instance_;
  if (self && pdu && op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE) {
    // Logged as received, also when the request is then dropped or answered late.
    self->log_.write(*pdu);
    // Returning without processing leaves the request unanswered; the library frees pdu.
    if (self->silenced(pdu)) return 1;
    if (self->options_.dropPercent > 0 &&
        std::uniform_real_distribution<double>(0, 100)(self->random_) < self->options_.dropPercent)
      return 1;
    if (self->options_.delayMs > 0) {
      // Answer later from an alarm, so other requests are not held up meanwhile.
      auto later = std::make_unique<Postponed>();
      later->agent = self;
      later->session = session;
      later->pdu.reset(snmp_clone_pdu(pdu));
      if (!later->pdu) return 1;
      const int ms = self->options_.delayMs;
      later->alarm = snmp_alarm_register_hr(timeval{ms / 1000, (ms % 1000) * 1000}, 0,
                                            &SnmpAgent::resumePostponed, later.get());
      self->postponed_.push_back(std::move(later));
      return 1;
    }
  }
  return handle_snmp_packet(op, session, reqid, pdu, magic);
}

void SnmpAgent::resumePostponed(unsigned int, void* arg) {
  auto* later = static_cast<Postponed*>(arg);
  SnmpAgent* self = later->agent;
  handle_snmp_packet(NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE, later->session, later->pdu->reqid,
                     later->pdu.get(), nullptr);
  self->postponed_.remove_if([&](const std::unique_ptr<Postponed>& p) { return p.get() == later; });
}

int SnmpAgent::handleRequests(netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo,
                              netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests) {
  auto* self = static_cast<SnmpAgent*>(handler->myvoid);
  MibStore& store = self->storeOf(reqinfo->asp ? reqinfo->asp->session : nullptr);
  switch (reqinfo->mode) {
    case MODE_GET:
      return self->answerGet(store, reqinfo, requests);
    case MODE_GETNEXT:
      return self->answerGetNext(store, reginfo, requests);
    default:
      return self->runSetPhase(store, reqinfo, requests);
  }
}

int SnmpAgent::answerGet(MibStore& store, netsnmp_agent_request_info* reqinfo,
                         netsnmp_request_info* requests) {
  for (netsnmp_request_info* r = requests; r; r = r->next) {
    if (r->processed) continue;
    netsnmp_variable_list* vb = r->requestvb;
    const Oid name = toOid(vb->name, vb->name_length);
    store.advance(name);  // a moving counter has grown since it was last read
    const MibStore::Entry* entry = store.find(name);
    if (!entry) {
      // An object we know with an instance we lack is noSuchInstance; anything else noSuchObject.
      const Oid parent(name.begin(), name.end() - (name.empty() ? 0 : 1));
      const bool known =
          store.columnOf(name) || (!parent.empty() && store.hasObjectsUnder(parent));
      netsnmp_set_request_error(reqinfo, r, known ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
      continue;
    }
    Value value = entry->value;
    if (faulty(FaultMode::WrongType, name)) value = wrongTyped(value);
    if (faulty(FaultMode::ShortOctets, name) && value.type == ValueType::OctetString)
      value.octets.resize(value.octets.size() / 2);
    toVarbind(vb, value);
  }
  return SNMP_ERR_NOERROR;
}

int SnmpAgent::answerGetNext(MibStore& store, netsnmp_handler_registration* reginfo,
                             netsnmp_request_info* requests) {
  const Oid root = toOid(reginfo->rootoid, reginfo->rootoid_len);
  for (netsnmp_request_info* r = requests; r; r = r->next) {
    if (r->processed) continue;
    netsnmp_variable_list* vb = r->requestvb;
    const Oid asked = toOid(vb->name, vb->name_length);
    // Asked from before this subtree: its first object is the answer.
    const auto* next = asked < root ? store.next(root, true) : store.next(asked, r->inclusive);
    if (!next || !isPrefix(root, next->first))
      continue;  // left unanswered, the agent goes on to the next subtree
    Oid name = next->first;
    // Asked from within the same object (a column walk, or the scalar's own name), the read
    // advances a moving counter; arriving from the object before (the end of the previous
    // column's walk) it does not, so a table walk advances each counter exactly once.
    if (isPrefix(Oid(name.begin(), name.end() - 1), asked)) store.advance(name);
    Value value = next->second.value;
    if (faulty(FaultMode::WrongType, name)) value = wrongTyped(value);
    if (faulty(FaultMode::ShortOctets, name) && value.type == ValueType::OctetString)
      value.octets.resize(value.octets.size() / 2);
    if (faulty(FaultMode::NonIncreasing, name))
      name = asked;  // a broken agent that answers with the OID it was given
    snmp_set_var_objid(vb, name.data(), name.size());
    toVarbind(vb, value);
  }
  return SNMP_ERR_NOERROR;
}

int SnmpAgent::runSetPhase(MibStore& store, netsnmp_agent_request_info* reqinfo,
                           netsnmp_request_info* requests) {
  // One transaction per PDU, shared by the calls for each subtree the PDU touches; the
  // agent frees it with the request.
  auto* txn = static_cast<SetTransaction*>(netsnmp_agent_get_list_data(reqinfo, kTransactionKey));
  if (!txn) {
    auto owned = std::make_unique<SetTransaction>(store);
    netsnmp_agent_add_list_data(
        reqinfo, netsnmp_create_data_list(kTransactionKey, owned.get(),
                                          [](void* p) { delete static_cast<SetTransaction*>(p); }));
    txn = owned.release();
  }

  switch (reqinfo->mode) {
    case MODE_SET_RESERVE1:
      for (netsnmp_request_info* r = requests; r; r = r->next) {
        const auto value = fromVarbind(r->requestvb);
        const int status =
            value ? txn->check({toOid(r->requestvb->name, r->requestvb->name_length), *value})
                  : SNMP_ERR_WRONGTYPE;
        if (status != SNMP_ERR_NOERROR) {
          netsnmp_set_request_error(reqinfo, r, status);
          return SNMP_ERR_NOERROR;
        }
      }
      break;
    case MODE_SET_RESERVE2: {
      std::vector<SetTransaction::Varbind> batch;
      std::vector<netsnmp_request_info*> order;
      for (netsnmp_request_info* r = requests; r; r = r->next) {
        const Oid name = toOid(r->requestvb->name, r->requestvb->name_length);
        // keeprows: answered as done, nothing changes (a destroyed row stays).
        if (faulty(FaultMode::KeepRows, name)) continue;
        batch.push_back({name, *fromVarbind(r->requestvb)});
        order.push_back(r);
      }
      if (const auto failure = txn->plan(batch))
        netsnmp_set_request_error(reqinfo, order[failure->index], failure->status);
      break;
    }
    case MODE_SET_ACTION:
      txn->apply();
      break;
    case MODE_SET_UNDO:
      txn->undo();
      break;
    case MODE_SET_COMMIT:
      // COMMIT comes once for each subtree the PDU touched; the views follow only once.
      if (txn->commit()) {
        if (txn->touches(VlanMirror::kStaticEntry))
          VlanMirror::sync(store, txn->removals(VlanMirror::kStaticRowStatus),
                           netsnmp_get_agent_uptime());
        deleteGuestVlanIfAsked(store);
      }
      break;
    default:  // MODE_SET_FREE: the transaction goes with the request
      break;
  }
  return SNMP_ERR_NOERROR;
}

void SnmpAgent::deleteGuestVlanIfAsked(MibStore& store) {
  // Writing start(2) to the guest VLAN's delete state removes its name and ports; the state
  // reads none(1) again afterwards, as on the switch.
  const Oid guest{1, 3, 6, 1, 4, 1, 48213, 12, 30, 1};
  auto* state = store.find(concat(guest, {3, 0}));
  if (!state || state->value.number != 2) return;
  state->value.number = 1;
  if (auto* name = store.find(concat(guest, {1, 0}))) name->value.octets.clear();
  if (auto* ports = store.find(concat(guest, {2, 0}))) ports->value.octets.assign(4, '\0');
}

}  // namespace kx760sim
