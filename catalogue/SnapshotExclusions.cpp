#include "catalogue/SnapshotExclusions.h"

#include <QString>
#include <array>

namespace {

constexpr char kClearAll[] = "a clear-all trigger: writing it empties a table";
constexpr char kTrigger[] = "a trigger: writing it starts an operation, it holds no setting";
constexpr char kKeyChange[] =
    "a USM key-change or clone object: it reads back empty or zero, writing it changes a key";

constinit const std::array kExclusions = {
    SnapshotExclusion{"FdbClearAllList", nullptr, kClearAll},
    SnapshotExclusion{"ArpClearAllList", nullptr, kClearAll},
    SnapshotExclusion{"DeviceControlList", "1.3.6.1.4.1.48213.11.63.2.2.1.2.12",
                      "clears every statistics counter when written"},
    SnapshotExclusion{"FileTransferList", nullptr,
                      "the parameters and the start of a file transfer: an operation, not a setting"},
    SnapshotExclusion{"CableDiagnosticsList", nullptr, "a cable diagnostics run and its results"},
    SnapshotExclusion{"SaveConfigList", nullptr, "saves the running configuration when written"},
    SnapshotExclusion{"SystemResetList", nullptr, "restarts the switch when written"},
    SnapshotExclusion{"TrustHostDeleteAllList", nullptr, kClearAll},
    SnapshotExclusion{"PaeSystemList", "1.0.8802.1.1.1.1.1.2.1.4", "re-initialises a port's 802.1X state"},
    SnapshotExclusion{"PaeSystemList", "1.0.8802.1.1.1.1.1.2.1.5", "forces a port to re-authenticate"},
    SnapshotExclusion{"StpPortInformationList", "1.3.6.1.4.1.48213.11.63.2.2.16.4.1.7",
                      kTrigger},
    SnapshotExclusion{"UsmUserList", "1.3.6.1.6.3.15.1.2.2.1.4", kKeyChange},
    SnapshotExclusion{"UsmUserList", "1.3.6.1.6.3.15.1.2.2.1.6", kKeyChange},
    SnapshotExclusion{"UsmUserList", "1.3.6.1.6.3.15.1.2.2.1.7", kKeyChange},
    SnapshotExclusion{"UsmUserList", "1.3.6.1.6.3.15.1.2.2.1.9", kKeyChange},
    SnapshotExclusion{"UsmUserList", "1.3.6.1.6.3.15.1.2.2.1.10", kKeyChange},
    SnapshotExclusion{"StpPortList", "1.3.6.1.2.1.17.2.19.1.1", kTrigger},
    SnapshotExclusion{"SmtpControlList", "1.3.6.1.4.1.48213.12.29.1.7", "sends a test mail when written"},
    SnapshotExclusion{"GuestVlanDeleteList", nullptr, "deletes the guest VLAN when written"},
};

}  // namespace

std::span<const SnapshotExclusion> snapshotExclusions() {
  return kExclusions;
}

const char* snapshotExclusionReason(QStringView list, QStringView oid) {
  for (const SnapshotExclusion& e : kExclusions)
    if (list == QLatin1StringView(e.list) && (!e.oid || oid == QLatin1StringView(e.oid)))
      return e.reason;
  return nullptr;
}
