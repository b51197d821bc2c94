#include "plugin/protocol/PlugInProtocol.h"
