#include "FormsFixture.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <QTreeWidget>

#include "MvDeviceParams.h"
#include "MvSNMPRequest2Edits.h"
#include "NetSnmpTool.h"

namespace formstest {

std::unique_ptr<kxtest::SimAgent> startAgent(const std::vector<std::string>& extra) {
  auto agent = std::make_unique<kxtest::SimAgent>();
  std::vector<std::string> args{"--led-period", "0"};
  args.insert(args.end(), extra.begin(), extra.end());
  agent->start(args);
  targetAgent(*agent);
  return agent;
}

void targetAgent(const kxtest::SimAgent& agent) {
  DeviceTarget.address = QStringLiteral("127.0.0.1");
  DeviceTarget.agentPort = static_cast<quint16>(agent.port());
  DeviceTarget.version = 1;
  DeviceTarget.readCommunity = QStringLiteral("public");
  DeviceTarget.writeCommunity = QStringLiteral("private");
  DeviceTarget.timeout = 300;
  DeviceTarget.retries = 1;
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
  previousWarning_ = FormNotice::setWarningHandler([this](QWidget*, const QString& text) { warnings << text; });
  previousConfirm_ = FormNotice::setConfirmHandler([this](QWidget*, const QString& text) {
    confirmations << text;
    return confirmAnswer;
  });
  previousRunner_ = FormNotice::setDialogRunner([this](QDialog& dialog) {
    ++dialogs;
    dialog.show();
    if (onDialog) onDialog(dialog);
    dialogClosedItself = !dialog.isVisible();
    if (dialog.isVisible()) dialog.close();
  });
}

FormAnswers::~FormAnswers() {
  FormNotice::setWarningHandler(std::move(previousWarning_));
  FormNotice::setConfirmHandler(std::move(previousConfirm_));
  FormNotice::setDialogRunner(std::move(previousRunner_));
}

}  // namespace formstest
