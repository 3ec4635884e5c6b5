#include "tests/panel/PanelFixture.h"

#include <QFile>
#include <QVBoxLayout>

#include "catalogue/Mainoidunit.h"
#include "panel/ModulePanelForm.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "panel/PanelCommon.h"

namespace paneltest {

HostWindow::HostWindow() {
  setObjectName(QStringLiteral("MainForm"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch();
  statusBar = new QStatusBar(this);
  statusBar->setObjectName(QStringLiteral("StatusBar"));
  statusPanel = new QLabel(statusBar);
  statusPanel->setObjectName(QStringLiteral("StatusPanel0"));
  statusBar->addWidget(statusPanel, 1);
  layout->addWidget(statusBar);
  module1 = new QLabel(QStringLiteral("ST_Module1"), this);
  module1->setObjectName(QStringLiteral("ST_Module1"));
  module1->hide();
  module2 = new QLabel(QStringLiteral("ST_Module2"), this);
  module2->setObjectName(QStringLiteral("ST_Module2"));
  module2->hide();
  resize(TKX760PanelForm::ClientWidth + 3, TKX760PanelForm::ClientHeight + 23);
}

PanelHost HostWindow::host() const {
  PanelHost h;
  h.statusBar = statusBar;
  h.statusPanel = statusPanel;
  h.addressText = QStringLiteral("127.0.0.1");
  h.modelName = QStringLiteral("KX-760");
  return h;
}

void HostWindow::readModuleTypes() {
  MvSNMPRequest2Edits types(this);
  types.Request().varList = MvSNMPVarList(ModuleTypeList, SVT_SV, 0);
  types.BindControl(0, module1);
  types.BindControl(1, module2);
  types.SetAsynchronous(false);
  types.Refresh();
}

TKX760PanelForm* HostWindow::showPanel() {
  auto* panel = new TKX760PanelForm(host(), this);  // owned by the window
  panel->move(0, 0);
  show();
  panel->show();
  waitUntil([&] { return panel->Activated() && panel->ModulesRead(); });
  return panel;
}

std::unique_ptr<kxtest::SimAgent> startAgentWithLeds(const QTemporaryDir& dir,
                                                     const QByteArray& octets,
                                                     const std::string& modules) {
  const QString path = dir.filePath(QStringLiteral("leds.data"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return nullptr;
  file.write("@register 1.3.6.1.4.1.48213\n");
  file.write("1.3.6.1.4.1.48213.11.63.2.2.1.1.5.0|hex|" + octets.toHex(' ') + "\n");
  file.write("1.3.6.1.4.1.48213.11.63.2.2.1.1.6.0|integer|0\n");
  file.write("1.3.6.1.4.1.48213.11.63.2.2.1.1.7.0|integer|0\n");
  file.close();
  return formstest::startAgent({"--data", path.toStdString(), "--modules", modules});
}

QByteArray readLedValue() {
  MvSNMPRequest request;
  request.varList = MvSNMPVarList(LedStatusList, SVT_SV, 0);
  request.loadDeviceTarget();
  request.readStep(true);
  return QByteArray::fromHex(request.varList.item(0).value.toLatin1());
}

namespace {

LedState lookup(const QByteArray& value, int index, const qint32 (&colours)[8], quint8 blinkMask) {
  if (index >= value.size()) return {kWhite, false};
  const auto b = static_cast<quint8>(value.at(index));
  return {colours[b & 7], (b & blinkMask) != 0};
}

}  // namespace

LedState expectedLink(const QByteArray& value, int index) {
  static const qint32 colours[8] = {kWhite, kWhite, kGreen, kGreen, kBlue, kRed, kBlack, kBlack};
  return lookup(value, index, colours, 0x80);
}

LedState expectedSpeed(const QByteArray& value, int index) {
  static const qint32 colours[8] = {kWhite, kWhite, kWhite, kGreen, kBlue, kRed, kBlack, kBlack};
  return lookup(value, index, colours, 0x04);
}

std::vector<MvSNMPRequest2Leds*> ledBindings(const TKX760PanelForm& panel) {
  std::vector<MvSNMPRequest2Leds*> all{panel.LedBinding()};
  for (int slot = 1; slot <= 2; ++slot)
    if (TModulePanelForm* module = panel.ModulePanel(slot)) all.push_back(module->LedBinding());
  return all;
}

std::vector<int> octetsOf(const MvSNMPRequest2Leds* leds) {
  std::vector<int> octets;
  if (leds)
    for (const auto& led : leds->Leds()) octets.push_back(led.byteIndex);
  return octets;
}

}  // namespace paneltest
