// The dedicated forms by class name: what the menu's form entries create, and the program-wide
// instance reference of the forms that keep one while they live.
#pragma once

#include <QString>
#include <QStringView>
#include <memory>

class QWidget;
class TDedicatedForm;

// A new form of that class owned by `owner`, or nullptr for a class not built here.
std::unique_ptr<TDedicatedForm> createDedicatedForm(QStringView formClass, QWidget* owner);
bool isDedicatedFormBuilt(QStringView formClass);

// The live form of that class while an opener keeps it in the reference, else nullptr.
TDedicatedForm* dedicatedFormInstance(QStringView formClass);
// Puts the form into its class's reference (nullptr clears it).
void setDedicatedFormInstance(QStringView formClass, TDedicatedForm* form);
