#include "tests/support/FormsFixture.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <QTreeWidget>

#include "tests/support/AgentTarget.h"
#include "configform/Guiconfigform.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "tests/support/NetSnmpTool.h"

namespace formstest {

std::unique_ptr<kxtest::SimAgent> startAgent(const std::vector<std::string>& extra) {
  auto agent = std::make_unique<kxtest::SimAgent>();
  std::vector<std::string> args{"--led-period", "0"};
  args.insert(args.end(), extra.begin(), extra.end());
  agent->start(args);
  targetAgent(*agent);
  return agent;
}


std::unique_ptr<MvSNMPRequest2Edits> makeBinding(QWidget* owner, const SnmpVarDef* defs,
                                                 quint8 itemType, int keyCount) {
  auto binding = std::make_unique<MvSNMPRequest2Edits>(owner);
  binding->Request().varList = MvSNMPVarList(defs, itemType, keyCount);
  return binding;
}


std::string snmpGet(const kxtest::SimAgent& agent, const std::string& oid) {
  const kxtest::ToolResult r =
      kxtest::runNetSnmpTool({"snmpget", "-v2c", "-c", "public", agent.address(), oid});
  const auto colon = r.out.find(": ");
  if (r.exitCode != 0 || r.out.find("No Such") != std::string::npos || colon == std::string::npos)
    return {};
  std::string value = r.out.substr(colon + 2);
  while (!value.empty() && (value.back() == '\n' || value.back() == ' ')) value.pop_back();
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  return value;
}

FormAnswers::FormAnswers() {
  previousNotice_ = UserNotice::setNoticeHandler([this](const UserNotice::Notice& n) {
    if (n.buttons == UserNotice::Buttons::Ok) {
      warnings << n.text;
      return true;
    }
    confirmations << n.text;
    return confirmAnswer;
  });
  previousRunner_ = UserNotice::setModalRunner([this](QDialog& dialog) {
    if (previousRunner_ && dynamic_cast<TConfigForm*>(&dialog)) return previousRunner_(dialog);
    ++dialogs;
    dialog.show();
    if (onDialog) onDialog(dialog);
    dialogClosedItself = !dialog.isVisible();
    if (dialog.isVisible()) dialog.close();
  });
}

FormAnswers::~FormAnswers() {
  UserNotice::setNoticeHandler(std::move(previousNotice_));
  UserNotice::setModalRunner(std::move(previousRunner_));
}

}  // namespace formstest
