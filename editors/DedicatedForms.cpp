#include "editors/DedicatedForms.h"

#include <QHash>
#include <QPointer>
#include <functional>

#include "editors/BOOTCtrlTableForm.h"
#include "editors/DedicatedForm.h"
#include "editors/ForwardingTableForm.h"
#include "editors/GuestVlanForm.h"
#include "editors/HostTableForm.h"
#include "editors/LogSaveControlForm.h"
#include "editors/SmtpControlForm.h"
#include "editors/SnapshotForm.h"
#include "editors/IGMPRouterPortsForm.h"
#include "editors/PortVlanForm.h"
#include "editors/StaticFilterForms.h"
#include "editors/StpForms.h"
#include "editors/SummerTimeForm.h"
#include "editors/VLanCurrentTableForm.h"
#include "editors/VlanStaticForm.h"

namespace {

template <class Form>
std::unique_ptr<TDedicatedForm> make(QWidget* owner) {
  return std::make_unique<Form>(owner);
}

struct Maker {
  const char* formClass;
  std::unique_ptr<TDedicatedForm> (*create)(QWidget* owner);
};

constexpr Maker kMakers[] = {
    {"TVlanStaticForm", &make<TVlanStaticForm>},
    {"TVLanCurrentTableForm", &make<TVLanCurrentTableForm>},
    {"TIGMPRouterPortsForm", &make<TIGMPRouterPortsForm>},
    {"TGuestVlanForm", &make<TGuestVlanForm>},
    {"TUnicastFilterInformationForm", &make<TUnicastFilterInformationForm>},
    {"TMulticastFilterInformationForm", &make<TMulticastFilterInformationForm>},
    {"TPortVlanForm", &make<TPortVlanForm>},
    {"THostTableForm", &make<THostTableForm>},
    {"TBOOTCtrlTableForm", &make<TBOOTCtrlTableForm>},
    {"TForwarding_Table", &make<TForwarding_Table>},
    {"TSTP_Info", &make<TSTP_Info>},
    {"TSTP_Port", &make<TSTP_Port>},
    {"TSummerTimeForm", &make<TSummerTimeForm>},
    {"TSMTPControlForm", &make<TSMTPControlForm>},
    {"TLogSaveControlForm", &make<TLogSaveControlForm>},
    {"TSnapshotForm", &make<TSnapshotForm>},
};

const Maker* find(QStringView formClass) {
  for (const Maker& m : kMakers)
    if (formClass == QLatin1StringView(m.formClass)) return &m;
  return nullptr;
}

QHash<QString, QPointer<TDedicatedForm>>& instances() {
  static QHash<QString, QPointer<TDedicatedForm>> refs;
  return refs;
}

}  // namespace

std::unique_ptr<TDedicatedForm> createDedicatedForm(QStringView formClass, QWidget* owner) {
  const Maker* m = find(formClass);
  return m ? m->create(owner) : nullptr;
}

bool isDedicatedFormBuilt(QStringView formClass) { return find(formClass) != nullptr; }

TDedicatedForm* dedicatedFormInstance(QStringView formClass) {
  return instances().value(formClass.toString()).data();
}

void setDedicatedFormInstance(QStringView formClass, TDedicatedForm* form) {
  if (form)
    instances().insert(formClass.toString(), form);
  else
    instances().remove(formClass.toString());
}
