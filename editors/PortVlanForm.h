// TPortVlanForm: the ports' VLAN settings (dot1qPortVlanTable) beside their memberships in the
// static VLAN table. The user ticks ports on the grid and sets their PVID, acceptable frame types
// and ingress filtering in one set request; a PVID must name a VLAN of the static table, and a
// port that is not an untagged member of it may be made one in the same request.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "editors/DedicatedForm.h"
#include "mvsnmp/MvSNMPVarList.h"

class QComboBox;
class QLineEdit;
class TPortUitForm;

class TPortVlanForm : public TDedicatedForm {
 public:
  static constexpr int DesignedWidth = 760;
  static constexpr int DesignedHeight = 600;
  static constexpr int GridHeight = 96;
  static constexpr int FirstVlan = 1;
  static constexpr int LastVlan = 4094;
  // Columns of the list view after the table's own: the static table's memberships.
  enum ExtraColumn { UntaggedColumn = 4, TaggedColumn = 5 };

  explicit TPortVlanForm(QWidget* owner);

  void FormCreate();
  void RefreshBtnClick();
  void SetBtnClick();

  QTreeWidget* ListView() const { return list_; }
  QLineEdit* PvidEdit() const { return edPvid_; }
  QComboBox* FrameTypesCombo() const { return frameTypes_; }
  QComboBox* FilteringCombo() const { return filtering_; }
  TPortUitForm* Grid() const { return grid_; }
  QPlainTextEdit* Memo() const { return memo_; }
  QLabel* CountText() const { return count_; }
  QPushButton* RefreshButton() const { return refreshBtn_; }
  QPushButton* SetButton() const { return setBtn_; }
  MvSNMPRequest2Edits* PortBinding() const { return ports_; }
  MvSNMPRequest2Edits* VlanBinding() const { return vlans_; }

 protected:
  void FormClose() override;

 private:
  struct Vlan {
    int id = 0;
    QByteArray egress;
    QByteArray untagged;
  };
  // One varbind of the set request, and what the user is told when the agent refuses it.
  struct Write {
    int item;  // in the list it comes from
    const SnmpVarDef* list;
    QString instance;
    QString value;
    QString refusedAs;  // "Port 4 PVID"
  };

  std::vector<int> tickedPorts() const;
  // The static VLANs as the last refresh read them.
  std::vector<Vlan> readVlans() const;
  // Fills the membership columns from the static table (after either refresh).
  void showMemberships();
  void refreshBoth();
  // Sends `writes` in one set; a refused varbind is named in the memo with the agent's error.
  void send(std::vector<Write> writes);

  QTreeWidget* list_ = nullptr;
  QTreeWidget* vlanList_ = nullptr;  // hidden: the static table the memberships are read from
  QLineEdit* edPvid_ = nullptr;
  QComboBox* frameTypes_ = nullptr;
  QComboBox* filtering_ = nullptr;
  TPortUitForm* grid_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QLabel* count_ = nullptr;
  QPushButton* refreshBtn_ = nullptr;
  QPushButton* setBtn_ = nullptr;
  MvSNMPRequest2Edits* ports_ = nullptr;
  MvSNMPRequest2Edits* vlans_ = nullptr;
  MvSNMPRequest2Edits* writer_ = nullptr;  // the multi-port set request
  std::vector<Write> sent_;
};
