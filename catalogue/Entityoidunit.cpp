#include "catalogue/Entityoidunit.h"

#include "catalogue/CatalogueOptions.h"
#include "catalogue/StandardMibOptions.h"

namespace {
constexpr quint32 RO = Access::ReadOnly;
constexpr quint32 Key = Access::NotAccess;
constexpr char PhysicalIndex[] = "1.3.6.1.2.1.47.1.1.1.1.1";
constexpr char LogicalIndex[] = "1.3.6.1.2.1.47.1.2.1.1.1";
}  // namespace

// entPhysicalTable (1.3.6.1.2.1.47.1.1.1).
constinit const SnmpVarDef EntPhysicalList[] = {
    {PhysicalIndex, "entPhysicalIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.47.1.1.1.1.2", "entPhysicalDescr", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.47.1.1.1.1.3", "entPhysicalVendorType", Syntax::ObjectId, RO},
    {"1.3.6.1.2.1.47.1.1.1.1.4", "entPhysicalContainedIn", Syntax::Integer, RO},
    {"1.3.6.1.2.1.47.1.1.1.1.5", "entPhysicalClass", Syntax::Integer, RO, &PhysicalClassOptions},
    {"1.3.6.1.2.1.47.1.1.1.1.6", "entPhysicalParentRelPos", Syntax::Integer, RO},
    {"1.3.6.1.2.1.47.1.1.1.1.7", "entPhysicalName", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.47.1.1.1.1.8", "entPhysicalHardwareRev", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.47.1.1.1.1.9", "entPhysicalFirmwareRev", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.47.1.1.1.1.10", "entPhysicalSoftwareRev", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.47.1.1.1.1.11", "entPhysicalSerialNum", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.47.1.1.1.1.12", "entPhysicalMfgName", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.47.1.1.1.1.13", "entPhysicalModelName", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.47.1.1.1.1.14", "entPhysicalAlias", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.47.1.1.1.1.15", "entPhysicalAssetID", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.47.1.1.1.1.16", "entPhysicalIsFRU", Syntax::Integer, RO, &TruthValueOptions},
    {},
};

// entLogicalTable (1.3.6.1.2.1.47.1.2.1).
constinit const SnmpVarDef EntLogicalList[] = {
    {LogicalIndex, "entLogicalIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.47.1.2.1.1.2", "entLogicalDescr", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.47.1.2.1.1.3", "entLogicalType", Syntax::ObjectId, RO},
    {"1.3.6.1.2.1.47.1.2.1.1.4", "entLogicalCommunity", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.47.1.2.1.1.5", "entLogicalTAddress", Syntax::OctetStr, RO},
    {"1.3.6.1.2.1.47.1.2.1.1.6", "entLogicalTDomain", Syntax::ObjectId, RO},
    {"1.3.6.1.2.1.47.1.2.1.1.7", "entLogicalContextEngineID", Syntax::OctetStr, RO},
    {"1.3.6.1.2.1.47.1.2.1.1.8", "entLogicalContextName", Syntax::DisplayStr, RO},
    {},
};

// entLPMappingTable (1.3.6.1.2.1.47.1.3.1), indexed by logical and physical entity; the
// physical index is both the second key (kept hidden) and the one readable column.
constinit const SnmpVarDef EntLPMappingList[] = {
    {LogicalIndex, "entLogicalIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.47.1.3.1.1.1", "entLPPhysicalIndex", Syntax::Integer, Key | Access::Hidden},
    {"1.3.6.1.2.1.47.1.3.1.1.1", "entLPPhysicalIndex", Syntax::Integer, RO},
    {},
};

// entAliasMappingTable (1.3.6.1.2.1.47.1.3.2), indexed by physical entity and logical entity or 0.
constinit const SnmpVarDef EntAliasMappingList[] = {
    {PhysicalIndex, "entPhysicalIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.47.1.3.2.1.1", "entAliasLogicalIndexOrZero", Syntax::Integer, Key},
    {"1.3.6.1.2.1.47.1.3.2.1.2", "entAliasMappingIdentifier", Syntax::ObjectId, RO},
    {},
};

// entPhysicalContainsTable (1.3.6.1.2.1.47.1.3.3), indexed by container and child; the child
// index is both the second key (kept hidden) and the one readable column.
constinit const SnmpVarDef EntPhysicalContainsList[] = {
    {PhysicalIndex, "entPhysicalIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.47.1.3.3.1.1", "entPhysicalChildIndex", Syntax::Integer, Key | Access::Hidden},
    {"1.3.6.1.2.1.47.1.3.3.1.1", "entPhysicalChildIndex", Syntax::Integer, RO},
    {},
};
