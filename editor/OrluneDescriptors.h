#pragma once

#include "KbdCtrlDescriptor.h"

#include <map>

/** The Orlune's 86 assignable controls, keyed by item id, with their display
    names and factory numbers. */
std::map<short, KbdCtrlDescriptor> getOrluneDescriptors();
