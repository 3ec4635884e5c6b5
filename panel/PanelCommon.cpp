#include "panel/PanelCommon.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QVariant>
#include <QWidget>

#include "widgets/UserNotice.h"
#include "catalogue/Mainoidunit.h"
#include "configform/Guiconfigform.h"
#include "bind/MvBindingOwner.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "bind/MvSNMPRequest2Leds.h"
#include "panel/PanelHost.h"
#include "catalogue/Portoidunit.h"

int SelectedPort = 1;

constinit const SnmpVarDef LedStatusList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.1.1.5", "swL2DevInfoFrontPanelLedStatus", Syntax::OctetStr,
     Access::ReadOnly},
    {},
};

namespace PanelCommon {
namespace {

// Watches one widget's mouse events for a click or a double-click; owned by the widget.
class MouseWatch : public QObject {
 public:
  enum class Kind { Click, DoubleClick };

  MouseWatch(QWidget* widget, Kind kind, std::function<void()> handler)
      : QObject(widget), kind_(kind), handler_(std::move(handler)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
      return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    if (kind_ == Kind::DoubleClick) {
      if (type != QEvent::MouseButtonDblClick) return false;
      handler_();
      return true;
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
      pressed_ = true;
    } else if (pressed_) {
      pressed_ = false;
      const auto* widget = static_cast<QWidget*>(watched);
      if (widget->rect().contains(mouse->position().toPoint())) handler_();
    }
    return false;
  }

 private:
  Kind kind_;
  std::function<void()> handler_;
  bool pressed_ = false;
};

}  // namespace

void paintBackground(QWidget* widget, const QColor& colour, const QColor& text) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  if (text.isValid()) palette.setColor(QPalette::WindowText, text);
  widget->setPalette(palette);
}

QFrame* makePanel(QWidget* parent, const QString& name, const QColor& colour, int frameStyle) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameStyle(frameStyle);
  paintBackground(panel, colour);
  return panel;
}

std::unique_ptr<MvSNMPRequest2Edits> makeModuleTypeBinding(QWidget* owner, QLabel* slot1, QLabel* slot2,
                                                           QStatusBar* bar) {
  auto binding = std::make_unique<MvSNMPRequest2Edits>(owner);
  binding->Request().varList = MvSNMPVarList(ModuleTypeList, SVT_SV, 0);
  binding->BindControl(0, slot1);
  binding->BindControl(1, slot2);
  binding->SetAsynchronous(false);
  binding->SetStatusTarget(bar);
  return binding;
}

int tagOf(const QObject* object) {
  return object ? object->property(TagProperty).toInt() : 0;
}

std::unique_ptr<MvSNMPRequest2Leds> makeLedBinding(QWidget* owner, int timeout) {
  auto binding = std::make_unique<MvSNMPRequest2Leds>(owner);
  binding->Request().varList = MvSNMPVarList(LedStatusList, SVT_SV, 0);
  binding->SetTimeout(timeout);
  // Polls never hold up the window: with a silent agent a blocking poll would freeze it for
  // the whole time-out of every period.
  binding->SetAsynchronous(true);
  return binding;
}

void releaseLedBinding(std::unique_ptr<MvSNMPRequest2Leds>& binding) {
  if (!binding) return;
  binding->StopPolling();
  releaseBinding(binding);
}

void openPortControl(const PanelHost& host, int port) {
  try {
    auto form = std::make_unique<TConfigForm>();  // a window of its own, destroyed on return
    auto binding = std::make_unique<MvSNMPRequest2Edits>(form.get());
    binding->SetAsynchronous(false);
    binding->Request().loadDeviceTarget();
    // One row of the port control table: the port index is the key, every column addressed
    // with the port's instance.
    binding->Request().varList = MvSNMPVarList(PortControlList, MVT_SV, 1);
    binding->Request().varList.appendOidSuffix(QString::number(port));
    form->MakeEditorForm(std::move(binding));
    form->setWindowTitle(QStringLiteral("Port Control : ") + host.addressText);
    UserNotice::runModal(*form);
  } catch (const MvException& e) {
    host.showError(e.message());
  }
}

void onClick(QWidget* widget, std::function<void()> handler) {
  new MouseWatch(widget, MouseWatch::Kind::Click, std::move(handler));  // owned by the widget
}

void onDoubleClick(QWidget* widget, std::function<void()> handler) {
  new MouseWatch(widget, MouseWatch::Kind::DoubleClick, std::move(handler));  // owned by the widget
}

}  // namespace PanelCommon

void PressedPortButton::press(QAbstractButton* button) {
  release();
  button_ = button;
  if (!button) return;
  button->setChecked(true);
  SelectedPort = PanelCommon::tagOf(button);
}

void PressedPortButton::release() {
  if (button_) button_->setChecked(false);
}
