#include <zkwidgets/vesa.h>

namespace ZK::VESA {

void registerMetaTypes()
{
    qRegisterMetaType<ZK::VESA::DMTSchemaData>("ZK::VESA::DMTSchemaData");
    qRegisterMetaType<ZK::VESA::s_DMTSchemaData>("ZK::VESA::s_DMTSchemaData");
    qRegisterMetaType<ZK::VESA::s_FrameTiming>("ZK::VESA::s_FrameTiming");
}

} // namespace ZK::VESA

namespace {
// Registered at load time so that a look-up by name works before the first use of the type.
void registerVesaMetaTypes()
{
    ZK::VESA::registerMetaTypes();
}
} // namespace

Q_CONSTRUCTOR_FUNCTION(registerVesaMetaTypes)
